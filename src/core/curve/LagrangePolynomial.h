#pragma once
// The interpolation polynomial through up to ten points, in double precision: what the trust
// figures measure the engine's single-precision curve against and what the example graphs draw.
// (The browser's evaluation at X keeps the saved file's own Lagrange coefficients: it evaluates
// the polynomial that file holds, rounded as it was saved.)
#include "core/state/Module1.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <span>

namespace mirendo {

// The interpolation polynomial in the second (true) barycentric form, which stays accurate where
// the engine's product form loses digits (abscissae far from zero and close together).
class LagrangePolynomial {
  public:
    // False when no polynomial exists (two equal abscissae) or its weights cannot be represented.
    bool init(std::span<const double> x, std::span<const double> y) {
        m_x = x;
        m_y = y;
        const auto [lo, hi] = std::minmax_element(x.begin(), x.end());
        // A common factor of all weights cancels; scaling the differences by the span keeps the
        // products of up to nine of them far from overflow and underflow.
        const double scale = 4 / (*hi - *lo);
        if (!std::isfinite(scale))
            return false;
        for (std::size_t i = 0; i < x.size(); ++i) {
            double product = 1;
            for (std::size_t j = 0; j < x.size(); ++j) {
                if (j != i)
                    product *= (x[i] - x[j]) * scale;
            }
            m_w[i] = 1 / product;
            if (product == 0 || !std::isfinite(m_w[i]) || m_w[i] == 0)
                return false;
        }
        return true;
    }

    double operator()(double t) const {
        double numerator = 0;
        double denominator = 0;
        for (std::size_t i = 0; i < m_x.size(); ++i) {
            if (t == m_x[i])
                return m_y[i];
            const double q = m_w[i] / (t - m_x[i]);
            numerator += q * m_y[i];
            denominator += q;
        }
        return numerator / denominator;
    }

  private:
    std::span<const double> m_x;
    std::span<const double> m_y;
    std::array<double, Module1::kMaxPoints> m_w{};
};

} // namespace mirendo
