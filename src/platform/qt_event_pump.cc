#include "platform/qt_event_pump.h"

#include <QCoreApplication>

namespace quillet {
namespace {

// Often enough for the window to repaint and take a click at once, seldom enough to cost
// nothing next to the transforms.
constexpr qint64 kQuietNanoseconds = 5'000'000;

}  // namespace

QtEventPump::QtEventPump(std::function<void()> before_processing)
    : before_processing_(std::move(before_processing)),
      previous_(SetPumpEventsHook({&QtEventPump::Pump, this})) {}

QtEventPump::~QtEventPump() { SetPumpEventsHook(previous_); }

void QtEventPump::Pump(void* self) {
  auto* pump = static_cast<QtEventPump*>(self);
  if (pump->since_processing_.isValid() &&
      pump->since_processing_.nsecsElapsed() < kQuietNanoseconds) {
    return;
  }
  // Timed from the start too: a click handled here runs a whole nested report, whose own calls
  // then count from this processing.
  pump->since_processing_.start();
  if (pump->before_processing_) pump->before_processing_();
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  pump->since_processing_.start();
}

}  // namespace quillet
