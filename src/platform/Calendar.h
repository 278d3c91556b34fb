#pragma once

// A day of the calendar.
struct TCalendarDay {
  int Year = 1970;
  int Month = 1;
  int Day = 1;
  friend bool operator==(const TCalendarDay&, const TCalendarDay&) = default;
};

// Today by the player's local time.
TCalendarDay LocalToday();
