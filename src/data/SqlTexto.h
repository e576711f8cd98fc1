#pragma once

#include <string>

namespace mvf {

// A text as an SQL string literal: enclosed in single quotes, single quotes inside doubled.
std::string QuotedStr(const std::string& text);

} // namespace mvf
