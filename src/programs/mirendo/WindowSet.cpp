#include "programs/mirendo/WindowSet.h"

#include "core/archive/ArchiveFile.h"
#include "core/archive/ArchiveReader.h"
#include "core/archive/SavedPoints.h"
#include "core/exchange/AtomicFile.h"
#include "core/input/Ordering.h"
#include "core/input/PointFileReader.h"
#include "qt/bridge/Calculation.h"
#include "qt/messages/Messages.h"
#include "widgets/FileDrop.h"
#include "widgets/MessageBox.h"
#include "windows/BatchEvaluationWindow.h"
#include "windows/Form1.h"
#include "windows/Form10.h"
#include "windows/Form11.h"
#include "windows/Form2.h"
#include "windows/Form4.h"
#include "windows/Form5.h"
#include "windows/Form6.h"
#include "windows/Form9.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace mirendo {

namespace {

bool IsArchive(const QString& path) {
    return path.endsWith(QString::fromLatin1(kArchiveSuffix), Qt::CaseInsensitive);
}

// A point file the main window takes: read, with one to ten points.
bool PointFileOpens(const QString& path) {
    return ReadPointFile(QFile::encodeName(path).toStdString()).givesPoints();
}

// Text the main window's Ctrl+V takes: read, with one to ten points.
bool PointTextOpens(const QString& text) {
    return ReadPointText(text.toUtf8().toStdString()).givesPoints();
}

// Whether a file opened at start is likely to be shown: a point file of one to ten pairs, or an
// archive that parses. The windows may still refuse more than this sees.
bool OpensAtStart(const QString& path) {
    return IsArchive(path) ? ReadArchiveFile(QFile::encodeName(path).toStdString()).ok()
                           : PointFileOpens(path);
}

// Why a file that is neither an archive nor a point file is refused: what kept it from being
// read, or else that Mirendo does not read its type.
exchange::Failure StartFileRefusal(const QString& path) {
    const std::string name = QFile::encodeName(path).toStdString();
    const PointFileRead read = ReadPointFile(name);
    if (read.failure && exchange::IsFileAccessCause(read.failure->cause))
        return *read.failure;
    return exchange::Failure::OfFile(exchange::Cause::UnreadType, name);
}

} // namespace

WindowSet::WindowSet(Module1& state, const QString& engineFolder, QObject* parent)
    : QObject(parent), m_state(state), m_workDir(QDir::currentPath()) {
    m_calculation = new Calculation(engineFolder, m_workDir, this);
    m_state.Ln10 = Module1::kLn10;
    m_state.GraphDrawn = 0;
}

WindowSet::~WindowSet() = default;

Form2* WindowSet::form2() const {
    if (!m_form2) {
        m_form2 = std::make_unique<Form2>();
        wireStartWindow();
    }
    return m_form2.get();
}

Form9* WindowSet::form9() const {
    if (!m_form9)
        m_form9 = std::make_unique<Form9>(m_workDir);
    return m_form9.get();
}

Form1* WindowSet::form1() const {
    if (!m_form1) {
        m_form1 = std::make_unique<Form1>(m_state, m_calculation);
        wireMainWindow();
    }
    return m_form1.get();
}

Form10* WindowSet::form10() const {
    if (!m_form10) {
        m_form10 = std::make_unique<Form10>(m_state);
        wireFileInput();
    }
    return m_form10.get();
}

Form11* WindowSet::form11() const {
    if (!m_form11) {
        m_form11 = std::make_unique<Form11>(m_state);
        wireManualEntry();
    }
    return m_form11.get();
}

Form5* WindowSet::form5() const {
    if (!m_form5) {
        m_form5 = std::make_unique<Form5>();
    }
    return m_form5.get();
}

Form4* WindowSet::form4() const {
    if (!m_form4) {
        m_form4 = std::make_unique<Form4>(m_state);
        wireDataSave();
    }
    return m_form4.get();
}

Form6* WindowSet::form6() const {
    if (!m_form6) {
        m_form6 = std::make_unique<Form6>(m_state);
        wireBrowser();
    }
    return m_form6.get();
}

bool WindowSet::isCreated(const QString& objectName) const {
    const QWidget* const windows[] = {m_form1.get(), m_form2.get(), m_form4.get(),  m_form5.get(),
                                      m_form6.get(), m_form9.get(), m_form10.get(), m_form11.get()};
    for (const QWidget* window : windows)
        if (window && window->objectName() == objectName)
            return true;
    return false;
}

void WindowSet::wireStartWindow() const {
    connect(m_form2.get(), &Form2::newCalculationRequested, this, [this] {
        form1()->ResetMainWindow();
        form1()->show();
        form2()->hide();
        hideHelp();
    });
    connect(m_form2.get(), &Form2::browserRequested, this, [this] {
        form6()->prepare();
        form6()->show();
        form2()->hide();
        hideHelp();
    });
    connect(m_form2.get(), &Form2::helpRequested, this, [this] { form9()->show(); });
    // An engine still running would write its result after the start window removed it; a curve
    // still awaited is not drawn any more. Connected first, so it happens before the end.
    connect(m_form2.get(), &Form2::exitRequested, this, [this] {
        m_calculation->stop();
        // A clean end: nothing typed is left to offer at the next start.
        m_typed.reset();
        QFile::remove(recoveryPath());
    });
    connect(m_form2.get(), &Form2::exitRequested, this, &WindowSet::exitRequested);
}

void WindowSet::wireMainWindow() const {
    Form1* main = m_form1.get();
    // A dialog not built yet has nothing to reset: it is prepared anyway whenever it opens.
    connect(main, &Form1::inputDialogsResetRequested, this, [this] {
        forgetTypedPoints();
        if (m_form10)
            m_form10->prepare();
        if (m_form11)
            m_form11->resetForMainWindowReset();
    });
    connect(main, &Form1::fileInputRequested, this, [this] {
        m_typedShown = false;
        form10()->prepare();
        form10()->show();
    });
    connect(main, &Form1::manualEntryRequested, this, [this] {
        m_typedShown = false;
        form11()->openForEntry();
    });
    connect(main, &Form1::settingsEdited, this, &WindowSet::keepSettings);
    connect(main, &Form1::backToStartRequested, this, [this] { form2()->show(); });
    connect(main, &Form1::dataSaveRequested, this, [this](const QString& name) { form4()->openWith(name); });
    connect(main, &Form1::pointFileDropped, this, [this](const QString& path) {
        if (!PointFileOpens(path) || mayReplaceTypedPoints(form1()))
            form10()->readDroppedFile(path);
    });
    connect(main, &Form1::pointTextPasted, this, [this](const QString& text) {
        if (!PointTextOpens(text) || mayReplaceTypedPoints(form1()))
            form10()->readDroppedText(text, QStringLiteral("クリップボード"));
    });
    connect(main, &Form1::imageSaveRequested, this, &WindowSet::openImageSave);
}

void WindowSet::wireFileInput() const {
    Form10* input = m_form10.get();
    connect(input, &Form10::readStarted, this, [this] {
        form1()->withdrawPoints();
        form1()->enableAllScaleOptions();
        form1()->clearDataTable();
    });
    connect(input, &Form10::pointsPublished, this, [this](const PublishedPoints& points) {
        forgetTypedPoints(); // a file's points (or the clipboard's) in their place
        form1()->applyPublishedPoints(points);
    });
    input->setReplaceCheck([this] { return mayReplaceTypedPoints(form10()); });
    connect(input, &Form10::readFailed, this, [this] { form1()->clearDataTable(); });
    connect(input, &Form10::helpRequested, this, [this] {
        form9()->show();
        form9()->raise();
        form9()->activateWindow();
    });
    // The help was asked for this input: it goes when the input ends.
    connect(input, &Form10::accepted, this, [this] {
        hideHelp();
        form1()->enableSettingsOk();
        form1()->show();
    });
    connect(input, &Form10::cancelled, this, [this] {
        hideHelp();
        form1()->withdrawPoints();
        form1()->clearDataTable();
        form1()->clearRangeLabels();
        form1()->enableAllScaleOptions();
        form1()->show();
    });
}

void WindowSet::wireManualEntry() const {
    Form11* entry = m_form11.get();
    connect(entry, &Form11::typedPointsChanged, this,
            [this] { keepTypedPoints(form11()->enteredCount(), false); });
    connect(entry, &Form11::pointsPublished, this, [this](const PublishedPoints& points) {
        form1()->applyPublishedPoints(points);
        // As the main window took them: in ascending X order, equal X moved apart.
        keepTypedPoints(m_state.PointsInUse(), true);
        form1()->show();
    });
    connect(entry, &Form11::cancelled, this, [this] {
        // The typed points stay in the shared state, but the main window shows none: nothing
        // is calculated from them.
        form1()->withdrawPoints();
        form1()->enableAllScaleOptions();
        form1()->show();
    });
}

void WindowSet::wireDataSave() const {
    connect(m_form4.get(), &Form4::archiveSaved, this, &WindowSet::forgetTypedPoints);
    m_form4->setSource([this]() -> std::optional<ArchiveSource> {
        const std::optional<Form1::DrawnCalculation> drawn = form1()->drawnCalculation();
        if (!drawn)
            return std::nullopt;
        return ArchiveSource{drawn->state, drawn->settings};
    });
}

void WindowSet::wireBrowser() const {
    connect(m_form6.get(), &Form6::backToStart, this, [this] { form2()->show(); });
    connect(m_form6.get(), &Form6::imageSaveRequested, this, &WindowSet::openImageSave);
    connect(m_form6.get(), &Form6::recalculationRequested, this, &WindowSet::recalculate);
}

void WindowSet::recalculate(const SavedPlot& plot, const QString& name) const {
    form1()->ResetMainWindow();
    form10()->prepare();
    hideHelp();
    // The points go the way of a point file; one the reader refuses is told there, and the
    // browser comes back.
    if (!form10()->readDroppedText(QString::fromStdString(SavedPointText(plot)), name)) {
        m_form6->show();
        return;
    }
    if (!form1()->takeSavedSettings(plot.scaleMode, plot.settingTexts))
        ShowMessage(form1(), QStringLiteral("　保存されたスケールモード %1 は、このデータ点では選べません　")
                                 .arg(plot.scaleMode));
    if (m_form2)
        m_form2->hide();
    form1()->show();
    form1()->raise();
    form1()->activateWindow();
}

void WindowSet::openImageSave(const QString& proposedName, const GraphPicture& picture) const {
    form5()->open(proposedName, picture);
}

void WindowSet::hideCompanionsOfReplacedState(const QWidget* shown) const {
    // The main window was reset or hidden: its input dialogs and its data save were for the
    // calculation it showed before.
    for (QWidget* companion : {static_cast<QWidget*>(m_form10.get()), static_cast<QWidget*>(m_form11.get()),
                               static_cast<QWidget*>(m_form4.get())})
        if (companion)
            companion->hide();
    // A curve the hidden main window still awaits would be read over the browser's archive.
    if (shown != m_form1.get())
        m_calculation->cancelResultRequest();
    // The batch window goes with the browser, as by its back button. (Form5 keeps the picture
    // it was opened with, so it stays.)
    if (m_form6 && shown != m_form6.get() && m_form6->batchWindow())
        m_form6->batchWindow()->hide();
}

void WindowSet::hideHelp() const {
    if (m_form9)
        m_form9->hide();
}

void WindowSet::start(const QString& file) {
    if (offerRecovery()) {
        if (!file.isEmpty())
            openFile(file); // asks before it takes the restored points' place
        return;
    }
    // A file that will be refused is told over the start window, shown first; one refused
    // unexpectedly still leaves the start window afterwards.
    if (file.isEmpty() || !OpensAtStart(file))
        form2()->show();
    if (!file.isEmpty() && !openFile(file))
        form2()->show();
}

bool WindowSet::openFile(const QString& path) {
    // A file shown in either window puts the typed points away: asked first, when it will be shown.
    if (m_typed && OpensAtStart(path) && !mayReplaceTypedPoints(m_form1.get()))
        return false;
    QWidget* shown = nullptr;
    if (IsArchive(path)) {
        form6()->prepare();
        if (form6()->openDroppedArchive(path))
            shown = form6();
    } else {
        // A readable file replaces the calculation in the main window, as a new calculation would;
        // one that cannot be read leaves it as it was and only tells why.
        if (PointFileOpens(path)) {
            form1()->ResetMainWindow();
        } else if (!DropTargetShows(DropTarget::PointFile, QFileInfo(path).fileName().toStdString())) {
            // Neither window takes it: said over the start window, for what keeps it from being
            // read or else for its type, instead of as a point file without points.
            ShowMessage(form2(), StartFileMessage(StartFileRefusal(path), path));
            return false;
        }
        form10()->prepare();
        if (form10()->readDroppedFile(path))
            shown = form1();
    }
    if (!shown)
        return false;
    for (QWidget* other : {static_cast<QWidget*>(m_form2.get()), static_cast<QWidget*>(m_form9.get()),
                           static_cast<QWidget*>(m_form1.get()), static_cast<QWidget*>(m_form6.get())})
        if (other && other != shown)
            other->hide();
    hideCompanionsOfReplacedState(shown);
    shown->show();
    shown->raise();
    shown->activateWindow();
    return true;
}

QString WindowSet::recoveryPath() const {
    return QDir(m_workDir).filePath(QString::fromLatin1(kRecoveryFileName));
}

void WindowSet::keepTypedPoints(int count, bool shown) const {
    TypedWork work;
    for (int i = 1; i <= count; ++i)
        work.points.emplace_back(m_state.XData[i], m_state.YData[i]);
    work.scaleMode = std::clamp(m_state.ScaleMode, 1, 4);
    if (m_form1)
        work.settings = m_form1->settingTexts();
    m_typed = work;
    m_typedShown = shown;
    writeRecovery();
}

void WindowSet::keepSettings() const {
    if (!m_typed || !m_typedShown || !m_form1)
        return;
    const SettingTexts settings = m_form1->settingTexts();
    const int mode = std::clamp(m_state.ScaleMode, 1, 4);
    if (settings == m_typed->settings && mode == m_typed->scaleMode)
        return;
    m_typed->settings = settings;
    m_typed->scaleMode = mode;
    writeRecovery();
}

void WindowSet::writeRecovery() const {
    if (!m_typed || m_typed->points.empty())
        return;
    const std::string path = QFile::encodeName(recoveryPath()).toStdString();
    const exchange::FileWrite written = exchange::SaveFileDurably(path, FormatTypedWork(*m_typed));
    if (written.ok() || m_recoveryWarned)
        return;
    // Said once: the typing goes on, every change would say it again.
    m_recoveryWarned = true;
    ShowMessage(nullptr, RecoveryNotWrittenMessage(*written.failure(path)));
}

void WindowSet::forgetTypedPoints() const {
    if (!m_typed)
        return;
    m_typed.reset();
    m_typedShown = false;
    QFile::remove(recoveryPath());
}

bool WindowSet::mayReplaceTypedPoints(QWidget* parent) const {
    return !m_typed || AskYesNo(parent, ReplaceTypedPointsQuestion());
}

bool WindowSet::offerRecovery() {
    const QString path = recoveryPath();
    const RecoveryRead read = ReadRecoveryFile(QFile::encodeName(path).toStdString());
    switch (read.found) {
    case RecoveryRead::Found::None:
        return false;
    case RecoveryRead::Found::Damaged:
        ShowMessage(nullptr, RecoveryDamagedMessage());
        QFile::remove(path);
        return false;
    case RecoveryRead::Found::Work:
        break;
    }
    // Enter takes them back: a No removes them for good.
    if (!AskYesNo(nullptr, RecoveryQuestion(), true)) {
        QFile::remove(path);
        return false;
    }
    restore(read.work);
    return true;
}

void WindowSet::restore(const TypedWork& work) {
    // As if the points had just been typed in the manual entry and finished there.
    Form1* main = form1();
    main->ResetMainWindow();
    const int count = int(work.points.size());
    for (int i = 1; i <= Module1::kMaxPoints; ++i) {
        const bool typed = i <= count;
        m_state.XData[i] = typed ? work.points[std::size_t(i - 1)].first : 0;
        m_state.YData[i] = typed ? work.points[std::size_t(i - 1)].second : 0;
        if (typed)
            UpdateRange(m_state, i);
    }
    m_state.PointCount = count;
    m_state.EntryNo = count + 1;
    main->applyPublishedPoints(PublishEnteredPoints(m_state, RangeTexts(m_state)));
    main->takeSavedSettings(work.scaleMode, work.settings);
    main->showHandEntryChosen();
    keepTypedPoints(m_state.PointsInUse(), true);
    main->show();
    main->raise();
    main->activateWindow();
}

} // namespace mirendo
