#pragma once

#include "scaleload/CargaBalWriter.h"

namespace mvf {

// The Toledo MGV family (Toledo, MGV5 Ver1, MGV5, MGV6, MGV7) and Triunfo RDC 429, which share
// one file set; the model picks the variant.
class MgvWriter : public CargaBalWriter {
public:
    explicit MgvWriter(TCargaBalModelo modelo) : modelo_(modelo) {}
    void Gerar(TCargaBalItens& itens, CargaBalListas& listas, const CargaBalAposItem& aposItem) override;

private:
    void gerarItem(TCargaBalItem& item, CargaBalListas& listas, CargaLinhas& cabecalhos, CargaLinhas& teclas);

    TCargaBalModelo modelo_;
};

} // namespace mvf
