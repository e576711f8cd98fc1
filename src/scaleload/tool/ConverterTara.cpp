#include "scaleload/tool/ConverterTara.h"

#include "core/Locale.h"

#include <stdexcept>

namespace mvf {

namespace {

std::string trimmed(const std::string& text) {
    std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

} // namespace

Currency ConverterTara(const std::string& texto) {
    const std::string invalid = "'" + texto + "' não é um valor de tara válido";
    std::string text = trimmed(texto);
    for (char& c : text)
        if (c == '.')
            c = ',';
    // After the replacement every separator is a comma, which only a comma locale reads.
    if (text.find(',') != std::string::npos && Locale::current().decimalSeparator != ',')
        throw std::invalid_argument(invalid);
    for (char& c : text)
        if (c == ',')
            c = '.';
    // Dividing by ten moves the decimal point: done in the exponent, so no digit is rounded
    // before the division.
    std::size_t e = text.find_first_of("eE");
    int exponent = 0;
    std::string mantissa = text;
    if (e != std::string::npos) {
        mantissa = text.substr(0, e);
        std::string digits = text.substr(e + 1);
        std::size_t used = 0;
        try {
            exponent = std::stoi(digits, &used);
        } catch (const std::exception&) {
            throw std::invalid_argument(invalid);
        }
        if (used != digits.size() || digits.empty() || digits[0] == ' ')
            throw std::invalid_argument(invalid);
    }
    if (mantissa.empty())
        throw std::invalid_argument(invalid);
    try {
        return Currency::fromDecimalText(mantissa + "e" + std::to_string(exponent - 1));
    } catch (const std::invalid_argument&) {
        throw std::invalid_argument(invalid);
    } catch (const std::out_of_range&) {
        throw std::invalid_argument(invalid);
    }
}

} // namespace mvf
