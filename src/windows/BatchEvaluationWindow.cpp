#include "windows/BatchEvaluationWindow.h"

#include "core/archive/ArchiveFile.h"
#include "core/archive/BatchSavePath.h"
#include "core/curve/BatchEvaluation.h"
#include "core/curve/CurveSlope.h"
#include "core/exchange/AtomicFile.h"
#include "qt/messages/Messages.h"
#include "widgets/FormLayout.h"
#include "widgets/MessageBox.h"
#include "windows/BatchTableModel.h"
#include "windows/GridDialog.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTextCursor>

#include <string>
#include <string_view>
#include <vector>

namespace mirendo {

namespace {

QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// A caption names its control: the control is read by it, and its mnemonic would lead there.
void NameByCaption(QLabel* caption, QWidget* control) {
    caption->setBuddy(control);
    control->setAccessibleName(caption->text());
}

const QString kXValuesCaption = QStringLiteral("X 値（1 行に 1 つ、または空白・カンマ・タブ区切り）");
const QString kYValuesCaption = QStringLiteral("Y 値（1 行に 1 つ、または空白・カンマ・タブ区切り）");

} // namespace

BatchEvaluationWindow::BatchEvaluationWindow(const Module1& state, QWidget* parent)
    : QWidget(parent, Qt::Window), m_shared(state), m_model(new BatchTableModel(this)) {
    setObjectName(QStringLiteral("FormBatch"));
    setWindowTitle(QStringLiteral("一括計算"));
    setFont(WindowFont());
    // Resizable: the table takes the added room. Never narrower than built, where the summary
    // would need a third line; never so low that the table loses its header.
    resize(TwipSize(6600, 9000));
    setMinimumSize(TwipSize(6600, 5250));
    const FormControls c = BuildForm(this, QStringLiteral(":/forms/FormBatch.tsv"));
    m_direction = c.get<QComboBox>("ChoiceDirection");
    m_valuesCaption = c.get<QLabel>("LabelValues");
    m_values = c.get<QPlainTextEdit>("TextValues");
    m_calculate = c.get<QPushButton>("CommandCalculate");
    m_summary = c.get<QLabel>("LabelSummary");
    m_table = c.get<QTableView>("TableResults");
    m_path = c.get<QLineEdit>("TextPath");
    m_save = c.get<QPushButton>("CommandSave");
    auto* browse = c.get<QPushButton>("CommandBrowse");
    auto* closeButton = c.get<QPushButton>("CommandClose");
    auto* gridButton = c.get<QPushButton>("CommandGrid");
    auto* slopeChoice = c.get<QComboBox>("ChoiceSlopeColumn");
    NameByCaption(c.get<QLabel>("LabelSlopeColumn"), slopeChoice);
    slopeChoice->setAccessibleDescription(tr("表・コピー・CSV に X での曲線の傾きの列を加えます（X → Y）"));
    gridButton->setToolTip(tr("開始値・終了値・増分（または 1 桁あたりの個数）で値を並べて計算します"));
    connect(gridButton, &QPushButton::clicked, this, &BatchEvaluationWindow::openGrid);
    connect(slopeChoice, &QComboBox::currentIndexChanged, this, &BatchEvaluationWindow::chooseSlopeColumn);
    for (QPushButton* button : {m_calculate, browse, m_save, closeButton, gridButton})
        button->setAccessibleName(button->text());

    auto* directionCaption = c.get<QLabel>("LabelDirection");
    NameByCaption(directionCaption, m_direction);
    // The list that drops down is read by its own name.
    m_direction->view()->setAccessibleName(directionCaption->text());
    m_direction->setAccessibleDescription(
        QStringLiteral("X → Y: X ごとの Y。Y → X: Y ごとに、曲線がその Y をとるグラフ範囲内のすべての X"));

    // Tab moves on, as in every other box; a pasted spreadsheet row keeps its tabs.
    m_values->setTabChangesFocus(true);
    m_values->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_values->setAccessibleDescription(
        QStringLiteral("1 行に 1 つ、または空白・カンマ・タブで区切った X 値"));
    NameByCaption(m_valuesCaption, m_values);

    m_calculate->setToolTip(QStringLiteral("計算（Ctrl+Enter）"));
    // The counts of three kinds of row run longer than the window is wide.
    m_summary->setWordWrap(true);

    m_table->setModel(m_model);
    // Every row has the one height of the font and no column is measured against its cells, so
    // showing a hundred thousand rows costs no more than showing a screenful. The height is that
    // of the desktop's font for tables, as the rows have always had it; the window font fits.
    const int rowHeight = QFontMetrics(QApplication::font(m_table)).height() + 6;
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setMinimumSectionSize(rowHeight);
    m_table->verticalHeader()->setDefaultSectionSize(rowHeight);
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_table->setWordWrap(false);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->setTabKeyNavigation(false);
    m_table->setContextMenuPolicy(Qt::ActionsContextMenu);
    NameByCaption(c.get<QLabel>("LabelResults"), m_table);
    m_table->setAccessibleDescription(
        QStringLiteral("X と Y の表。Ctrl+C で選択した行（選択がなければ全行）をタブ区切りでコピー"));
    auto* copy = new QAction(QStringLiteral("コピー"), m_table);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    m_table->addAction(copy);
    m_table->installEventFilter(this);

    NameByCaption(c.get<QLabel>("LabelPath"), m_path);
    m_path->setAccessibleDescription(
        QStringLiteral("CSV ファイルのパス（フォルダを省くと補間データと同じフォルダ）"));

    connect(m_direction, &QComboBox::currentIndexChanged, this, &BatchEvaluationWindow::chooseDirection);
    connect(m_calculate, &QPushButton::clicked, this, &BatchEvaluationWindow::calculate);
    connect(copy, &QAction::triggered, this, &BatchEvaluationWindow::copyTable);
    connect(m_save, &QPushButton::clicked, this, &BatchEvaluationWindow::saveCsv);
    connect(browse, &QPushButton::clicked, this, &BatchEvaluationWindow::browse);
    connect(m_path, &QLineEdit::returnPressed, this, &BatchEvaluationWindow::saveCsv);
    auto* calculateKey = new QAction(this);
    calculateKey->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)});
    calculateKey->setShortcutContext(Qt::WindowShortcut);
    addAction(calculateKey);
    connect(calculateKey, &QAction::triggered, m_calculate, &QPushButton::animateClick);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
    // Escape closes the window as it closes a dialog (closing only hides it).
    auto* escapeKey = new QAction(this);
    escapeKey->setShortcut(QKeySequence(Qt::Key_Escape));
    escapeKey->setShortcutContext(Qt::WindowShortcut);
    addAction(escapeKey);
    connect(escapeKey, &QAction::triggered, this, &QWidget::close);

    setTabOrder(m_direction, gridButton);
    setTabOrder(gridButton, slopeChoice);
    setTabOrder(slopeChoice, m_values);
    setTabOrder(m_values, m_calculate);
    setTabOrder(m_calculate, m_table);
    setTabOrder(m_table, m_path);
    setTabOrder(m_path, browse);
    setTabOrder(browse, m_save);
    setTabOrder(m_save, closeButton);
    setPolynomialAvailable(false);
}

void BatchEvaluationWindow::setPolynomialAvailable(bool available) {
    m_model->setRows({});
    showSummary(false);
    m_calculate->setEnabled(available);
    if (!available)
        return;
    m_curve = m_shared;
    m_model->setSlopeName(QString::fromStdString(slopeName())); // named after the loaded mode
    // The proposal follows the loaded archive until the user types a path of their own.
    if (m_path->text() == m_proposedPath) {
        m_proposedPath = QString::fromStdString(ProposedBatchPath(m_curve.FilePath));
        m_path->setText(m_proposedPath);
    }
}

void BatchEvaluationWindow::setComparison(const ComparisonCurve& curve) {
    m_comparison = curve;
    m_comparisonName = curve.valid() ? ComparisonMethodName(curve.method()) : std::string();
    m_model->setComparisonName(QString::fromStdString(m_comparisonName));
    if (!m_model->rows().empty())
        calculate();
}

void BatchEvaluationWindow::open() {
    show();
    raise();
    activateWindow();
    m_values->setFocus(Qt::OtherFocusReason);
}

void BatchEvaluationWindow::calculate() {
    if (!m_calculate->isEnabled())
        return;
    const std::string text = m_values->toPlainText().toStdString();
    const std::vector<std::string_view> tokens = SplitXValues(text);
    if (m_model->direction() == BatchDirection::YToX) {
        m_model->setRows(EvaluateBatchInverse(m_curve, tokens));
    } else {
        std::vector<BatchRow> rows = EvaluateBatch(m_curve, tokens);
        if (m_comparison.valid())
            AddComparison(rows, m_comparison, m_curve.ScaleMode);
        if (m_slopeColumn)
            AddSlope(rows, m_curve);
        m_model->setRows(std::move(rows));
    }
    showSummary(true);
}

void BatchEvaluationWindow::chooseDirection(int index) {
    const bool inverse = index == 1;
    m_model->setDirection(inverse ? BatchDirection::YToX : BatchDirection::XToY);
    m_valuesCaption->setText(inverse ? kYValuesCaption : kXValuesCaption);
    m_values->setAccessibleName(m_valuesCaption->text());
    m_values->setAccessibleDescription(
        inverse ? QStringLiteral("1 行に 1 つ、または空白・カンマ・タブで区切った Y 値")
                : QStringLiteral("1 行に 1 つ、または空白・カンマ・タブで区切った X 値"));
    m_table->setAccessibleDescription(
        inverse
            ? QStringLiteral("Y と X の表。Ctrl+C で選択した行（選択がなければ全行）をタブ区切りでコピー")
            : QStringLiteral("X と Y の表。Ctrl+C で選択した行（選択がなければ全行）をタブ区切りでコピー"));
    showSummary(false);
}

std::string BatchEvaluationWindow::slopeName() const {
    return m_slopeColumn ? SlopeName(m_curve.ScaleMode) : std::string();
}

void BatchEvaluationWindow::chooseSlopeColumn(int index) {
    m_slopeColumn = index == 1;
    m_model->setSlopeName(QString::fromStdString(slopeName()));
    if (!m_model->rows().empty())
        calculate();
}

void BatchEvaluationWindow::openGrid() {
    if (!m_grid) {
        m_grid = new GridDialog(this);
        connect(m_grid, &GridDialog::gridChosen, this, &BatchEvaluationWindow::takeGrid);
    }
    m_grid->propose(AxesOfScaleMode(m_curve.ScaleMode).x == AxisKind::Logarithmic,
                    QString::fromStdString(m_curve.XStartText).trimmed(),
                    QString::fromStdString(m_curve.XStopText).trimmed());
    m_grid->open();
}

void BatchEvaluationWindow::takeGrid(const QString& lines) {
    // Through the cursor, so that the replaced values stay in the box's undo history.
    QTextCursor cursor = m_values->textCursor();
    cursor.select(QTextCursor::Document);
    cursor.insertText(lines);
    m_values->setTextCursor(cursor);
    calculate();
}

void BatchEvaluationWindow::showSummary(bool calculated) {
    const std::vector<BatchRow>& rows = m_model->rows();
    int notANumber = 0;
    int refused = 0;
    int extrapolated = 0;
    int noCrossing = 0;
    for (const BatchRow& row : rows) {
        notANumber += row.notANumber ? 1 : 0;
        refused += !row.ok && !row.notANumber ? 1 : 0;
        extrapolated += row.extrapolated ? 1 : 0;
        noCrossing += !row.ok && row.y == kBatchNoCrossingText ? 1 : 0;
    }
    const bool inverse = m_model->direction() == BatchDirection::YToX;
    QString text;
    if (calculated && inverse)
        text = rows.empty() ? QStringLiteral("Y 値がありません")
                            : QStringLiteral("%1 行（%2 %3 行、%4 %5 行、求められない Y %6 行、外挿 %7 行）")
                                  .arg(rows.size())
                                  .arg(Q(kBatchNotANumberText))
                                  .arg(notANumber)
                                  .arg(Q(kBatchNoCrossingText))
                                  .arg(noCrossing)
                                  .arg(refused - noCrossing)
                                  .arg(extrapolated);
    else if (calculated)
        text = rows.empty() ? QStringLiteral("X 値がありません")
                            : QStringLiteral("%1 行（%2 %3 行、%4 %5 行、外挿 %6 行）")
                                  .arg(rows.size())
                                  .arg(Q(kBatchNotANumberText))
                                  .arg(notANumber)
                                  .arg(Q(kBatchRefusedText))
                                  .arg(refused)
                                  .arg(extrapolated);
    m_summary->setText(text);
    m_summary->setAccessibleName(text);
    m_save->setEnabled(!rows.empty());
}

QString BatchEvaluationWindow::tableText() const {
    const std::vector<BatchRow>& rows = m_model->rows();
    const QItemSelection selection = m_table->selectionModel()->selection();
    if (selection.isEmpty())
        return QString::fromStdString(
            FormatBatchTsv(rows, m_model->direction(), m_comparisonName, slopeName()));
    // Selection ranges come in the order they were made; the copy keeps the table's order.
    std::vector<char> chosen(rows.size(), 0);
    for (const QItemSelectionRange& range : selection)
        for (int r = range.top(); r <= range.bottom(); ++r)
            chosen[static_cast<std::size_t>(r)] = 1;
    std::vector<BatchRow> picked;
    for (std::size_t r = 0; r < rows.size(); ++r)
        if (chosen[r])
            picked.push_back(rows[r]);
    return QString::fromStdString(
        FormatBatchTsv(picked, m_model->direction(), m_comparisonName, slopeName()));
}

void BatchEvaluationWindow::copyTable() {
    if (m_model->rows().empty()) {
        Beep();
        return;
    }
    QGuiApplication::clipboard()->setText(tableText());
}

// The view's own Ctrl+C copies only the current cell; the table copies whole rows instead.
bool BatchEvaluationWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_table &&
        (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        if (event->type() == QEvent::KeyPress)
            copyTable();
        event->accept();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void BatchEvaluationWindow::saveCsv() {
    const std::vector<BatchRow>& rows = m_model->rows();
    if (rows.empty()) {
        ShowMessage(this, QStringLiteral("  保存する計算結果がありません  "));
        return;
    }
    const BatchSaveTarget named =
        BatchSavePath(m_path->text().toStdString(), m_curve.FilePath, QDir::currentPath().toStdString());
    if (named.refusal == BatchNameRefusal::NoName) {
        ShowMessage(this, QStringLiteral("  ファイル名を入力して下さい！ "));
        return;
    }
    const QString path = QString::fromStdString(named.path);
    const QFileInfo target(path);
    if (named.refusal == BatchNameRefusal::ArchiveName) {
        ShowMessage(this, QStringLiteral("  「%1」は補間データのファイル名（%2 で終わる名前）です  \n"
                                         "  一括計算の結果は別の名前で保存して下さい  ")
                              .arg(target.fileName(), QString::fromLatin1(kArchiveSuffix)));
        return;
    }
    if (target.exists() && !target.isDir() &&
        !AskYesNo(this, QStringLiteral("  %1 は既にあります。置き換えますか？  ").arg(path)))
        return;
    const std::string file = QFile::encodeName(path).toStdString();
    // A saved table starts with a byte order mark: without it common spreadsheets open UTF-8 CSV in
    // their legacy encoding and garble "外挿". (mirendo-eval's standard output has none, for scripts.)
    const std::string bytes = std::string(kUtf8ByteOrderMark) +
                              FormatBatchCsv(rows, m_model->direction(), m_comparisonName, slopeName());
    if (const auto notWritten = exchange::SaveFileDurably(file, bytes).failure(file)) {
        ShowMessage(this, QStringLiteral("  一括計算の結果を保存できませんでした  \n") +
                              WriteFailureMessage(*notWritten));
        return;
    }
    ShowMessage(this, QStringLiteral("  一括計算の結果を保存しました  \n  ") + path + QStringLiteral("  "),
                MessageIcon::None);
}

void BatchEvaluationWindow::browse() {
    const QString chosen = QFileDialog::getSaveFileName(
        this, QStringLiteral("一括計算の結果を保存"), m_path->text(), QStringLiteral("CSV ファイル (*.csv)"));
    if (chosen.isEmpty())
        return;
    m_path->setText(chosen);
    saveCsv();
}

} // namespace mirendo
