#pragma once

#include "scaleload/TCargaBalItem.h"

#include <cstddef>
#include <memory>
#include <vector>

namespace mvf {

// The ordered products of a load. The list owns its items: clearing or replacing one frees it.
class TCargaBalItens {
public:
    // Appends a new item with the initial values and returns it.
    TCargaBalItem& New();

    // 0-based; throws std::out_of_range outside 0..Count()-1.
    TCargaBalItem& Items(std::size_t index);
    const TCargaBalItem& Items(std::size_t index) const;
    TCargaBalItem& operator[](std::size_t index) { return Items(index); }
    const TCargaBalItem& operator[](std::size_t index) const { return Items(index); }
    // Replaces the item at the index, freeing the old one.
    void SetItems(std::size_t index, std::unique_ptr<TCargaBalItem> item);

    std::size_t Count() const { return items_.size(); }
    void Clear() { items_.clear(); }

private:
    std::vector<std::unique_ptr<TCargaBalItem>> items_;
};

} // namespace mvf
