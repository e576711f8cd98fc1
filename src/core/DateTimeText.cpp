#include "core/DateTimeText.h"

#include <cctype>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <stdexcept>
#include <vector>

namespace mvf {

namespace {

bool isLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2 && isLeapYear(year))
        return 29;
    return days[month - 1];
}

std::string padded(int value, int width) {
    std::string text = std::to_string(value);
    while (static_cast<int>(text.size()) < width)
        text.insert(text.begin(), '0');
    return text;
}

char lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

bool startsWithNoCase(const std::string& text, size_t pos, const std::string& prefix) {
    if (text.size() - pos < prefix.size())
        return false;
    for (size_t i = 0; i < prefix.size(); ++i)
        if (lower(text[pos + i]) != lower(prefix[i]))
            return false;
    return true;
}

size_t runLength(const std::string& text, size_t pos) {
    size_t n = 1;
    while (pos + n < text.size() && lower(text[pos + n]) == lower(text[pos]))
        ++n;
    return n;
}

bool hasAmPm(const std::string& pattern) {
    return pattern.find("am/pm") != std::string::npos || pattern.find("AM/PM") != std::string::npos ||
           pattern.find("ampm") != std::string::npos || pattern.find("AMPM") != std::string::npos;
}

int twelveHour(int hour) {
    int h = hour % 12;
    return h == 0 ? 12 : h;
}

// Reads an unsigned decimal number at pos; returns false when there is none.
bool readNumber(const std::string& text, size_t& pos, int& value, int& digits) {
    value = 0;
    digits = 0;
    while (pos < text.size() && std::isdigit(static_cast<unsigned char>(text[pos]))) {
        if (digits >= 9)
            return false;
        value = value * 10 + (text[pos] - '0');
        ++digits;
        ++pos;
    }
    return digits > 0;
}

void skipBlanks(const std::string& text, size_t& pos) {
    while (pos < text.size() && text[pos] == ' ')
        ++pos;
}

// The order of day, month and year in the short date pattern, as the letters 'd', 'm', 'y'.
std::string dateOrder(const std::string& pattern) {
    std::string order;
    for (char c : pattern) {
        char l = lower(c);
        if ((l == 'd' || l == 'm' || l == 'y') && order.find(l) == std::string::npos)
            order += l;
    }
    return order.size() == 3 ? order : std::string("dmy");
}

int expandTwoDigitYear(int year) {
    // Fifty-year window around the current year, as the original platform did.
    int current = DateTime::now().year;
    int result = (current / 100) * 100 + year;
    if (result < current - 50)
        result += 100;
    else if (result >= current + 50)
        result -= 100;
    return result;
}

bool parseDate(const std::string& text, size_t& pos, const Locale& locale, DateTime& out) {
    int parts[3];
    int digits[3];
    for (int i = 0; i < 3; ++i) {
        if (i > 0) {
            if (pos >= text.size() || text[pos] != locale.dateSeparator)
                return false;
            ++pos;
        }
        if (!readNumber(text, pos, parts[i], digits[i]))
            return false;
    }
    std::string order = dateOrder(locale.shortDateFormat);
    for (int i = 0; i < 3; ++i) {
        switch (order[i]) {
        case 'd':
            out.day = parts[i];
            break;
        case 'm':
            out.month = parts[i];
            break;
        default:
            out.year = digits[i] <= 2 ? expandTwoDigitYear(parts[i]) : parts[i];
        }
    }
    return true;
}

bool parseTime(const std::string& text, size_t& pos, const Locale& locale, DateTime& out) {
    int digits = 0;
    if (!readNumber(text, pos, out.hour, digits))
        return false;
    if (pos >= text.size() || text[pos] != locale.timeSeparator)
        return false;
    ++pos;
    if (!readNumber(text, pos, out.minute, digits))
        return false;
    out.second = 0;
    if (pos < text.size() && text[pos] == locale.timeSeparator) {
        ++pos;
        if (!readNumber(text, pos, out.second, digits))
            return false;
    }
    skipBlanks(text, pos);
    if (startsWithNoCase(text, pos, "am") || startsWithNoCase(text, pos, "pm")) {
        bool pm = lower(text[pos]) == 'p';
        if (out.hour < 1 || out.hour > 12)
            return false;
        out.hour = out.hour % 12 + (pm ? 12 : 0);
        pos += 2;
    }
    return true;
}

} // namespace

DateTime DateTime::now() {
    std::time_t t = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm tm{};
#ifdef _WIN32
    localtime_s(&tm, &t);
#else
    localtime_r(&t, &tm);
#endif
    return DateTime{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

bool DateTime::isValid() const {
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
           day <= daysInMonth(year, month) && hour >= 0 && hour <= 23 && minute >= 0 && minute <= 59 &&
           second >= 0 && second <= 59;
}

std::string formatDateTime(const DateTime& moment, const std::string& pattern, const Locale& locale) {
    std::string out;
    bool pm = moment.hour >= 12;
    bool twelve = hasAmPm(pattern);
    bool afterHour = false; // "m" right after an hour field means minutes
    size_t i = 0;
    while (i < pattern.size()) {
        char c = pattern[i];
        char l = lower(c);
        if (c == '"' || c == '\'') {
            size_t end = pattern.find(c, i + 1);
            if (end == std::string::npos)
                end = pattern.size();
            out += pattern.substr(i + 1, end - i - 1);
            i = end + 1;
            continue;
        }
        if (startsWithNoCase(pattern, i, "am/pm")) {
            std::string mark = pm ? "PM" : "AM";
            out += std::islower(static_cast<unsigned char>(c)) ? std::string(pm ? "pm" : "am") : mark;
            i += 5;
            continue;
        }
        if (startsWithNoCase(pattern, i, "ampm")) {
            out += pm ? "PM" : "AM";
            i += 4;
            continue;
        }
        size_t n = 1;
        switch (l) {
        case 'd':
            n = runLength(pattern, i);
            out += n >= 2 ? padded(moment.day, 2) : std::to_string(moment.day);
            afterHour = false;
            break;
        case 'm':
            n = std::min<size_t>(runLength(pattern, i), 2);
            if (afterHour)
                out += n >= 2 ? padded(moment.minute, 2) : std::to_string(moment.minute);
            else
                out += n >= 2 ? padded(moment.month, 2) : std::to_string(moment.month);
            afterHour = false;
            break;
        case 'y':
            n = runLength(pattern, i);
            out += n <= 2 ? padded(moment.year % 100, 2) : padded(moment.year, 4);
            afterHour = false;
            break;
        case 'h': {
            n = std::min<size_t>(runLength(pattern, i), 2);
            int hour = twelve ? twelveHour(moment.hour) : moment.hour;
            out += n >= 2 ? padded(hour, 2) : std::to_string(hour);
            afterHour = true;
            break;
        }
        case 'n':
            n = std::min<size_t>(runLength(pattern, i), 2);
            out += n >= 2 ? padded(moment.minute, 2) : std::to_string(moment.minute);
            afterHour = false;
            break;
        case 's':
            n = std::min<size_t>(runLength(pattern, i), 2);
            out += n >= 2 ? padded(moment.second, 2) : std::to_string(moment.second);
            afterHour = false;
            break;
        case '/':
            out += locale.dateSeparator;
            break;
        case ':':
            out += locale.timeSeparator;
            break;
        default:
            out += c;
        }
        i += n;
    }
    return out;
}

std::string dateTimeToText(const DateTime& moment, const Locale& locale) {
    std::string text = formatDateTime(moment, locale.shortDateFormat, locale);
    if (!moment.isMidnight()) {
        text += ' ';
        text += formatDateTime(moment, locale.longTimeFormat, locale);
    }
    return text;
}

std::optional<DateTime> tryTextToDateTime(const std::string& text, const Locale& locale) {
    DateTime result;
    size_t pos = 0;
    skipBlanks(text, pos);
    if (!parseDate(text, pos, locale, result))
        return std::nullopt;
    result.hour = result.minute = result.second = 0;
    skipBlanks(text, pos);
    if (pos < text.size() && !parseTime(text, pos, locale, result))
        return std::nullopt;
    skipBlanks(text, pos);
    if (pos != text.size() || !result.isValid())
        return std::nullopt;
    return result;
}

DateTime textToDateTime(const std::string& text, const Locale& locale) {
    if (auto moment = tryTextToDateTime(text, locale))
        return *moment;
    throw std::invalid_argument("'" + text + "' não é uma data e hora válida");
}

std::string dateTimeToDisplay(const DateTime& moment) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%02d/%02d/%04d %02d:%02d:%02d", moment.day, moment.month,
                  moment.year, moment.hour, moment.minute, moment.second);
    return buffer;
}

} // namespace mvf
