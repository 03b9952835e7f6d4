#pragma once

#include <thread>

namespace mirendo {

// Reading the system's font configuration is about a quarter of the work of starting. This reads
// it on a second thread while the application object connects to the display; Qt then finds it
// loaded when it first needs a font. Created before the application object; wait() must be called
// before anything can ask Qt for a font, or both threads would read the configuration.
class FontConfigWarmUp {
  public:
    FontConfigWarmUp();
    ~FontConfigWarmUp();
    FontConfigWarmUp(const FontConfigWarmUp&) = delete;
    FontConfigWarmUp& operator=(const FontConfigWarmUp&) = delete;

    void wait();

  private:
    std::thread m_thread;
};

} // namespace mirendo
