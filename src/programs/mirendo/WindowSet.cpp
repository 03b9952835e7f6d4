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
#include "widgets/PendingEvents.h"
#include "windows/BatchEvaluationWindow.h"
#include "windows/Form1.h"
#include "windows/Form10.h"
#include "windows/Form11.h"
#include "windows/Form2.h"
#include "windows/Form4.h"
#include "windows/Form5.h"
#include "windows/Form6.h"
#include "windows/Form9.h"
#include "windows/FormChart.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace mirendo {

namespace {

bool IsArchive(const QString& path) {
    return path.endsWith(QString::fromLatin1(kArchiveSuffix), Qt::CaseInsensitive);
}

// Text the main window's Ctrl+V takes: read, with one to ten points.
bool PointTextOpens(const QString& text) {
    return ReadPointText(text.toUtf8().toStdString()).givesPoints();
}

// Why a file that is neither an archive nor a point file is refused: what kept it from being
// read, or else that Mirendo does not read its type.
exchange::Failure StartFileRefusal(const PointFileRead& read, const std::string& name) {
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

WindowSet::~WindowSet() {
    std::apply([](auto&... window) { (window.reset(), ...); }, m_windows);
}

template <typename W> W* WindowSet::window() const {
    std::unique_ptr<W>& window = std::get<std::unique_ptr<W>>(m_windows);
    if (!window)
        window = build<W>();
    return window.get();
}

template <> std::unique_ptr<Form2> WindowSet::build() const {
    auto start = std::make_unique<Form2>();
    wireStartWindow(start.get());
    return start;
}

template <> std::unique_ptr<Form9> WindowSet::build() const {
    return std::make_unique<Form9>(m_workDir);
}

template <> std::unique_ptr<Form1> WindowSet::build() const {
    auto main = std::make_unique<Form1>(m_state, m_calculation);
    wireMainWindow(main.get());
    return main;
}

template <> std::unique_ptr<Form10> WindowSet::build() const {
    auto input = std::make_unique<Form10>(m_state);
    wireFileInput(input.get());
    return input;
}

template <> std::unique_ptr<Form11> WindowSet::build() const {
    auto entry = std::make_unique<Form11>(m_state);
    wireManualEntry(entry.get());
    return entry;
}

template <> std::unique_ptr<Form5> WindowSet::build() const {
    return std::make_unique<Form5>();
}

template <> std::unique_ptr<Form4> WindowSet::build() const {
    auto save = std::make_unique<Form4>(m_state);
    wireDataSave(save.get());
    return save;
}

template <> std::unique_ptr<FormChart> WindowSet::build() const {
    auto chart = std::make_unique<FormChart>();
    wireChartWindow(chart.get());
    return chart;
}

template <> std::unique_ptr<Form6> WindowSet::build() const {
    auto browser = std::make_unique<Form6>(m_state);
    wireBrowser(browser.get());
    return browser;
}

Form1* WindowSet::form1() const {
    return window<Form1>();
}
Form2* WindowSet::form2() const {
    return window<Form2>();
}
Form4* WindowSet::form4() const {
    return window<Form4>();
}
Form5* WindowSet::form5() const {
    return window<Form5>();
}
Form6* WindowSet::form6() const {
    return window<Form6>();
}
Form9* WindowSet::form9() const {
    return window<Form9>();
}
Form10* WindowSet::form10() const {
    return window<Form10>();
}
Form11* WindowSet::form11() const {
    return window<Form11>();
}
FormChart* WindowSet::formChart() const {
    return window<FormChart>();
}

std::vector<QWidget*> WindowSet::builtWindows() const {
    std::vector<QWidget*> windows;
    std::apply(
        [&windows](const auto&... window) { ((window ? windows.push_back(window.get()) : void()), ...); },
        m_windows);
    return windows;
}

bool WindowSet::isCreated(const QString& objectName) const {
    const std::vector<QWidget*> windows = builtWindows();
    return std::any_of(windows.begin(), windows.end(),
                       [&objectName](const QWidget* window) { return window->objectName() == objectName; });
}

void WindowSet::wireStartWindow(Form2* start) const {
    connect(start, &Form2::newCalculationRequested, this, [this] {
        form1()->ResetMainWindow();
        form1()->show();
        form2()->hide();
        hideHelp();
    });
    connect(start, &Form2::browserRequested, this, [this] {
        form6()->prepare();
        form6()->show();
        form2()->hide();
        hideHelp();
    });
    connect(start, &Form2::helpRequested, this, [this] { form9()->show(); });
    // An engine still running would write its result after the start window removed it; a curve
    // still awaited is not drawn any more. Connected first, so it happens before the end.
    connect(start, &Form2::exitRequested, this, [this] {
        m_calculation->stop();
        // A clean end: nothing typed is left to offer at the next start.
        m_typed.reset();
        QFile::remove(recoveryPath());
    });
    connect(start, &Form2::exitRequested, this, &WindowSet::exitRequested);
}

void WindowSet::wireMainWindow(Form1* main) const {
    // A dialog not built yet has nothing to reset: it is prepared anyway whenever it opens.
    connect(main, &Form1::inputDialogsResetRequested, this, [this] {
        forgetTypedPoints();
        if (Form10* input = built<Form10>())
            input->prepare();
        if (Form11* entry = built<Form11>())
            entry->resetForMainWindowReset();
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
    connect(main, &Form1::chartInputRequested, this, &WindowSet::openChartWindow);
    connect(main, &Form1::settingsEdited, this, &WindowSet::keepSettings);
    connect(main, &Form1::backToStartRequested, this, [this] { form2()->show(); });
    connect(main, &Form1::dataSaveRequested, this, [this](const QString& name) { form4()->openWith(name); });
    connect(main, &Form1::pointFileDropped, this, [this](const QString& path) {
        const PointFileRead read = ReadPointFile(QFile::encodeName(path).toStdString());
        if (!read.givesPoints())
            form10()->readDroppedFile(path, read); // says why; the points shown stay
        else if (mayReplaceTypedPoints(form1()))
            takePointFile(path, read);
    });
    connect(main, &Form1::pointTextPasted, this, [this](const QString& text) {
        if (!PointTextOpens(text) || mayReplaceTypedPoints(form1()))
            form10()->readDroppedText(text, tr("クリップボード"));
    });
    connect(main, &Form1::imageSaveRequested, this, &WindowSet::openImageSave);
}

void WindowSet::wireFileInput(Form10* input) const {
    connect(input, &Form10::readStarted, this, &WindowSet::startPointRead);
    connect(input, &Form10::pointsPublished, this, &WindowSet::publishPoints);
    input->setReplaceCheck([this] { return mayReplaceTypedPoints(form10()); });
    connect(input, &Form10::readFailed, this, [this] { form1()->clearDataTable(); });
    connect(input, &Form10::helpRequested, this, [this] {
        form9()->show();
        form9()->raise();
        form9()->activateWindow();
    });
    connect(input, &Form10::accepted, this, &WindowSet::acceptPoints);
    connect(input, &Form10::chartRequested, this, &WindowSet::openChartWindow);
    connect(input, &Form10::cancelled, this, [this] {
        hideHelp();
        form1()->withdrawPoints();
        form1()->clearDataTable();
        form1()->clearRangeLabels();
        form1()->enableAllScaleOptions();
        form1()->show();
    });
}

void WindowSet::startPointRead() const {
    form1()->withdrawPoints();
    form1()->enableAllScaleOptions();
    form1()->clearDataTable();
}

void WindowSet::publishPoints(const PublishedPoints& points) const {
    forgetTypedPoints(); // a file's points (or the clipboard's) in their place
    form1()->applyPublishedPoints(points);
}

void WindowSet::acceptPoints() const {
    hideHelp(); // the help was asked for this input: it goes when the input ends
    form1()->enableSettingsOk();
    form1()->show();
}

void WindowSet::wireManualEntry(Form11* entry) const {
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

void WindowSet::wireChartWindow(FormChart* chart) const {
    connect(chart, &FormChart::pointsHandedOver, this, &WindowSet::takeChartPoints);
}

void WindowSet::openChartWindow() const {
    FormChart* chart = formChart();
    chart->presetScales(m_state.ScaleMode);
    chart->show();
    chart->raise();
    chart->activateWindow();
}

void WindowSet::takeChartPoints(const QString& pointText, int scaleMode) const {
    if (!mayReplaceTypedPoints(formChart()))
        return;
    // The way of a point file: read, ordered, published and accepted by the file-input dialog,
    // which then goes as after its "OK".
    form10()->prepare();
    if (!form10()->readDroppedText(pointText, tr("グラフ画像")))
        return;
    // The axes' scale mode chosen as a click on its option would (one the points do not allow
    // stays unchosen, as for a point file); the setting boxes keep what they hold.
    form1()->takeSavedSettings(scaleMode, form1()->settingTexts());
    formChart()->hide();
    form1()->show();
    form1()->raise();
    form1()->activateWindow();
}

void WindowSet::wireDataSave(Form4* save) const {
    connect(save, &Form4::archiveSaved, this, &WindowSet::forgetTypedPoints);
    save->setSource([this]() -> std::optional<ArchiveSource> {
        const std::optional<Form1::DrawnCalculation> drawn = form1()->drawnCalculation();
        if (!drawn)
            return std::nullopt;
        return ArchiveSource{drawn->state, drawn->settings};
    });
}

void WindowSet::wireBrowser(Form6* browser) const {
    connect(browser, &Form6::backToStart, this, [this] { form2()->show(); });
    connect(browser, &Form6::imageSaveRequested, this, &WindowSet::openImageSave);
    connect(browser, &Form6::recalculationRequested, this, &WindowSet::recalculate);
}

void WindowSet::recalculate(const SavedPlot& plot, const QString& name) const {
    form1()->ResetMainWindow();
    form10()->prepare();
    hideHelp();
    // The points go the way of a point file; one the reader refuses is told there, and the
    // browser comes back.
    if (!form10()->readDroppedText(QString::fromStdString(SavedPointText(plot)), name)) {
        form6()->show();
        return;
    }
    if (!form1()->takeSavedSettings(plot.scaleMode, plot.settingTexts))
        ShowMessage(form1(),
                    PaddedLines(tr("保存されたスケールモード %1 は、このデータ点では選べません"), kWideMargin)
                        .arg(plot.scaleMode));
    if (Form2* start = built<Form2>())
        start->hide();
    form1()->show();
    form1()->raise();
    form1()->activateWindow();
}

void WindowSet::openImageSave(const QString& proposedName, const GraphPicture& picture) const {
    form5()->open(proposedName, picture);
}

void WindowSet::hideAllBut(const QWidget* shown) const {
    for (QWidget* window : builtWindows())
        if (window != shown && window != built<Form5>())
            window->hide();
    // A curve the hidden main window still awaits would be read over the browser's archive.
    if (shown != built<Form1>())
        m_calculation->cancelResultRequest();
    // The batch window goes with the browser, as by its back button.
    Form6* browser = built<Form6>();
    if (browser && shown != browser && browser->batchWindow())
        browser->batchWindow()->hide();
}

void WindowSet::hideHelp() const {
    if (Form9* help = built<Form9>())
        help->hide();
}

void WindowSet::start(const QString& file) {
    if (offerRecovery()) {
        if (!file.isEmpty())
            openFile(file); // asks before it takes the restored points' place
        return;
    }
    // One refused unexpectedly still leaves the start window afterwards.
    if (file.isEmpty() || !open(file, true))
        form2()->show();
}

bool WindowSet::openFile(const QString& path) {
    return open(path, false);
}

bool WindowSet::open(const QString& path, bool startWindowFirst) {
    const std::string name = QFile::encodeName(path).toStdString();
    // A point file is read once, here; the main window takes the read without the file dialog.
    const std::optional<PointFileRead> points =
        IsArchive(path) ? std::nullopt : std::optional<PointFileRead>(ReadPointFile(name));
    const auto opens = [&] { return points ? points->givesPoints() : ReadArchiveFile(name).ok(); };
    // A file shown in either window puts the typed points away: asked first, when it will be shown.
    if (m_typed && opens() && !mayReplaceTypedPoints(built<Form1>()))
        return false;
    // A file that will be refused is told over the start window, shown first.
    if (startWindowFirst && !opens())
        form2()->show();
    QWidget* shown = nullptr;
    if (!points) {
        form6()->prepare();
        if (form6()->openDroppedArchive(path))
            shown = form6();
    } else if (points->givesPoints()) {
        // It replaces the calculation in the main window, as a new calculation would.
        form1()->ResetMainWindow();
        takePointFile(path, *points);
        shown = form1();
    } else if (!DropTargetShows(DropTarget::PointFile, QFileInfo(path).fileName().toStdString())) {
        // Neither window takes it: said over the start window, for what keeps it from being
        // read or else for its type, instead of as a point file without points.
        ShowMessage(form2(), StartFileMessage(StartFileRefusal(*points, name), path));
        return false;
    } else {
        // The dialog tells why it gives no points; what the main window shows stays.
        form10()->prepare();
        form10()->readDroppedFile(path, *points);
    }
    if (!shown)
        return false;
    hideAllBut(shown);
    shown->show();
    // A file opened into the running program brings its window forward; the program's first
    // window is mapped new, and the window manager gives it the focus as to any program's.
    if (!startWindowFirst) {
        shown->raise();
        shown->activateWindow();
    }
    return true;
}

void WindowSet::takePointFile(const QString& path, const PointFileRead& read) const {
    startPointRead();
    const std::optional<PublishedPoints> published = TakePointFileRead(m_state, path.toStdString(), read);
    if (published->reordered)
        LetPendingPaintsThrough(); // the windows repaint after a long ordering step
    publishPoints(*published);
    acceptPoints();
}

QString WindowSet::recoveryPath() const {
    return QDir(m_workDir).filePath(QString::fromLatin1(kRecoveryFileName));
}

void WindowSet::keepTypedPoints(int count, bool shown) const {
    TypedWork work;
    for (int i = 1; i <= count; ++i)
        work.points.emplace_back(m_state.XData[i], m_state.YData[i]);
    work.scaleMode = std::clamp(m_state.ScaleMode, 1, 4);
    if (const Form1* main = built<Form1>())
        work.settings = main->settingTexts();
    m_typed = work;
    m_typedShown = shown;
    writeRecovery();
}

void WindowSet::keepSettings() const {
    const Form1* main = built<Form1>();
    if (!m_typed || !m_typedShown || !main)
        return;
    const SettingTexts settings = main->settingTexts();
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
