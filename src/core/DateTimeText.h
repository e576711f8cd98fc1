#pragma once

#include "core/Locale.h"

#include <optional>
#include <string>

namespace mvf {

// A calendar moment in local time, to the second.
struct DateTime {
    int year = 1899;
    int month = 12;
    int day = 30;
    int hour = 0;
    int minute = 0;
    int second = 0;

    static DateTime now();
    bool isMidnight() const { return hour == 0 && minute == 0 && second == 0; }
    bool isValid() const;
    friend bool operator==(const DateTime&, const DateTime&) = default;
};

// Formats with the pattern letters of the original platform: d, dd, m, mm, yy, yyyy, h, hh,
// n, nn, s, ss, AM/PM; "/" and ":" become the locale's separators; text in quotes is copied.
// An "m" or "mm" right after an hour means minutes.
std::string formatDateTime(const DateTime& moment, const std::string& pattern,
                           const Locale& locale = Locale::current());

// The machine's default date-time text, used for every stored moment: short date, a blank and
// the long time; the time is left out at exactly midnight.
std::string dateTimeToText(const DateTime& moment, const Locale& locale = Locale::current());

// Reads text written by dateTimeToText under the same locale (the time part is optional).
std::optional<DateTime> tryTextToDateTime(const std::string& text, const Locale& locale = Locale::current());

// As tryTextToDateTime, but a text that is not a date-time raises std::invalid_argument with
// "'<text>' não é uma data e hora válida".
DateTime textToDateTime(const std::string& text, const Locale& locale = Locale::current());

// The display form "dd/mm/yyyy hh:mm:ss", whatever the locale.
std::string dateTimeToDisplay(const DateTime& moment);

} // namespace mvf
