#include "windows/FormChart.h"

#include "core/chart/ChartFiles.h"
#include "core/chart/ChartGrid.h"
#include "core/chart/ChartRows.h"
#include "core/chart/SnapToLine.h"
#include "core/exchange/AtomicFile.h"
#include "core/input/TypedValue.h"
#include "core/messages/MessageTexts.h"
#include "core/text/NumberText.h"
#include "qt/chart/ChartPicture.h"
#include "qt/messages/Messages.h"
#include "widgets/ChartLoupe.h"
#include "widgets/ChartPictureView.h"
#include "widgets/EnterKeys.h"
#include "widgets/FormLayout.h"
#include "widgets/MessageBox.h"
#include "windows/FormChartSave.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

namespace mirendo {

namespace {

// `widget` fills `frame` (a place the control table gives) and follows it when the window is resized.
template <class Widget> Widget* FillFrame(QWidget* frame, Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(widget);
    return widget;
}

using chart::AxisScale;
using chart::ChartAxis;
using chart::ChartSelection;
using chart::PixelPoint;
using chart::Reference;

const char* const kReferenceNames[4] = {"X1", "X2", "Y1", "Y2"};
// Milliseconds the side file waits for a run of changes (a held arrow key) to end.
constexpr int kSideFileDelay = 400;

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

PixelPoint P(QPointF point) {
    return {point.x(), point.y()};
}

QPointF Q(PixelPoint point) {
    return {point.x, point.y};
}

const chart::Calibration*
CalibrationOf(const std::variant<chart::Calibration, chart::CalibrationRefusal>& made) {
    return std::get_if<chart::Calibration>(&made);
}

// A picture in the 32-bit layout the snap reads.
chart::ImageView ViewOf(const QImage& image) {
    return {image.width(), image.height(), reinterpret_cast<const std::uint32_t*>(image.constBits()),
            std::ptrdiff_t(image.bytesPerLine() / 4)};
}

// A grid line's value as its label: short, as the axes of a chart write them.
QString GridLabel(double value) {
    return Q(SignificantText(value, 6));
}

} // namespace

FormChart::FormChart(QWidget* parent) : QWidget(parent, Qt::Window) {
    SetUpWindow(this, "FormChart", tr("グラフ画像から点を読み取る"), 17400, 11400);
    // Resizable, never smaller than built: the picture takes the added room.
    setMinimumSize(size());
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    const FormControls c = BuildForm(this, QStringLiteral(":/forms/FormChart.tsv"));
    m_view = FillFrame(c.get<QLabel>("PictureChart"), new ChartPictureView, "ChartView");
    m_loupe = FillFrame(c.get<QLabel>("PictureLoupe"), new ChartLoupe, "ChartLoupe");
    m_loupe->setAccessibleName(tr("ルーペ"));

    for (int i = 0; i < 4; ++i) {
        const QByteArray name = kReferenceNames[i];
        m_referenceBoxes[std::size_t(i)] = c.get<QLineEdit>(("Text" + name).constData());
        m_referenceAt[std::size_t(i)] = c.get<QLabel>(("Label" + name + "At").constData());
        m_referenceBoxes[std::size_t(i)]->setAccessibleName(
            tr("基準点 %1 の値").arg(QString::fromLatin1(name)));
    }
    m_scaleX = c.get<QComboBox>("ComboScaleX");
    m_scaleY = c.get<QComboBox>("ComboScaleY");
    m_scaleX->setAccessibleName(tr("X 軸の目盛り"));
    m_scaleY->setAccessibleName(tr("Y 軸の目盛り"));
    m_page1 = c.get<QComboBox>("ComboPage");
    m_page1->setAccessibleName(tr("PDF のページ"));
    m_ask = c.get<QLabel>("LabelAsk");
    m_ask->setWordWrap(true);
    m_cursor = c.get<QLabel>("LabelCursor");
    m_cursor->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_cursor->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_points = c.get<QListWidget>("ListPoints");
    m_points->setAccessibleName(tr("読み取った点"));
    m_undo = c.get<QPushButton>("CommandUndo");
    m_redo = c.get<QPushButton>("CommandRedo");
    m_snap = c.get<QPushButton>("CommandSnap");
    m_delete = c.get<QPushButton>("CommandDelete");
    m_save = c.get<QPushButton>("CommandSave");
    m_calculate = c.get<QPushButton>("CommandCalculate");
    c.get<QPushButton>("CommandZoomIn")->setAccessibleName(tr("拡大"));
    c.get<QPushButton>("CommandZoomOut")->setAccessibleName(tr("縮小"));
    m_undo->setToolTip(tr("元に戻す (Ctrl+Z)"));
    m_redo->setToolTip(tr("やり直す (Ctrl+Y)"));

    ConnectButtonHandlers(this);
    auto* keys = new EnterKeys(this);
    for (QPushButton* button : findChildren<QPushButton*>())
        keys->clickOnEnter(button);
    for (int i = 0; i < 4; ++i) {
        QLineEdit* box = m_referenceBoxes[std::size_t(i)];
        // A value is taken when the box is left or Enter pressed; Enter then goes to the next box.
        connect(box, &QLineEdit::editingFinished, this, [this, i] { ReferenceBox_Finished(Reference(i)); });
        QWidget* next = i < 3 ? static_cast<QWidget*>(m_referenceBoxes[std::size_t(i + 1)]) : m_view;
        connect(box, &QLineEdit::returnPressed, this, [this, i, next] {
            ReferenceBox_Finished(Reference(i));
            next->setFocus(Qt::OtherFocusReason);
        });
    }
    connect(m_scaleX, &QComboBox::currentIndexChanged, this,
            [this](int index) { ScaleChoice_Changed(ChartAxis::X, index); });
    connect(m_scaleY, &QComboBox::currentIndexChanged, this,
            [this](int index) { ScaleChoice_Changed(ChartAxis::Y, index); });
    connect(m_page1, &QComboBox::activated, this, &FormChart::PageChoice_Changed);
    connect(m_points, &QListWidget::currentRowChanged, this, [this](int row) {
        if (m_refreshing || row < 0)
            return;
        m_document.select(ChartSelection::point(row));
        refresh();
    });
    wireView();
    m_sideFileTimer = new QTimer(this);
    m_sideFileTimer->setSingleShot(true);
    m_sideFileTimer->setInterval(kSideFileDelay);
    connect(m_sideFileTimer, &QTimer::timeout, this, &FormChart::writeSideFileNow);

    const auto shortcut = [this](const QKeySequence& keys, auto slot) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, slot);
    };
    shortcut(QKeySequence::Undo, &FormChart::CommandUndo_Click);
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Y), &FormChart::CommandRedo_Click);
    shortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), &FormChart::CommandRedo_Click);
    shortcut(QKeySequence::Paste, &FormChart::CommandPaste_Click);
    shortcut(QKeySequence::Open, &FormChart::CommandOpen_Click);

    // Keyboard: open, then the picture, the reference values and scales, the list, the actions.
    QWidget* order[] = {c.get<QPushButton>("CommandOpen"),
                        c.get<QPushButton>("CommandPaste"),
                        m_page1,
                        c.get<QPushButton>("CommandFit"),
                        c.get<QPushButton>("CommandZoomIn"),
                        c.get<QPushButton>("CommandZoomOut"),
                        m_undo,
                        m_redo,
                        m_view,
                        m_referenceBoxes[0],
                        m_referenceBoxes[1],
                        m_referenceBoxes[2],
                        m_referenceBoxes[3],
                        m_scaleX,
                        m_scaleY,
                        m_points,
                        m_snap,
                        m_delete,
                        m_save,
                        m_calculate};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    refresh();
}

FormChart::~FormChart() = default;

void FormChart::wireView() {
    // What each mark of the view stands for, in the order refresh() gives them.
    connect(m_view, &ChartPictureView::placeRequested, this, [this](QPointF pixel, bool byKey) {
        if (!m_document.placeNext(P(pixel)))
            return;
        // From the keyboard the cursor goes on to the next place; a click leaves the new item
        // selected, for the arrows to set it to a tenth of a pixel.
        if (byKey)
            m_document.select(ChartSelection::none());
        changed();
    });
    const auto selectionOfMark = [this](int index) {
        int i = 0;
        for (Reference reference : chart::kReferences)
            if (m_document.reference(reference).pixel && i++ == index)
                return ChartSelection::reference(reference);
        return ChartSelection::point(index - i);
    };
    connect(m_view, &ChartPictureView::markClicked, this, [this, selectionOfMark](int index) {
        m_document.select(selectionOfMark(index));
        refresh();
    });
    connect(m_view, &ChartPictureView::markDragged, this, [this, selectionOfMark](int index, QPointF pixel) {
        m_document.select(selectionOfMark(index));
        if (m_document.moveSelection(P(pixel)))
            changed();
    });
    connect(m_view, &ChartPictureView::nudgeRequested, this, [this](double dx, double dy) {
        if (m_document.nudgeSelection(dx, dy))
            changed();
    });
    connect(m_view, &ChartPictureView::deleteRequested, this, &FormChart::CommandDelete_Click);
    connect(m_view, &ChartPictureView::deselectRequested, this, [this] {
        m_document.select(ChartSelection::none());
        refresh();
    });
    connect(m_view, &ChartPictureView::cursorMoved, this, &FormChart::showCursor);
    // Answered once the drop has ended: a message inside it would keep the dragging program waiting.
    connect(m_view, &ChartPictureView::fileDropped, this, [this](const QString& path) {
        QTimer::singleShot(0, this, [this, path] { openPicture(path); });
    });
}

void FormChart::presetScales(int scaleMode) {
    const bool untouched =
        m_document.points().empty() &&
        std::none_of(std::begin(chart::kReferences), std::end(chart::kReferences),
                     [this](Reference r) { return m_document.reference(r).pixel.has_value(); });
    if (!untouched || scaleMode < 1 || scaleMode > 4)
        return;
    m_document.setScale(ChartAxis::X, scaleMode >= 3 ? AxisScale::Log : AxisScale::Linear);
    m_document.setScale(ChartAxis::Y, scaleMode % 2 == 0 ? AxisScale::Log : AxisScale::Linear);
    m_document.clearHistory();
    refresh();
}

int FormChart::scaleMode() const {
    return 1 + (m_document.scale(ChartAxis::Y) == AxisScale::Log ? 1 : 0) +
           (m_document.scale(ChartAxis::X) == AxisScale::Log ? 2 : 0);
}

bool FormChart::openPicture(const QString& path, int pdfPage) {
    ChartPictureRead read = ReadChartPicture(path, pdfPage);
    if (!read.ok()) {
        ShowMessage(this, ChartPictureMessage(read, path));
        return false;
    }
    if (!mayReplacePicture())
        return false;
    writeSideFileNow(); // the picture shown so far keeps what was done on it
    m_view->setImage(read.image);
    m_loupe->setPicture(m_view->image());
    startOver(path, pdfPage, read.pdfPageCount);
    offerSideFile();
    refresh();
    showCursor(m_view->keyboardCursor());
    return true;
}

bool FormChart::mayReplacePicture() {
    if (!m_path.isEmpty() || !m_document.canUndo())
        return true;
    return AskYesNo(this, ChartPastedWorkQuestion(), false);
}

void FormChart::takePicture(const QImage& image) {
    if (!mayReplacePicture())
        return;
    writeSideFileNow();
    m_view->setImage(image);
    m_loupe->setPicture(m_view->image());
    startOver(QString(), 0, 0);
    refresh();
    showCursor(m_view->keyboardCursor());
}

void FormChart::startOver(const QString& path, int page, int pageCount) {
    const AxisScale x = m_document.scale(ChartAxis::X), y = m_document.scale(ChartAxis::Y);
    m_document = chart::ChartDocument();
    // A new picture keeps the axis scales chosen last: charts read one after another are alike.
    m_document.setScale(ChartAxis::X, x);
    m_document.setScale(ChartAxis::Y, y);
    m_document.clearHistory();
    m_path = path;
    m_page = page;
    m_sideFileDue = false;
    for (QLineEdit* box : m_referenceBoxes)
        box->setModified(false);
    const QSignalBlocker blocker(m_page1);
    m_page1->clear();
    for (int i = 1; i <= std::max(1, pageCount); ++i)
        m_page1->addItem(QString::number(i));
    m_page1->setCurrentIndex(page < m_page1->count() ? page : 0);
    m_page1->setEnabled(pageCount > 1);
}

QString FormChart::sideFilePath() const {
    if (m_path.isEmpty())
        return {};
    // Each page of a PDF is a chart of its own.
    const QString picture = m_page > 0 ? m_path + QStringLiteral("-p%1").arg(m_page + 1) : m_path;
    return QFile::decodeName(chart::SideFilePath(QFile::encodeName(picture).toStdString()).c_str());
}

void FormChart::offerSideFile() {
    QFile file(sideFilePath());
    if (m_path.isEmpty() || !file.exists() || !AskYesNo(this, ChartSideFileQuestion(), true))
        return;
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.read(qint64(chart::kMaxSideFileBytes) + 1);
    const chart::SideFileRead read =
        chart::ParseChart(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    if (!read.document) {
        ShowMessage(this, ChartSideFileRefusedMessage(read.refusal.value_or(chart::SideFileRefusal{})));
        return;
    }
    m_document = *read.document;
    m_document.clearHistory();
}

void FormChart::changed() {
    if (!m_path.isEmpty()) {
        m_sideFileDue = true;
        m_sideFileTimer->start();
    }
    refresh();
}

void FormChart::writeSideFileNow() {
    if (!m_sideFileDue || m_path.isEmpty())
        return;
    m_sideFileDue = false;
    const std::string path = QFile::encodeName(sideFilePath()).toStdString();
    const exchange::FileWrite written = exchange::SaveFileDurably(path, chart::SerializeChart(m_document));
    if (written.ok() || m_sideFileWarned)
        return;
    // Said once: the work goes on, every change would say it again.
    m_sideFileWarned = true;
    ShowMessage(this, ChartSideFileNotWrittenMessage(*written.failure(path)));
}

void FormChart::refresh() {
    m_refreshing = true;
    const auto made = m_document.calibration();
    const chart::Calibration* calibration = CalibrationOf(made);
    const ChartSelection selected = m_document.selection();

    std::vector<ChartMark> marks;
    for (Reference reference : chart::kReferences) {
        const int i = int(reference);
        const auto& state = m_document.reference(reference);
        if (state.pixel)
            marks.push_back({Q(*state.pixel), QString::fromLatin1(kReferenceNames[i]), true,
                             selected == ChartSelection::reference(reference)});
        m_referenceAt[std::size_t(i)]->setText(state.pixel ? Q(chart::PixelText(*state.pixel))
                                                           : tr("（未配置）"));
        QLineEdit* box = m_referenceBoxes[std::size_t(i)];
        if (!box->isModified()) {
            const QString text = state.value ? Q(GeneralText(*state.value)) : QString();
            if (box->text() != text)
                box->setText(text);
        }
    }
    const std::vector<chart::ChartPointRow> rows = chart::PointRows(m_document);
    m_points->clear();
    for (const chart::ChartPointRow& row : rows) {
        marks.push_back({Q(row.pixel), QString::number(row.number), false,
                         selected == ChartSelection::point(row.number - 1)});
        const QString text = calibration ? tr("%1   X = %2   Y = %3   %4 / %5")
                                               .arg(row.number)
                                               .arg(Q(row.x), Q(row.y), Q(row.xSpread), Q(row.ySpread))
                                         : tr("%1   画素 %2").arg(row.number).arg(Q(row.pixelText));
        auto* item = new QListWidgetItem(text, m_points);
        item->setData(Qt::AccessibleTextRole, text);
    }
    if (selected.kind == ChartSelection::Kind::Point)
        m_points->setCurrentRow(selected.index);
    m_view->setMarks(std::move(marks));

    std::vector<ChartGridLine> grid;
    if (calibration && m_view->hasImage())
        for (const chart::GridLine& line :
             chart::GridLines(*calibration, m_view->image().width(), m_view->image().height()))
            grid.push_back({QLineF(Q(line.from), Q(line.to)), line.major ? GridLabel(line.value) : QString(),
                            line.major});
    m_view->setGrid(std::move(grid));

    {
        const QSignalBlocker x(m_scaleX), y(m_scaleY);
        m_scaleX->setCurrentIndex(m_document.scale(ChartAxis::X) == AxisScale::Log ? 1 : 0);
        m_scaleY->setCurrentIndex(m_document.scale(ChartAxis::Y) == AxisScale::Log ? 1 : 0);
    }

    const chart::NextPlacement next = m_document.nextPlacement();
    QString ask;
    if (!m_view->hasImage())
        ask = tr("グラフの画像を開くか、貼り付けて下さい（Ctrl+V）");
    else if (next.kind == chart::NextPlacement::Kind::Reference)
        ask = tr("基準点 %1 の位置をクリックして下さい（矢印キーで合わせて Enter でも置けます）")
                  .arg(QString::fromLatin1(kReferenceNames[int(next.reference)]));
    else if (const auto* refusal = std::get_if<chart::CalibrationRefusal>(&made))
        ask = Q(ChartCalibrationText(*refusal));
    else if (next.kind == chart::NextPlacement::Kind::Point)
        ask = tr("点をクリックするか、矢印キーでカーソルを合わせて Enter で置いて下さい。選んだ点は矢印キーで"
                 "動きます（Shift で 1/10 画素、Esc で選択を外す）");
    else
        ask = tr("点は 10 個までです");
    m_ask->setText(ask);

    const bool hasSelection = selected.kind != ChartSelection::Kind::None;
    m_undo->setEnabled(m_document.canUndo());
    m_redo->setEnabled(m_document.canRedo());
    m_snap->setEnabled(hasSelection && m_view->hasImage());
    m_delete->setEnabled(selected.kind == ChartSelection::Kind::Point);
    m_save->setEnabled(!m_document.points().empty());
    m_calculate->setEnabled(!m_document.points().empty());
    if (const std::optional<PixelPoint> at = m_document.selectedPixel())
        m_loupe->setCentre(Q(*at));
    m_refreshing = false;
}

void FormChart::showCursor(QPointF pixel) {
    if (!m_view->hasImage())
        return;
    const auto made = m_document.calibration();
    QString text = tr("画素 %1").arg(Q(chart::PixelText(P(pixel))));
    if (const chart::Calibration* calibration = CalibrationOf(made)) {
        const chart::DataPoint data = calibration->toData(P(pixel));
        text += tr("\nX = %1\nY = %2")
                    .arg(Q(ReadoutText(data.x, calibration->scale(ChartAxis::X) == AxisScale::Log)),
                         Q(ReadoutText(data.y, calibration->scale(ChartAxis::Y) == AxisScale::Log)));
    }
    m_cursor->setText(text);
    m_view->setAccessibleName(
        tr("カーソル %1").arg(QString(text).replace(QLatin1Char('\n'), QStringLiteral("  "))));
    if (!m_document.selectedPixel())
        m_loupe->setCentre(pixel);
}

void FormChart::ReferenceBox_Finished(Reference reference) {
    QLineEdit* box = m_referenceBoxes[std::size_t(reference)];
    if (!box->isModified())
        return;
    box->setModified(false);
    const QString text = box->text();
    bool done = false;
    if (text.trimmed().isEmpty()) {
        done = m_document.clearReferenceValue(reference);
    } else {
        const TypedValue typed = ReadTypedValue(text.toStdString());
        if (typed.fault != TypedFault::None) {
            ShowMessage(
                this, ChartReferenceValueMessage(QString::fromLatin1(kReferenceNames[int(reference)]), text));
            refresh(); // the box shows the value in use again, ready to be typed over
            box->selectAll();
            return;
        }
        done = m_document.setReferenceValue(reference, typed.value);
    }
    done ? changed() : refresh();
}

void FormChart::ScaleChoice_Changed(ChartAxis axis, int index) {
    if (m_refreshing)
        return;
    if (m_document.setScale(axis, index == 1 ? AxisScale::Log : AxisScale::Linear))
        changed();
}

void FormChart::PageChoice_Changed(int index) {
    if (index != m_page && !m_path.isEmpty() && !openPicture(m_path, index)) {
        const QSignalBlocker blocker(m_page1);
        m_page1->setCurrentIndex(m_page);
    }
}

void FormChart::CommandOpen_Click() {
    const QString folder = m_path.isEmpty() ? QString() : QFileInfo(m_path).absolutePath();
    const QString path = QFileDialog::getOpenFileName(
        this, tr("グラフの画像を開く"), folder,
        tr("グラフの画像 (*.png *.jpg *.jpeg *.bmp *.gif *.svg *.svgz *.pdf);;すべてのファイル (*)"));
    if (!path.isEmpty())
        openPicture(path);
}

void FormChart::CommandPaste_Click() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (data && data->hasImage()) {
        const QImage image = qvariant_cast<QImage>(data->imageData());
        if (!image.isNull()) {
            takePicture(image);
            return;
        }
    }
    if (data && data->hasUrls() && !data->urls().isEmpty() && data->urls().front().isLocalFile()) {
        openPicture(data->urls().front().toLocalFile());
        return;
    }
    ShowMessage(this, ChartNoPictureInClipboardMessage());
}

void FormChart::CommandFit_Click() {
    m_view->fitToWindow();
}

void FormChart::CommandZoomIn_Click() {
    m_view->zoomIn();
}

void FormChart::CommandZoomOut_Click() {
    m_view->zoomOut();
}

void FormChart::CommandUndo_Click() {
    if (m_document.undo())
        changed();
}

void FormChart::CommandRedo_Click() {
    if (m_document.redo())
        changed();
}

void FormChart::CommandSnap_Click() {
    const std::optional<PixelPoint> at = m_document.selectedPixel();
    if (!at || !m_view->hasImage())
        return;
    const std::optional<PixelPoint> centre = chart::SnapToLine(ViewOf(m_view->image()), *at);
    if (!centre) {
        ShowMessage(this, ChartNoLineMessage());
        return;
    }
    if (m_document.moveSelection(*centre))
        changed();
}

void FormChart::CommandDelete_Click() {
    if (m_document.removeSelection())
        changed();
}

QString FormChart::pointTextOrRefuse() {
    const auto made = m_document.calibration();
    if (const auto* refusal = std::get_if<chart::CalibrationRefusal>(&made)) {
        ShowMessage(this, ChartCalibrationMessage(*refusal));
        return {};
    }
    const std::vector<chart::DataPoint> points = m_document.dataPoints();
    if (points.empty()) {
        ShowMessage(this, ChartNoPointsMessage());
        return {};
    }
    return Q(chart::PointFileText(points));
}

void FormChart::CommandSave_Click() {
    const QString text = pointTextOrRefuse();
    if (text.isEmpty())
        return;
    if (!m_saveDialog)
        m_saveDialog = std::make_unique<FormChartSave>();
    const QString name = m_path.isEmpty() ? QStringLiteral("chart") : QFileInfo(m_path).completeBaseName();
    m_saveDialog->open(name, text.toUtf8());
}

void FormChart::CommandCalculate_Click() {
    const QString text = pointTextOrRefuse();
    if (text.isEmpty())
        return;
    writeSideFileNow();
    emit pointsHandedOver(text, scaleMode());
}

void FormChart::closeEvent(QCloseEvent* event) {
    writeSideFileNow();
    event->accept(); // closing only hides the window; its work stays for the next opening
}

} // namespace mirendo
