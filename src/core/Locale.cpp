#include "core/Locale.h"

#include <clocale>
#include <mutex>

namespace mvf {

namespace {

std::mutex& localeMutex() {
    static std::mutex m;
    return m;
}

Locale& storedLocale() {
    static Locale locale = Locale::brazilian();
    return locale;
}

} // namespace

Locale Locale::brazilian() {
    return Locale{};
}

Locale Locale::fromSystem() {
    Locale result = brazilian();
    // Only the separators are taken from the C library; a C/POSIX locale gives none that a
    // Brazilian shop would expect, so keep the defaults then.
    std::string previous = std::setlocale(LC_NUMERIC, nullptr) ? std::setlocale(LC_NUMERIC, nullptr) : "C";
    if (const char* name = std::setlocale(LC_NUMERIC, "")) {
        std::string active = name;
        if (active != "C" && active != "POSIX") {
            const std::lconv* conv = std::localeconv();
            if (conv && conv->decimal_point && conv->decimal_point[0] && !conv->decimal_point[1])
                result.decimalSeparator = conv->decimal_point[0];
            if (conv && conv->thousands_sep && conv->thousands_sep[0] && !conv->thousands_sep[1])
                result.thousandSeparator = conv->thousands_sep[0];
        }
    }
    std::setlocale(LC_NUMERIC, previous.c_str());
    return result;
}

Locale Locale::current() {
    std::lock_guard<std::mutex> lock(localeMutex());
    return storedLocale();
}

void Locale::setCurrent(const Locale& locale) {
    std::lock_guard<std::mutex> lock(localeMutex());
    storedLocale() = locale;
}

ScopedLocale::ScopedLocale(const Locale& locale) : previous_(Locale::current()) {
    Locale::setCurrent(locale);
}

ScopedLocale::~ScopedLocale() {
    Locale::setCurrent(previous_);
}

} // namespace mvf
