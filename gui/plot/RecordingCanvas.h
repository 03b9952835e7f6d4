#pragma once
// A GraphCanvas that draws nothing and remembers every call: for tests of anything that plots,
// and as the display list of a graph area, replayed onto another canvas (an SVG file).
#include "plot/GraphCanvas.h"

#include <vector>

namespace mirendo {

class RecordingCanvas : public GraphCanvas {
  public:
    enum class Kind { Scale, Clear, LineWidth, Line, LineTo, Frame, Dot };

    struct Call {
        Kind kind;
        // Scale: left, top, width, height. Line, Frame: x1, y1, x2, y2. LineTo, Dot: x, y in a, b.
        // LineWidth: the width in `width`.
        float a = 0, b = 0, c = 0, d = 0;
        Rgb colour{};
        int width = 1; // line width in force when the call was made
    };

    explicit RecordingCanvas(int pixelWidth = 609, int pixelHeight = 545)
        : m_pixelWidth(pixelWidth), m_pixelHeight(pixelHeight) {}

    void setScale(float left, float top, float width, float height) override {
        m_scale = {Kind::Scale, left, top, width, height, {}, m_width};
        m_hasScale = true;
        m_calls.push_back({Kind::Scale, left, top, width, height, {}, m_width});
    }
    void clear() override { m_calls.push_back({Kind::Clear, 0, 0, 0, 0, {}, m_width}); }
    void setLineWidth(int pixels) override {
        m_width = pixels;
        m_calls.push_back({Kind::LineWidth, 0, 0, 0, 0, {}, pixels});
    }
    void line(float x1, float y1, float x2, float y2, Rgb colour) override {
        m_calls.push_back({Kind::Line, x1, y1, x2, y2, colour, m_width});
    }
    void lineTo(float x, float y, Rgb colour) override {
        m_calls.push_back({Kind::LineTo, x, y, 0, 0, colour, m_width});
    }
    void frameRect(float x1, float y1, float x2, float y2) override {
        m_calls.push_back({Kind::Frame, x1, y1, x2, y2, {}, m_width});
    }
    void dot(float x, float y, Rgb colour) override {
        m_calls.push_back({Kind::Dot, x, y, 0, 0, colour, m_width});
    }
    int pixelWidth() const override { return m_pixelWidth; }
    int pixelHeight() const override { return m_pixelHeight; }

    const std::vector<Call>& calls() const { return m_calls; }
    std::vector<Call> callsOf(Kind kind) const {
        std::vector<Call> out;
        for (const Call& call : m_calls)
            if (call.kind == kind)
                out.push_back(call);
        return out;
    }
    // Grid lines: vertical ones have x1 == x2, horizontal ones y1 == y2.
    std::vector<float> verticalLinesAt(Rgb colour) const {
        std::vector<float> out;
        for (const Call& call : m_calls)
            if (call.kind == Kind::Line && call.colour == colour && call.a == call.c && call.b != call.d)
                out.push_back(call.a);
        return out;
    }
    std::vector<float> horizontalLinesAt(Rgb colour) const {
        std::vector<float> out;
        for (const Call& call : m_calls)
            if (call.kind == Kind::Line && call.colour == colour && call.b == call.d && call.a != call.c)
                out.push_back(call.b);
        return out;
    }
    int lineWidth() const { return m_width; }
    void reset() { m_calls.clear(); }
    // Forgets every call except the scale and line width in force, so that a display list holds
    // only what is visible after a clear and still draws later calls where the canvas does.
    void startOver() {
        m_calls.clear();
        if (m_hasScale)
            m_calls.push_back(m_scale);
        if (m_width != 1)
            m_calls.push_back({Kind::LineWidth, 0, 0, 0, 0, {}, m_width});
    }

    // Makes the same calls, in order, on `target`.
    void replayOnto(GraphCanvas& target) const {
        for (const Call& call : m_calls) {
            switch (call.kind) {
            case Kind::Scale:
                target.setScale(call.a, call.b, call.c, call.d);
                break;
            case Kind::Clear:
                target.clear();
                break;
            case Kind::LineWidth:
                target.setLineWidth(call.width);
                break;
            case Kind::Line:
                target.line(call.a, call.b, call.c, call.d, call.colour);
                break;
            case Kind::LineTo:
                target.lineTo(call.a, call.b, call.colour);
                break;
            case Kind::Frame:
                target.frameRect(call.a, call.b, call.c, call.d);
                break;
            case Kind::Dot:
                target.dot(call.a, call.b, call.colour);
                break;
            }
        }
    }

  private:
    std::vector<Call> m_calls;
    Call m_scale{Kind::Scale};
    bool m_hasScale = false;
    int m_width = 1;
    int m_pixelWidth;
    int m_pixelHeight;
};

} // namespace mirendo
