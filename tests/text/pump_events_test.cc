#include "text/pump_events.h"

#include <gtest/gtest.h>

namespace quillet {
namespace {

TEST(PumpEventsTest, CallsTheInstalledHookAndNothingByDefault) {
  PumpEvents();  // the default hook does nothing
  int calls = 0;
  const PumpEventsHook previous =
      SetPumpEventsHook({[](void* context) { ++*static_cast<int*>(context); }, &calls});
  PumpEvents();
  PumpEvents();
  EXPECT_EQ(calls, 2);
  SetPumpEventsHook(previous);
  PumpEvents();
  EXPECT_EQ(calls, 2);
}

}  // namespace
}  // namespace quillet
