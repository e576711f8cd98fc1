#include "scaleload/FilizolaWriter.h"

#include "core/RecordLine.h"
#include "core/Utf8.h"
#include "scaleload/CodigosCarga.h"

namespace mvf {

using P = CargaBalPapel;

void FilizolaWriter::Gerar(TCargaBalItens& itens, CargaBalListas& listas, const CargaBalAposItem& aposItem) {
    for (std::size_t i = 0; i < itens.Count(); ++i) {
        TCargaBalItem& item = itens[i];
        listas[P::Itens].Add(registroItem(item));
        if (!item.Setor.Descricao.empty() || item.Teclado.Tecla > 0)
            listas[P::Setores].Add(registroSetor(item, i + 1));
        if (!item.Nutricional.Descricao.empty())
            listas[P::Nutricional].Add(registroNutricional(item));
        // Built for every item: it also settles the item's extra-information code.
        const std::string receita = registroReceita(item);
        if (utf8::length(item.InformacaoExtra.Receita) > 2)
            listas[P::InformacaoExtra].AddOnce(receita);
        aposItem(i, item);
    }
}

std::string FilizolaWriter::registroItem(const TCargaBalItem& item) {
    return RecordLine(169)
        .N(item.Codigo, 6)
        .Lit(codigos::tipoVendaLetra(item.Tipo))
        .A(item.Descricao, 22)
        .V(item.ValorVenda, 7, 2)
        .N(item.Validade, 3)
        .A(" ", 126)
        .V(item.Tara.Valor, 4, 3)
        .str();
}

std::string FilizolaWriter::registroSetor(const TCargaBalItem& item, std::size_t posicao) {
    return RecordLine(25)
        .A(item.Setor.Descricao, 12)
        .N(item.Codigo, 6)
        .N(static_cast<std::int64_t>(posicao), 4)
        .N(item.Teclado.Tecla, 3)
        .str();
}

std::string FilizolaWriter::registroNutricional(const TCargaBalItem& item) {
    const TCargaBalNutricional& n = item.Nutricional;
    return RecordLine(131)
        .N(item.Codigo, 6)
        .A(n.Descricao, 35)
        .N(n.ValorEnergetico, 5)
        .Lit("0000")
        .V(n.Carboidrato, 5, 1)
        .Lit("0000")
        .V(n.Proteina, 5, 1)
        .Lit("0000")
        .V(n.GorduraTotal, 5, 1)
        .Lit("0000")
        .V(n.GorduraSaturada, 5, 1)
        .Lit("0000")
        .V(n.GorduraTrans, 5, 1)
        .Lit("0000")
        .V(n.Fibra, 5, 1)
        .Lit("0000")
        .Lit("*****")
        .Lit("****")
        .Lit("*****")
        .Lit("****")
        .V(n.Sodio, 5, 1)
        .Lit("0000")
        .str();
}

std::string FilizolaWriter::registroReceita(TCargaBalItem& item) {
    return RecordLine(865)
        .A(" ", 12)
        .N(item.Codigo, 6)
        .N(item.CodigoInformacaoExtra(TCargaBalModelo::modFilizola), 6)
        .A(item.InformacaoExtra.Receita, 840)
        .Lit('@')
        .str();
}

} // namespace mvf
