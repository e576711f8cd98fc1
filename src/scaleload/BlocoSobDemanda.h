#pragma once

#include <memory>

namespace mvf {

// A text block of an item that most items never fill (supplier, fractionator, conservation,
// extra fields). It lives outside the item and is created on the first write access; reading an
// untouched block gives the block's initial values. So the block always exists for the caller,
// and a 100,000-item load does not carry half a kilobyte of empty texts per item.
//
//   item.Fornecedor->Codigo = 3;          // creates the block
//   std::as_const(item).Fornecedor->Codigo // reads without creating it
template <typename T> class BlocoSobDemanda {
public:
    BlocoSobDemanda() = default;
    BlocoSobDemanda(const BlocoSobDemanda& other)
        : bloco_(other.bloco_ ? std::make_unique<T>(*other.bloco_) : nullptr) {}
    BlocoSobDemanda& operator=(const BlocoSobDemanda& other) {
        if (this != &other)
            bloco_ = other.bloco_ ? std::make_unique<T>(*other.bloco_) : nullptr;
        return *this;
    }
    BlocoSobDemanda(BlocoSobDemanda&&) noexcept = default;
    BlocoSobDemanda& operator=(BlocoSobDemanda&&) noexcept = default;

    BlocoSobDemanda& operator=(const T& valor) {
        escrita() = valor;
        return *this;
    }

    T* operator->() { return &escrita(); }
    const T* operator->() const { return &leitura(); }
    T& operator*() { return escrita(); }
    const T& operator*() const { return leitura(); }

private:
    T& escrita() {
        if (!bloco_)
            bloco_ = std::make_unique<T>();
        return *bloco_;
    }
    const T& leitura() const {
        static const T inicial{};
        return bloco_ ? *bloco_ : inicial;
    }

    std::unique_ptr<T> bloco_;
};

} // namespace mvf
