#pragma once
// A GraphCanvas that remembers the calls that make what is visible: a display list, drawn again
// onto another canvas (an SVG file), and what tests of anything that plots read back. A clear
// starts the list over, keeping the scale and line width in force, so that later calls still land
// where they did, and sets the Axes layer. Each call keeps the layer it was drawn in.
#include "core/plot/GraphCanvas.h"

#include <vector>

namespace mirendo {

class RecordingCanvas : public GraphCanvas {
  public:
    enum class Kind { Scale, Clear, LineWidth, Line, LineTo, Frame, Dot, Dash };

    struct Call {
        Kind kind;
        // Scale: left, top, width, height. Line, Frame: x1, y1, x2, y2. LineTo, Dot: x, y in a, b.
        // LineWidth: the width in `width`. Dash: 1 in a for dashed, 0 for solid.
        float a = 0, b = 0, c = 0, d = 0;
        Rgb colour{};
        int width = 1;                       // line width in force when the call was made
        GraphLayer layer = GraphLayer::Axes; // layer in force when the call was made
    };

    explicit RecordingCanvas(int pixelWidth = 609, int pixelHeight = 545)
        : m_pixelWidth(pixelWidth), m_pixelHeight(pixelHeight) {}

    void setScale(float left, float top, float width, float height) override;
    void clear() override;
    void setLineWidth(int pixels) override {
        m_width = pixels;
        record({Kind::LineWidth, 0, 0, 0, 0, {}, pixels, m_layer});
    }
    void line(float x1, float y1, float x2, float y2, Rgb colour) override {
        record({Kind::Line, x1, y1, x2, y2, colour, m_width, m_layer});
    }
    void lineTo(float x, float y, Rgb colour) override {
        record({Kind::LineTo, x, y, 0, 0, colour, m_width, m_layer});
    }
    void frameRect(float x1, float y1, float x2, float y2) override {
        record({Kind::Frame, x1, y1, x2, y2, {}, m_width, m_layer});
    }
    void dot(float x, float y, Rgb colour) override {
        record({Kind::Dot, x, y, 0, 0, colour, m_width, m_layer});
    }
    void setDashed(bool dashed) override {
        m_dashed = dashed;
        record({Kind::Dash, dashed ? 1.0f : 0.0f, 0, 0, 0, {}, m_width, m_layer});
    }
    void setLayer(GraphLayer layer) override { m_layer = layer; }
    int pixelWidth() const override { return m_pixelWidth; }
    int pixelHeight() const override { return m_pixelHeight; }

    const std::vector<Call>& calls() const { return m_calls; }

    // Makes the same calls, in order, on `target`, each in its layer.
    void replayOnto(GraphCanvas& target) const;
    static void replay(const Call& call, GraphCanvas& target);

  protected:
    // Starts the list over without drawing anything: what follows replaces the whole list.
    void restartList() {
        m_calls.clear();
        m_hasScale = false;
        m_width = 1;
        m_dashed = false;
        m_layer = GraphLayer::Axes;
    }
    // After each call has been added to the list (a clear after the list started over).
    virtual void recorded(const Call& /*call*/) {}

  private:
    void record(const Call& call);

    std::vector<Call> m_calls;
    Call m_scale{Kind::Scale};
    bool m_hasScale = false;
    int m_width = 1;
    bool m_dashed = false;
    GraphLayer m_layer = GraphLayer::Axes;
    int m_pixelWidth;
    int m_pixelHeight;
};

} // namespace mirendo
