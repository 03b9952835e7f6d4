// Batch evaluation of 100 000 pasted X values on ten points: splitting and evaluating, then the
// rows into the table model, then also into a shown QTableView with uniform row heights.
#include "archive/BatchEvaluation.h"
#include "archive/BatchEvaluationWindow.h"
#include "archive/BatchTableModel.h"
#include "state/NumberText.h"

#include <QApplication>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <benchmark/benchmark.h>

#include <cmath>
#include <string>

namespace {

using namespace mirendo;

constexpr int kValues = 100000;

Module1 TenPoints() {
    Module1 s;
    s.ScaleMode = 1;
    s.PointCount = 10;
    for (int i = 1; i <= 10; ++i) {
        s.ResultX[i] = 0.75 * i + 0.01 * i * i;
        s.Coef[i] = std::pow(-1.0, i) * 1e-3 * i;
    }
    return s;
}

// A spreadsheet column: one value per line, CR LF, a few outside the points.
std::string PastedColumn() {
    std::string text;
    for (int i = 0; i < kValues; ++i)
        text += GeneralText(-1 + 12.0 * i / kValues) + "\r\n";
    return text;
}

void BM_SplitAndEvaluate(benchmark::State& state) {
    const Module1 s = TenPoints();
    const std::string text = PastedColumn();
    for (auto _ : state) {
        const std::vector<BatchRow> rows = EvaluateBatch(s, SplitXValues(text));
        benchmark::DoNotOptimize(rows.data());
    }
}
BENCHMARK(BM_SplitAndEvaluate)->Unit(benchmark::kMillisecond);

void BM_IntoModel(benchmark::State& state) {
    const Module1 s = TenPoints();
    const std::string text = PastedColumn();
    BatchTableModel model;
    for (auto _ : state)
        model.setRows(EvaluateBatch(s, SplitXValues(text)));
}
BENCHMARK(BM_IntoModel)->Unit(benchmark::kMillisecond);

// The view as the window will use it: fixed row height, no measuring of rows, then one paint.
void BM_IntoShownView(benchmark::State& state) {
    const Module1 s = TenPoints();
    const std::string text = PastedColumn();
    BatchTableModel model;
    QTableView view;
    view.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view.horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    view.setModel(&model);
    view.resize(400, 600);
    view.show();
    QApplication::processEvents();
    for (auto _ : state) {
        model.setRows(EvaluateBatch(s, SplitXValues(text)));
        view.viewport()->repaint();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_IntoShownView)->Unit(benchmark::kMillisecond);

// Through the batch window as the user drives it: the column pasted into the X box (the paste
// itself is measured apart), then "計算" until the table has painted its first screen.
void BM_WindowPaste(benchmark::State& state) {
    const Module1 s = TenPoints();
    const QString text = QString::fromStdString(PastedColumn());
    BatchEvaluationWindow window(s);
    window.setPolynomialAvailable(true);
    window.show();
    auto* box = window.findChild<QPlainTextEdit*>(QStringLiteral("TextValues"));
    for (auto _ : state) {
        box->setPlainText(text);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_WindowPaste)->Unit(benchmark::kMillisecond);

void BM_WindowCalculate(benchmark::State& state) {
    const Module1 s = TenPoints();
    BatchEvaluationWindow window(s);
    window.setPolynomialAvailable(true);
    window.show();
    window.findChild<QPlainTextEdit*>(QStringLiteral("TextValues"))
        ->setPlainText(QString::fromStdString(PastedColumn()));
    auto* calculate = window.findChild<QPushButton*>(QStringLiteral("CommandCalculate"));
    QApplication::processEvents();
    for (auto _ : state) {
        calculate->click();
        window.repaint();
        QApplication::processEvents();
    }
    state.counters["rows"] = double(window.model()->rowCount());
}
BENCHMARK(BM_WindowCalculate)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
