#include "scaleload/RamuzaWriter.h"

#include "core/RecordLine.h"
#include "scaleload/CodigosCarga.h"

namespace mvf {

void RamuzaWriter::Gerar(TCargaBalItens& itens, CargaBalListas& listas, const CargaBalAposItem& aposItem) {
    for (std::size_t i = 0; i < itens.Count(); ++i) {
        const TCargaBalItem& item = itens[i];
        listas[CargaBalPapel::Itens].Add(registro(item, i + 1));
        aposItem(i, item);
    }
}

std::string RamuzaWriter::registro(const TCargaBalItem& item, std::size_t posicao) {
    const TCargaBalNutricional& n = item.Nutricional;
    RecordLine line(192);
    line.N(static_cast<std::int64_t>(posicao), 4)
        .Lit('A')
        .Lit('0')
        .N(item.Codigo, 6)
        .V(item.ValorVenda, 6, 2)
        .Lit(codigos::tipoVendaRamuza(item.Tipo))
        .N(item.Validade, 3)
        .Lit("0000000000000")
        .V(item.Tara.Valor, 5, 4)
        .N(item.ModeloEtiqueta, 2);
    line.Lit("01").N(n.Qtd, 5).N(n.ValorEnergetico, 3);
    const Currency* quantidades[] = {&n.Carboidrato,  &n.Proteina, &n.GorduraTotal, &n.GorduraSaturada,
                                     &n.GorduraTrans, &n.Fibra,    &n.Sodio};
    int entrada = 2;
    for (const Currency* quantidade : quantidades)
        line.N(entrada++, 2).N(n.Qtd, 5).V(*quantidade, 3, 2);
    return std::move(line.Lit(std::string(40, '0')).Lit("##").A(item.Descricao, 24).Lit("####")).str();
}

} // namespace mvf
