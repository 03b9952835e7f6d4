#pragma once
// Known interpolations for the archive tests: the state a finished calculation leaves behind,
// built here in double precision the way the engine builds it (Lagrange coefficients, 50 samples
// per interval, log space on a logarithmic axis).
#include "core/archive/ArchiveReader.h"
#include "core/archive/ArchiveWriter.h"
#include "core/state/Module1.h"

#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace mirendo::testing {

struct Calculation {
    int mode = 1;
    std::vector<std::pair<double, double>> points; // data units, ascending X
    SettingTexts settings;
};

inline Module1 StateAfterCalculation(const Calculation& calc) {
    Module1 s;
    s.Ln10 = Module1::kLn10;
    s.ScaleMode = calc.mode;
    const AxisKinds axes = AxesOfScaleMode(calc.mode);
    const int n = static_cast<int>(calc.points.size());
    s.PointCount = n;
    for (int i = 1; i <= n; ++i) {
        const auto [x, y] = calc.points[static_cast<std::size_t>(i - 1)];
        s.XData[i] = x;
        s.YData[i] = y;
        s.ResultX[i] = axes.x == AxisKind::Logarithmic ? std::log(x) : x;
        s.ResultY[i] = axes.y == AxisKind::Logarithmic ? std::log(y) : y;
    }
    for (int i = 1; i <= n; ++i) {
        double denominator = 1;
        for (int k = 1; k <= n; ++k)
            if (k != i)
                denominator *= s.ResultX[i] - s.ResultX[k];
        s.Coef[i] = s.ResultY[i] / denominator;
    }
    const auto p = [&](double t) {
        double y = 0;
        for (int i = 1; i <= n; ++i) {
            double prod = 1;
            for (int k = 1; k <= n; ++k)
                if (k != i)
                    prod *= t - s.ResultX[k];
            y += s.Coef[i] * prod;
        }
        return y;
    };
    s.SampleCount = n > 1 ? 50 * (n - 1) : 0;
    int j = 0;
    for (int i = 1; i < n; ++i)
        for (int step = 0; step < 50; ++step) {
            const double t = s.ResultX[i] + (s.ResultX[i + 1] - s.ResultX[i]) * step / 50.0;
            ++j;
            s.CurveX[j] = t;
            s.CurveY[j] = p(t);
        }
    return s;
}

// One calculation per scale mode, with settings as the main window leaves them after confirming.
inline std::vector<Calculation> CalculationsOfEveryMode() {
    return {
        {1, {{0, 1}, {2, 5}, {3, 2}, {5, -4}}, {"0", "6", "1", "-5", "10", "5"}},
        {2, {{1, 0.5}, {2, 20}, {4, 3}}, {"0", "5", "1", "1.0E-01", "1.0E+02", "10"}},
        {3, {{0.5, 2}, {10, 7}, {100, 1}}, {"1.0E-01", "1.0E+03", "10", "0", "10", ""}},
        {4,
         {{0.02, 0.3}, {1, 40}, {30, 2}, {500, 0.05}},
         {"1.0E-02", "1.0E+03", "10", "1.0E-02", "1.0E+02", "10"}},
    };
}

} // namespace mirendo::testing
