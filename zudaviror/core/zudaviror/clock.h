#pragma once

namespace zudaviror {

// A moment of local time, as the log writes it.
struct LocalTime {
    int year = 2000; // e.g. 2026
    int month = 1;   // 1..12
    int day = 1;     // 1..31
    int hour = 0;    // 0..23
    int minute = 0;
    int second = 0;
};

// Where the log takes the current local time from.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual LocalTime now() = 0;
};

// The computer's clock in the local time zone.
class SystemClock : public Clock {
  public:
    LocalTime now() override;
};

} // namespace zudaviror
