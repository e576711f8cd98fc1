#include "scaleload/Urf32Writer.h"

#include "core/NumberFormat.h"
#include "core/RecordLine.h"
#include "core/Utf8.h"
#include "scaleload/CodigosCarga.h"

#include <algorithm>

namespace mvf {

using P = CargaBalPapel;

void Urf32Writer::Gerar(TCargaBalItens& itens, CargaBalListas& listas, const CargaBalAposItem& aposItem) {
    for (std::size_t i = 0; i < itens.Count(); ++i) {
        const TCargaBalItem& item = itens[i];
        listas[P::Itens].Add(registroProduto(item));
        listas[P::Nutricional].Add(registroNutricional(item));
        if (item.Nutricional.Qtd > 0)
            listas[P::ProdutoNutricional].Add(registroLigacao(item));
        if (utf8::length(item.InformacaoExtra.Receita) > 2 &&
            listas[P::InformacaoExtra].AddOnce(registroReceita(item)))
            listas[P::ProdutoReceita].Add(registroLigacao(item));
        aposItem(i, item);
    }
}

std::string Urf32Writer::preco(const TCargaBalItem& item) const {
    const std::string formatado = numberformat::grouped(item.ValorVenda, 2, milhar_, decimal_);
    // Right-aligned in nine characters, cut to the first nine, and every "." made a ",".
    std::string texto =
        formatado.size() >= 9 ? formatado.substr(0, 9) : std::string(9 - formatado.size(), ' ') + formatado;
    std::replace(texto.begin(), texto.end(), '.', ',');
    return texto;
}

std::string Urf32Writer::registroProduto(const TCargaBalItem& item) const {
    return RecordLine(43)
        .S(item.Codigo, 6)
        .Lit('*')
        .Lit(codigos::tipoVendaUrf32(item.Tipo))
        .A(item.Descricao, 20)
        .Lit(preco(item))
        .S(item.Validade, 5)
        .Lit(codigos::tipoValidade(item.TipoValidade))
        .str();
}

std::string Urf32Writer::registroNutricional(const TCargaBalItem& item) {
    const TCargaBalNutricional& n = item.Nutricional;
    return RecordLine(57)
        .S(item.Codigo, 5)
        .N(n.Qtd, 6)
        .N(n.ValorEnergetico, 5)
        .V(n.Carboidrato, 6, 1)
        .V(n.Proteina, 6, 1)
        .V(n.GorduraTotal, 6, 1)
        .V(n.GorduraSaturada, 6, 1)
        .V(n.GorduraTrans, 6, 1)
        .V(n.Fibra, 6, 1)
        .V(n.Sodio, 5, 2)
        .str();
}

std::string Urf32Writer::registroLigacao(const TCargaBalItem& item) {
    return RecordLine(11).S(item.Codigo, 6).S(item.Codigo, 5).str();
}

std::string Urf32Writer::registroReceita(const TCargaBalItem& item) {
    return RecordLine(259).N(item.Codigo, 4).Lit(' ').A(item.InformacaoExtra.Receita, 254).str();
}

} // namespace mvf
