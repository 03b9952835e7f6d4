#include "FontConfigWarmUp.h"

#include <fontconfig/fontconfig.h>

namespace mirendo {

// Fontconfig keeps one configuration for the process; FcInit loads it once and returns at once
// after that, so Qt's own call finds it ready.
FontConfigWarmUp::FontConfigWarmUp() : m_thread([] { FcInit(); }) {}

FontConfigWarmUp::~FontConfigWarmUp() {
    wait();
}

void FontConfigWarmUp::wait() {
    if (m_thread.joinable())
        m_thread.join();
}

} // namespace mirendo
