// Pins the program's clock for one test.
#pragma once

#include "core/date_time.h"

namespace orvane::testing {

class FixedClock {
 public:
  explicit FixedClock(CivilTime now) { set(now); }
  ~FixedClock() { set_clock_source(nullptr); }
  FixedClock(const FixedClock&) = delete;
  FixedClock& operator=(const FixedClock&) = delete;

  void set(CivilTime now) {
    now_ = now;
    set_clock_source([this] { return now_; });
  }

 private:
  CivilTime now_;
};

}  // namespace orvane::testing
