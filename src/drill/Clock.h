#pragma once
// The clock behind the elapsed-time display. Monotonic, so a drill across
// midnight or a change of the system time shows the right time.

#include <chrono>
#include <cstdint>

namespace quarvel {

class MonotonicClock {
  public:
    virtual ~MonotonicClock() = default;
    virtual std::int64_t NowMilliseconds() const {
        using namespace std::chrono;
        return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    }
};

// A clock that tests move by hand.
class ManualClock final : public MonotonicClock {
  public:
    std::int64_t NowMilliseconds() const override { return now_; }
    void Advance(std::int64_t milliseconds) { now_ += milliseconds; }

  private:
    std::int64_t now_ = 0;
};

} // namespace quarvel
