#include "scaleload/UranoWriter.h"

#include "core/NumberFormat.h"
#include "core/RecordLine.h"
#include "core/Utf8.h"
#include "scaleload/CodigosCarga.h"

#include <cstdint>

namespace mvf {

using P = CargaBalPapel;

namespace {

constexpr char STX = 0x02;
constexpr char ETX = 0x03;
constexpr char LF = 0x0A;
constexpr char VT = 0x0B;
constexpr char FF = 0x0C;
constexpr char DLE = 0x10;

// Appends the checksum of the line so far and the closing ETX.
std::string fechar(std::string line) {
    line += UranoWriter::checksum(line, true);
    line += ETX;
    return line;
}

} // namespace

UranoWriter::UranoWriter(TCargaBalModelo modelo, char separadorDecimal)
    : uranoS_(modelo == TCargaBalModelo::modUranoS), separador_(uranoS_ ? '.' : separadorDecimal) {}

void UranoWriter::Gerar(TCargaBalItens& itens, CargaBalListas& listas, const CargaBalAposItem& aposItem) {
    CargaLinhas& linhas = listas[P::Itens];
    for (std::size_t i = 0; i < itens.Count(); ++i) {
        const TCargaBalItem& item = itens[i];
        linhas.Add(registroA(item));
        if (item.Nutricional.Qtd > 0)
            linhas.Add(registroB(item));
        if (!item.InformacaoExtra.Receita.empty())
            linhas.Add(registroC(item));
        aposItem(i, item);
    }
}

std::string UranoWriter::checksum(std::string_view text, bool maiusculas) {
    std::uint64_t soma = 0;
    for (std::size_t pos = 0; pos < text.size();)
        soma += utf8::next(text, pos);
    static constexpr char upper[] = "0123456789ABCDEF";
    static constexpr char lower[] = "0123456789abcdef";
    const char* digits = maiusculas ? upper : lower;
    std::string hex;
    do {
        hex.insert(hex.begin(), digits[soma % 16]);
        soma /= 16;
    } while (soma > 0);
    if (hex.size() < 4)
        hex.insert(0, 4 - hex.size(), '0');
    return hex;
}

std::string UranoWriter::preco(const TCargaBalItem& item) const {
    return numberformat::fixed(item.ValorVenda, 6, 2, separador_);
}

std::string UranoWriter::camposComuns(const TCargaBalItem& item) const {
    return RecordLine(48)
        .N(item.Codigo, 5)
        .Lit(codigos::tipoVendaLetra(item.Tipo))
        .A(item.Descricao, 20)
        .Lit(preco(item))
        .N(item.Validade, 4)
        .Lit('D')
        .str();
}

std::string UranoWriter::registroA(const TCargaBalItem& item) const {
    if (!uranoS_)
        return fechar(std::string{LF, STX} + camposComuns(item));
    const std::string corpo = RecordLine(90)
                                  .N(item.Codigo, 6)
                                  .Lit(codigos::tipoVendaLetra(item.Tipo))
                                  .A(item.Descricao, 30)
                                  .Lit(preco(item))
                                  .N(item.Validade, 4)
                                  .Lit("D0000")
                                  .A("", 28)
                                  .str();
    std::string line{DLE, STX};
    line += corpo;
    line += checksum(corpo, false);
    line += ETX;
    return line;
}

std::string UranoWriter::registroB(const TCargaBalItem& item) const {
    return fechar(RecordLine(260).Lit(VT).Lit(STX).Lit(camposComuns(item)).A("", 209).str());
}

std::string UranoWriter::registroC(const TCargaBalItem& item) const {
    RecordLine line(880);
    line.Lit(FF).Lit(STX).Lit(camposComuns(item));
    if (item.Nutricional.Qtd <= 0)
        line.A("", 209);
    line.A(item.InformacaoExtra.Receita, 615);
    return fechar(std::move(line).str());
}

} // namespace mvf
