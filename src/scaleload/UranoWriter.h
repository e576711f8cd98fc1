#pragma once

#include "scaleload/CargaBalWriter.h"

#include <string>

namespace mvf {

// Urano and Urano S: one PRODUTOS.TXT whose lines are framed like transmission blocks, with a
// checksum of character codes.
class UranoWriter : public CargaBalWriter {
public:
    // Urano writes prices with the given decimal separator; Urano S always with ".".
    UranoWriter(TCargaBalModelo modelo, char separadorDecimal);
    void Gerar(TCargaBalItens& itens, CargaBalListas& listas, const CargaBalAposItem& aposItem) override;

    // Records of one item. Record A differs between the two models; B and C are Urano's.
    std::string registroA(const TCargaBalItem& item) const;
    std::string registroB(const TCargaBalItem& item) const;
    std::string registroC(const TCargaBalItem& item) const;

    // Sum of the character codes of the text, in hexadecimal, at least four digits.
    static std::string checksum(std::string_view text, bool maiusculas);

private:
    std::string camposComuns(const TCargaBalItem& item) const;
    std::string preco(const TCargaBalItem& item) const;

    bool uranoS_;
    char separador_;
};

} // namespace mvf
