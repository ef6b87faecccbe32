#include "platform/qt_event_pump.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <QTimer>
#include "test_support.h"

namespace quillet {
namespace {

TEST(QtEventPumpTest, HandsPendingEventsToQtButNotOnEveryCall) {
  QtEventPump pump;
  int fired = 0;
  QTimer::singleShot(0, [&fired] { ++fired; });
  PumpEvents();  // the first call processes
  EXPECT_EQ(fired, 1);

  QTimer::singleShot(0, [&fired] { ++fired; });
  PumpEvents();  // right after the last processing: returns at once
  EXPECT_EQ(fired, 1);

  QThread::msleep(10);
  PumpEvents();
  EXPECT_EQ(fired, 2);
}

TEST(QtEventPumpTest, PutsBackTheHookItReplaced) {
  PumpEventsCounter pumps;
  {
    QtEventPump pump;
    PumpEvents();
    EXPECT_EQ(pumps.calls, 0);
  }
  PumpEvents();
  EXPECT_EQ(pumps.calls, 1);
}

}  // namespace
}  // namespace quillet
