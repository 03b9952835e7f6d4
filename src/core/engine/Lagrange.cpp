#include "core/engine/Lagrange.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

namespace mirendo::engine {

namespace {

constexpr int kSamplesPerInterval = 50;

// One product step: the difference is not rounded on its own, the stored product is.
inline float ProductStep(float a, float b, float product) {
    return static_cast<float>((static_cast<double>(a) - static_cast<double>(b)) *
                              static_cast<double>(product));
}

inline float SumStep(float c, float product, float sum) {
    return static_cast<float>(static_cast<double>(c) * static_cast<double>(product) +
                              static_cast<double>(sum));
}

// Operands are always finite (a fault stops the run at once), so an infinite stored result can
// only come from overflow and a NaN only from 0/0.
inline FloatFault Classify(float stored) {
    if (std::isnan(stored))
        return FloatFault::Invalid;
    if (std::isinf(stored))
        return FloatFault::Overflow;
    return FloatFault::None;
}

Interpolation Fault(FloatFault fault, std::string where) {
    return {fault, std::move(where)};
}

// Fast evaluation of a block of samples; the arithmetic of each sample is exactly that of
// EvaluateOneChecked, only the order in which independent samples are worked on differs:
// - the sample index is innermost over a fixed block, so the compiler keeps many independent
//   products in flight and vectorises;
// - the product for term k runs over l = 0..k-1 and then l = k+1..n-1. Its first part is the same
//   sequence of roundings for every k, so those prefixes are computed once and shared.
// Returns false when any value of the block is not finite; the caller then replays the block
// step by step to name the first fault, in evaluation order.
constexpr int kBlock = 32;

bool EvaluateBlock(const float* t, int count, const float* x, const float* c, int n, float* p) {
    double td[kBlock];
    for (int s = 0; s < kBlock; ++s) // lanes past `count` repeat a real sample and are discarded
        td[s] = static_cast<double>(t[s < count ? s : 0]);
    // prefix[j][s]: the stored product over l = 0..j-1 (prefix[0] is 1).
    float prefix[10][kBlock];
    for (int s = 0; s < kBlock; ++s)
        prefix[0][s] = 1.0f;
    for (int j = 1; j < n; ++j) {
        const double xl = static_cast<double>(x[j - 1]);
        for (int s = 0; s < kBlock; ++s)
            prefix[j][s] = static_cast<float>((td[s] - xl) * static_cast<double>(prefix[j - 1][s]));
    }
    float sum[kBlock];
    for (int s = 0; s < kBlock; ++s)
        sum[s] = 0.0f;
    for (int k = 0; k < n; ++k) {
        float product[kBlock];
        for (int s = 0; s < kBlock; ++s)
            product[s] = prefix[k][s];
        for (int l = k + 1; l < n; ++l) {
            const double xl = static_cast<double>(x[l]);
            for (int s = 0; s < kBlock; ++s)
                product[s] = static_cast<float>((td[s] - xl) * static_cast<double>(product[s]));
        }
        const double ck = static_cast<double>(c[k]);
        for (int s = 0; s < kBlock; ++s)
            sum[s] = static_cast<float>(ck * static_cast<double>(product[s]) + static_cast<double>(sum[s]));
    }
    bool finite = true;
    for (int s = 0; s < count; ++s) {
        p[s] = sum[s];
        finite &= std::isfinite(sum[s]);
    }
    return finite;
}

FloatFault EvaluateOneChecked(float t, const float* x, const float* c, int n, float& p, std::string& where) {
    float sum = 0.0f;
    for (int k = 0; k < n; ++k) {
        float product = 1.0f;
        for (int l = 0; l < n; ++l) {
            if (l == k)
                continue;
            product = ProductStep(t, x[l], product);
            if (const FloatFault f = Classify(product); f != FloatFault::None) {
                where = "product " + std::to_string(k + 1);
                return f;
            }
        }
        sum = SumStep(c[k], product, sum);
        if (const FloatFault f = Classify(sum); f != FloatFault::None) {
            where = "sum term " + std::to_string(k + 1);
            return f;
        }
    }
    p = sum;
    return FloatFault::None;
}

} // namespace

const char* FaultName(FloatFault fault) {
    switch (fault) {
    case FloatFault::DivideByZero:
        return "divide by zero";
    case FloatFault::Invalid:
        return "invalid";
    case FloatFault::Overflow:
        return "overflow";
    case FloatFault::None:
        break;
    }
    return "";
}

Interpolation Interpolate(const exchange::EngineRequest& request, exchange::EngineResult& result) {
    const int n = request.n;
    result.mode = request.mode;
    result.xstart = request.xstart;
    result.xstop = request.xstop;
    result.n = n;
    result.x = request.x;
    result.y = request.y;
    const std::array<float, 10> xs = request.x; // the sample grid is built from this copy
    const float* x = result.x.data();
    const float* y = result.y.data();

    for (int i = 0; i < n; ++i) {
        float product = 1.0f;
        for (int j = 0; j < n; ++j) {
            if (j == i)
                continue;
            product = ProductStep(x[i], x[j], product);
            if (const FloatFault f = Classify(product); f != FloatFault::None)
                return Fault(f, "coefficient " + std::to_string(i + 1));
        }
        if (product == 0.0f)
            return Fault(y[i] == 0.0f ? FloatFault::Invalid : FloatFault::DivideByZero,
                         "coefficient " + std::to_string(i + 1));
        const float ci = static_cast<float>(static_cast<double>(y[i]) / static_cast<double>(product));
        if (const FloatFault f = Classify(ci); f != FloatFault::None)
            return Fault(f, "coefficient " + std::to_string(i + 1));
        result.c[static_cast<size_t>(i)] = ci;
    }

    int m = 0;
    for (int r = 0; r + 1 < n; ++r) {
        const float h = static_cast<float>((static_cast<double>(xs[static_cast<size_t>(r) + 1]) -
                                            static_cast<double>(xs[static_cast<size_t>(r)])) /
                                           50.0);
        if (const FloatFault f = Classify(h); f != FloatFault::None)
            return Fault(f, "step of interval " + std::to_string(r + 1));
        for (int w = 1; w <= kSamplesPerInterval; ++w) {
            const float t = static_cast<float>(static_cast<double>(w - 1) * static_cast<double>(h) +
                                               static_cast<double>(xs[static_cast<size_t>(r)]));
            if (const FloatFault f = Classify(t); f != FloatFault::None)
                return Fault(f, "sample abscissa " + std::to_string(m + 1));
            result.t[static_cast<size_t>(m++)] = t;
        }
    }
    result.m = m;

    const float* c = result.c.data();
    for (int start = 0; start < m; start += kBlock) {
        const int count = std::min(kBlock, m - start);
        float* p = result.p.data() + start;
        if (EvaluateBlock(result.t.data() + start, count, x, c, n, p))
            continue;
        for (int s = start; s < start + count; ++s) {
            std::string where;
            const FloatFault f = EvaluateOneChecked(result.t[static_cast<size_t>(s)], x, c, n,
                                                    result.p[static_cast<size_t>(s)], where);
            if (f != FloatFault::None)
                return Fault(f, "sample " + std::to_string(s + 1) + ", " + where);
        }
    }
    return {};
}

} // namespace mirendo::engine
