#pragma once

#include <QElapsedTimer>

#include <functional>

#include "text/pump_events.h"

namespace quillet {

// Binds PumpEvents to Qt's event processing while it lives. The transforms call PumpEvents
// once per byte or group; a call that comes within a few milliseconds of the last real event
// processing returns at once, so that a long text is not slowed by millions of passes.
class QtEventPump {
 public:
  // before_processing runs each time events are really processed, just before: the window
  // brings its result box up to date there.
  explicit QtEventPump(std::function<void()> before_processing = nullptr);
  ~QtEventPump();
  QtEventPump(const QtEventPump&) = delete;
  QtEventPump& operator=(const QtEventPump&) = delete;

 private:
  static void Pump(void* self);

  std::function<void()> before_processing_;
  QElapsedTimer since_processing_;
  PumpEventsHook previous_;
};

}  // namespace quillet
