#include "data/TextoBooleano.h"

#include "core/Locale.h"

#include <cctype>
#include <cstdlib>

namespace mvf {

bool TextoBooleano(const std::string& texto) {
    auto first = texto.find_first_not_of(" \t");
    if (first == std::string::npos)
        return false;
    std::string t = texto.substr(first, texto.find_last_not_of(" \t") - first + 1);
    std::string lower;
    for (char c : t)
        lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (lower == "true")
        return true;
    // A number, with the point or the locale's decimal separator.
    const char separator = Locale::current().decimalSeparator;
    for (char& c : t)
        if (c == separator)
            c = '.';
    char* end = nullptr;
    double value = std::strtod(t.c_str(), &end);
    if (end == t.c_str() || *end != '\0')
        return false;
    for (char c : t)
        if (!(std::isdigit(static_cast<unsigned char>(c)) || c == '.' || c == '-' || c == '+'))
            return false; // no hex, infinity or exponent forms
    return value != 0;
}

} // namespace mvf
