#pragma once

#include "scaleload/CargaBalWriter.h"

#include <string>

namespace mvf {

// Ramuza: one RAMUZA_ORIGINAL.TXT line per item with price, tare, label layout and eight
// nutrition entries.
class RamuzaWriter : public CargaBalWriter {
public:
    void Gerar(TCargaBalItens& itens, CargaBalListas& listas, const CargaBalAposItem& aposItem) override;

    // `posicao` is the item's 1-based place in the list.
    static std::string registro(const TCargaBalItem& item, std::size_t posicao);
};

} // namespace mvf
