#pragma once

#include "scaleload/CargaBalWriter.h"

#include <string>

namespace mvf {

// Urano URF32: plain fixed-width products, nutrition and recipes, with link files tying
// products to nutrition and to recipes.
class Urf32Writer : public CargaBalWriter {
public:
    Urf32Writer(char separadorMilhar, char separadorDecimal)
        : milhar_(separadorMilhar), decimal_(separadorDecimal) {}
    void Gerar(TCargaBalItens& itens, CargaBalListas& listas, const CargaBalAposItem& aposItem) override;

    std::string registroProduto(const TCargaBalItem& item) const;
    std::string preco(const TCargaBalItem& item) const;
    static std::string registroNutricional(const TCargaBalItem& item);
    static std::string registroLigacao(const TCargaBalItem& item);
    static std::string registroReceita(const TCargaBalItem& item);

private:
    char milhar_;
    char decimal_;
};

} // namespace mvf
