#include "scaleload/TCargaBalItens.h"

#include <stdexcept>

namespace mvf {

TCargaBalItem& TCargaBalItens::New() {
    items_.push_back(std::make_unique<TCargaBalItem>());
    return *items_.back();
}

TCargaBalItem& TCargaBalItens::Items(std::size_t index) {
    if (index >= items_.size())
        throw std::out_of_range("índice de produto fora da lista: " + std::to_string(index));
    return *items_[index];
}

const TCargaBalItem& TCargaBalItens::Items(std::size_t index) const {
    return const_cast<TCargaBalItens*>(this)->Items(index);
}

void TCargaBalItens::SetItems(std::size_t index, std::unique_ptr<TCargaBalItem> item) {
    if (!item)
        throw std::invalid_argument("item nulo");
    Items(index);
    items_[index] = std::move(item);
}

} // namespace mvf
