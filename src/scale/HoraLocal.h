#pragma once

#include <chrono>
#include <ctime>
#include <string>

namespace mvf {

// The calendar fields of a moment in the machine's time zone (one implementation per OS).
std::tm HoraLocal(std::chrono::system_clock::time_point momento);

// A moment in the log's patterns: dd, mm, yy, hh, nn, ss and zzz (milliseconds); other
// characters are copied.
std::string FormatarHoraLog(std::chrono::system_clock::time_point momento, const std::string& padrao);

} // namespace mvf
