#pragma once

namespace mirendo {

// Lets pending paint and window events through once, so a window repaints in the middle of a
// long step. User input waits: a click handled halfway through a step would see its state half
// done. The only place in the program that processes events by hand.
void LetPendingPaintsThrough();

} // namespace mirendo
