#pragma once

#include "scaleload/TCargaBalItens.h"

#include <stdexcept>
#include <string>
#include <string_view>

namespace mvf::cli {

// A list of load items that cannot be read; the message names the item and the key.
class ItensJsonError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Appends the items of a JSON array of item objects. Keys are the item's property names, and
// the sub-objects' names holding their members; enumerations are given by value name; absent
// keys and null keep a new item's values. Throws ItensJsonError.
void lerItensJson(std::string_view json, TCargaBalItens& itens);

} // namespace mvf::cli
