#pragma once
// The wall-clock time of the user's time zone, to the second.
namespace pendra {

struct LocalTime {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

LocalTime CurrentLocalTime();

}  // namespace pendra
