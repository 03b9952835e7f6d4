#include "widgets/FolderLists.h"

#include "widgets/ListKeyChoice.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QIconEngine>
#include <QPainter>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <QStyle>

#include <algorithm>
#include <utility>

namespace mirendo {

namespace {

constexpr int kPathRole = Qt::UserRole;

QStringList MountedRoots() {
    QStringList roots;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        // Containers bind-mount single files (/etc/hosts); only folders can be browsed.
        if (volume.isValid() && volume.isReady() && QFileInfo(volume.rootPath()).isDir())
            roots << QDir::cleanPath(volume.rootPath());
    }
    if (!roots.contains(QStringLiteral("/")))
        roots << QStringLiteral("/");
    roots.removeDuplicates();
    std::sort(roots.begin(), roots.end());
    return roots;
}

QString RootOf(const QString& path) {
    return QDir::cleanPath(QStorageInfo(path).rootPath());
}

bool IsBrowsableFolder(const QString& path) {
    const QFileInfo info(path);
    return info.exists() && info.isDir() && info.isReadable() && info.isExecutable();
}

// One of the style's standard pictures, asked of the style only when it is first drawn or measured:
// looking them up (the icon theme first) is costly, and a dialog built but never shown (a file
// opened from the desktop is read through the file input) draws none.
class StyleIconEngine : public QIconEngine {
  public:
    explicit StyleIconEngine(QStyle::StandardPixmap which) : m_which(which) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    // Sizes here are device pixels, as the style's own icon takes them at that scale.
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, 1.0, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
        return icon().pixmap((QSizeF(size) / scale).toSize(), scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }
    bool isNull() override { return icon().isNull(); }
    QString key() const override { return QStringLiteral("mirendo-style"); }
    QIconEngine* clone() const override { return new StyleIconEngine(*this); }

  private:
    const QIcon& icon() {
        if (!m_looked) {
            m_icon = QApplication::style()->standardIcon(m_which);
            m_looked = true;
        }
        return m_icon;
    }

    QStyle::StandardPixmap m_which;
    QIcon m_icon;
    bool m_looked = false;
};

QIcon StyleIcon(QStyle::StandardPixmap which) {
    return QIcon(new StyleIconEngine(which));
}

} // namespace

QString JoinPath(const QString& folder, const QString& name) {
    if (folder.isEmpty())
        return name;
    if (folder.endsWith(QLatin1Char('/')))
        return folder + name;
    return folder + QLatin1Char('/') + name;
}

FolderLists::FolderLists(QComboBox* drive, QListWidget* dir, QListWidget* file, QStringList patterns,
                         QObject* parent)
    : QObject(parent), m_drive(drive), m_dir(dir), m_file(file), m_patterns(std::move(patterns)),
      m_openIcon(StyleIcon(QStyle::SP_DirOpenIcon)), m_parentIcon(StyleIcon(QStyle::SP_FileDialogToParent)),
      m_folderIcon(StyleIcon(QStyle::SP_DirClosedIcon)) {
    const auto nameForScreenReaders = [](QWidget* widget, const QString& name) {
        if (widget && widget->accessibleName().isEmpty())
            widget->setAccessibleName(name);
    };
    nameForScreenReaders(m_drive, tr("ドライブ"));
    nameForScreenReaders(m_dir, tr("フォルダ"));
    nameForScreenReaders(m_file, tr("ファイル"));
    if (m_drive) {
        for (const QString& root : MountedRoots())
            m_drive->addItem(root, root);
        connect(m_drive, &QComboBox::activated, this, [this](int index) {
            const QString root = m_drive->itemData(index).toString();
            if (!moveToDrive(root))
                selectDriveOf(m_path); // an unreadable drive leaves everything where it was
        });
    }
    if (m_dir) {
        connect(m_dir, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
            if (item)
                setPath(item->data(kPathRole).toString());
        });
    }
    if (m_file) {
        m_file->setSelectionMode(QAbstractItemView::SingleSelection);
        connect(m_file, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
            if (item)
                emit fileClicked(item->text());
        });
        connect(new ListKeyChoice(m_file), &ListKeyChoice::chosen, this,
                [this](QListWidgetItem* item) { emit fileClicked(item->text()); });
    }
    if (!setPath(QDir::currentPath()))
        setPath(QStringLiteral("/"));
}

bool FolderLists::moveToDrive(const QString& root) {
    const QString working = QDir::cleanPath(QDir::currentPath());
    if (RootOf(working) == root && setPath(working))
        return true;
    return setPath(root);
}

void FolderLists::selectDriveOf(const QString& path) {
    if (!m_drive)
        return;
    const QString root = RootOf(path);
    const QSignalBlocker block(m_drive);
    int index = m_drive->findData(root);
    if (index < 0) {
        m_drive->addItem(root, root);
        index = m_drive->count() - 1;
    }
    m_drive->setCurrentIndex(index);
}

bool FolderLists::setPath(const QString& path) {
    if (path.isEmpty())
        return false;
    const QString clean = QDir::cleanPath(QDir(path).absolutePath());
    if (!IsBrowsableFolder(clean))
        return false;
    m_path = clean;
    selectDriveOf(m_path);
    fillFolders();
    refreshFiles();
    return true;
}

void FolderLists::fillFolders() {
    if (!m_dir)
        return;
    const QSignalBlocker block(m_dir);
    m_dir->clear();
    m_dir->setToolTip(m_path);
    // The folder itself heads the list as an open folder, so the user always sees where the
    // file list is; activating it just re-reads the folder.
    auto* heading = new QListWidgetItem(m_openIcon, m_path);
    heading->setData(kPathRole, m_path);
    heading->setToolTip(m_path);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    m_dir->addItem(heading);
    QDir here(m_path);
    if (here.cdUp() && QDir::cleanPath(here.absolutePath()) != m_path) {
        auto* up = new QListWidgetItem(m_parentIcon, QStringLiteral(".."));
        up->setData(kPathRole, QDir::cleanPath(here.absolutePath()));
        m_dir->addItem(up);
    }
    const QDir current(m_path);
    const QStringList folders = current.entryList(QDir::Dirs | QDir::NoDotAndDotDot,
                                                  QDir::Name | QDir::IgnoreCase | QDir::LocaleAware);
    for (const QString& name : folders) {
        auto* item = new QListWidgetItem(m_folderIcon, name);
        item->setData(kPathRole, JoinPath(m_path, name));
        m_dir->addItem(item);
    }
}

void FolderLists::resetToCurrentFolderOfDrive() {
    QString root =
        m_drive && m_drive->currentIndex() >= 0 ? m_drive->currentData().toString() : RootOf(m_path);
    if (!moveToDrive(root))
        setPath(m_path); // refresh in place; the drive may have gone away
}

void FolderLists::refreshFiles() {
    if (!m_file)
        return;
    const QSignalBlocker block(m_file);
    m_file->clear();
    if (m_patterns.isEmpty() || m_path.isEmpty())
        return;
    const QDir current(m_path);
    QStringList files =
        current.entryList(m_patterns, m_caseSensitive ? QDir::Files | QDir::CaseSensitive : QDir::Files,
                          QDir::Name | QDir::IgnoreCase | QDir::LocaleAware);
    files.removeIf([this](const QString& name) { return m_excluded.contains(name); });
    m_file->addItems(files);
    m_file->setCurrentRow(-1);
}

QString FolderLists::path() const {
    return m_path;
}

QString FolderLists::selectedName() const {
    if (!m_file)
        return QString();
    QListWidgetItem* item = m_file->currentItem();
    if (!item || !item->isSelected())
        return QString();
    return item->text();
}

QString FolderLists::selectedPath() const {
    const QString name = selectedName();
    return name.isEmpty() ? QString() : JoinPath(m_path, name);
}

void FolderLists::clearSelection() {
    if (!m_file)
        return;
    const QSignalBlocker block(m_file);
    m_file->clearSelection();
    m_file->setCurrentRow(-1);
}

bool FolderLists::selectFile(const QString& name) {
    if (!m_file)
        return false;
    const QList<QListWidgetItem*> found = m_file->findItems(name, Qt::MatchExactly);
    if (found.isEmpty())
        return false;
    const QSignalBlocker block(m_file);
    m_file->setCurrentItem(found.front());
    found.front()->setSelected(true);
    return true;
}

void FolderLists::setCaseSensitive(bool caseSensitive) {
    m_caseSensitive = caseSensitive;
    refreshFiles();
}

void FolderLists::setPatterns(const QStringList& patterns) {
    m_patterns = patterns;
    refreshFiles();
}

void FolderLists::setExcludedNames(const QStringList& names) {
    m_excluded = names;
    refreshFiles();
}

} // namespace mirendo
