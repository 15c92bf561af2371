#pragma once

#include <compare>

// A moment as the controller holds it: year − 2000, month, day, hour, minute,
// second. Archive and log stamps are its first 3, 4 or 5 bytes; stamps compare
// field by field from the year down.
struct DateStamp {
    int year = 0; // years since 2000
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;

    auto operator<=>(const DateStamp&) const = default;
};
