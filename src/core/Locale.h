#pragma once

#include <string>

namespace mvf {

// The regional conventions that shape number and date-time text (the decimal separator of
// Urano prices, the scale parsers' numbers, the stored date-time text). One explicit object,
// filled from the operating system at start; tests set it explicitly.
struct Locale {
    char decimalSeparator = ',';
    char thousandSeparator = '.';
    char dateSeparator = '/';
    char timeSeparator = ':';
    // Format patterns in the style of the original platform: d, dd, m, mm, yy, yyyy for dates;
    // h, hh, n, nn, s, ss for times.
    std::string shortDateFormat = "dd/mm/yyyy";
    std::string longTimeFormat = "hh:nn:ss";

    // Brazilian Portuguese conventions, used when the system gives none.
    static Locale brazilian();
    // The conventions of the running system (LC_NUMERIC / LC_TIME on Linux, the user's
    // locale on Windows), falling back to brazilian() for anything it does not give.
    static Locale fromSystem();

    // The program-wide conventions. Set once at start (or by a test); read everywhere.
    static Locale current();
    static void setCurrent(const Locale& locale);
};

// Sets the program-wide conventions for the lifetime of the guard and restores the previous
// ones afterwards (tests, and command-line options such as --decimal).
class ScopedLocale {
public:
    explicit ScopedLocale(const Locale& locale);
    ~ScopedLocale();
    ScopedLocale(const ScopedLocale&) = delete;
    ScopedLocale& operator=(const ScopedLocale&) = delete;

private:
    Locale previous_;
};

} // namespace mvf
