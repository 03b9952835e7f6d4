// Batch evaluation of 100 000 pasted X values on ten points: splitting and evaluating, then the
// rows into the table model, then also into a shown QTableView with uniform row heights. And the
// inverse question on the same polynomial: every X of one Y as the browser's Y row finds them, and
// 10 000 Y through the batch window's Y → X.
#include "core/curve/BatchEvaluation.h"
#include "core/curve/CrossingsAtY.h"
#include "core/curve/EvaluateAtX.h"
#include "core/text/NumberText.h"
#include "windows/BatchEvaluationWindow.h"
#include "windows/BatchTableModel.h"

#include <QApplication>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <benchmark/benchmark.h>

#include <algorithm>
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
    s.XStart = 0;
    s.XStop = 9;
    return s;
}

// `count` levels spread over the values the polynomial takes on the graph, so that most have
// several crossings.
std::string Levels(const Module1& s, int count) {
    double lo = SavedPolynomial(s, s.XStart), hi = lo;
    for (int i = 1; i <= 1000; ++i) {
        const double p = SavedPolynomial(s, s.XStart + (s.XStop - s.XStart) * i / 1000);
        lo = std::min(lo, p);
        hi = std::max(hi, p);
    }
    std::string text;
    for (int i = 0; i < count; ++i)
        text += GeneralText(lo + (hi - lo) * (i + 0.5) / count) + "\r\n";
    return text;
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

// The browser's Y row: the polynomial sampled afresh, then every X of one Y.
void BM_CrossingsOfOneY(benchmark::State& state) {
    const Module1 s = TenPoints();
    const std::string y = Levels(s, 1);
    std::size_t found = 0;
    for (auto _ : state) {
        const CrossingSearch search = CrossingsAtY(s, y);
        found = search.crossings.size();
        benchmark::DoNotOptimize(search.crossings.data());
    }
    state.counters["crossings"] = double(found);
}
BENCHMARK(BM_CrossingsOfOneY)->Unit(benchmark::kMicrosecond);

// The batch window's Y → X on 10 000 pasted Y values.
void BM_InverseBatch(benchmark::State& state) {
    const Module1 s = TenPoints();
    const std::string text = Levels(s, 10000);
    std::size_t rows = 0;
    for (auto _ : state) {
        const std::vector<BatchRow> result = EvaluateBatchInverse(s, SplitXValues(text));
        rows = result.size();
        benchmark::DoNotOptimize(result.data());
    }
    state.counters["rows"] = double(rows);
}
BENCHMARK(BM_InverseBatch)->Unit(benchmark::kMillisecond);

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
