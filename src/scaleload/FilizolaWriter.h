#pragma once

#include "scaleload/CargaBalWriter.h"

#include <string>

namespace mvf {

// Filizola: items (CADTXT.TXT), sectors with keys (SETORTXT.TXT), nutrition (NUTRI.TXT) and
// recipes (REC_ASS.TXT).
class FilizolaWriter : public CargaBalWriter {
public:
    void Gerar(TCargaBalItens& itens, CargaBalListas& listas, const CargaBalAposItem& aposItem) override;

    static std::string registroItem(const TCargaBalItem& item);
    // `posicao` is the item's 1-based place in the list.
    static std::string registroSetor(const TCargaBalItem& item, std::size_t posicao);
    static std::string registroNutricional(const TCargaBalItem& item);
    // Normalises the item's extra-information code.
    static std::string registroReceita(TCargaBalItem& item);
};

} // namespace mvf
