#pragma once

#include "core/Currency.h"

#include <string>

// Decimal text of amounts for fields that carry a decimal separator. Rounding to the shown
// decimals is half away from zero; a negative amount that rounds to zero shows no sign.
namespace mvf::numberformat {

// "000000.00"-style: at least `integerDigits` digits before the separator, zero-filled, and
// exactly `decimals` (0 to 4) after it; no grouping.
std::string fixed(Currency value, int integerDigits, int decimals, char decimalSeparator);

// "###,###,##0.00"-style: thousands grouped with `thousandSeparator`, at least one integer
// digit, exactly `decimals` (0 to 4) after `decimalSeparator`.
std::string grouped(Currency value, int decimals, char thousandSeparator, char decimalSeparator);

} // namespace mvf::numberformat
