#include "text/pump_events.h"

namespace quillet {
namespace {

// The one piece of mutable global state: the event loop is global to the program too.
PumpEventsHook installed_hook;

}  // namespace

PumpEventsHook SetPumpEventsHook(PumpEventsHook hook) {
  const PumpEventsHook previous = installed_hook;
  installed_hook = hook;
  return previous;
}

void PumpEvents() {
  // Copied first: the hook may install another one while it runs.
  const PumpEventsHook hook = installed_hook;
  if (hook.function != nullptr) hook.function(hook.context);
}

}  // namespace quillet
