#pragma once

#include "core/Currency.h"

#include <string>

namespace mvf {

// The tare that shops type into the manufacturer-code field, in tenths as the scales count
// them: "0,150" is 0.015. Dots count as decimal separators too. Text that is not a number in
// the locale's form raises std::invalid_argument with a Portuguese message.
Currency ConverterTara(const std::string& texto);

} // namespace mvf
