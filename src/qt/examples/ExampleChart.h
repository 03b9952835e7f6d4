#pragma once
// The chart picture of the examples folder, for trying the chart window at once: a datasheet's
// typical impedance curve of a capacitor on log-log axes (100 Hz .. 10 MHz, 0.01 .. 1000 Ω) with a
// decade grid and its minor lines, drawn by the project itself. With it goes its side file: the
// four reference points on the axes' corner ticks, so opening the picture offers a calibration.
#include "core/chart/ChartDocument.h"

#include <QImage>

namespace mirendo {

inline constexpr const char* kExampleChartName = "ex_chart_loglog.png";

// The curve the picture shows: |Z| in ohms at `hertz`.
double ExampleChartImpedance(double hertz);

QImage ExampleChartPicture();

// The reference points of the picture's axes with their values, log-log, no points placed.
chart::ChartDocument ExampleChartDocument();

} // namespace mirendo
