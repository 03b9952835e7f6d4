#include "core/plot/RecordingCanvas.h"

namespace mirendo {

void RecordingCanvas::record(const Call& call) {
    m_calls.push_back(call);
    recorded(call);
}

void RecordingCanvas::setScale(float left, float top, float width, float height) {
    m_scale = {Kind::Scale, left, top, width, height, {}, m_width, m_layer};
    m_hasScale = true;
    record(m_scale);
}

void RecordingCanvas::clear() {
    // Nothing drawn before a clear is visible after it, and what follows is drawn anew from the
    // first layer: a clear belongs to no part of the graph drawn before it.
    m_layer = GraphLayer::Axes;
    m_calls.clear();
    if (m_hasScale)
        m_calls.push_back(m_scale);
    if (m_width != 1)
        m_calls.push_back({Kind::LineWidth, 0, 0, 0, 0, {}, m_width, m_layer});
    if (m_dashed)
        m_calls.push_back({Kind::Dash, 1, 0, 0, 0, {}, m_width, m_layer});
    record({Kind::Clear, 0, 0, 0, 0, {}, m_width, m_layer});
}

void RecordingCanvas::replayOnto(GraphCanvas& target) const {
    for (const Call& call : m_calls)
        replay(call, target);
}

void RecordingCanvas::replay(const Call& call, GraphCanvas& target) {
    target.setLayer(call.layer);
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
    case Kind::Dash:
        target.setDashed(call.a != 0);
        break;
    }
}

} // namespace mirendo
