#pragma once

namespace quillet {

// What PumpEvents calls: the window installs one that hands pending events to Qt. It may run a
// whole nested report before it returns.
struct PumpEventsHook {
  void (*function)(void* context) = nullptr;
  void* context = nullptr;
};

// Installs hook and returns the one it replaces. The default hook does nothing.
PumpEventsHook SetPumpEventsHook(PumpEventsHook hook);

// Lets the user-interface thread handle its pending events.
void PumpEvents();

}  // namespace quillet
