#include "scaleload/MgvRegistros.h"

#include "core/RecordLine.h"
#include "scaleload/CodigosCarga.h"

namespace mvf::mgv {

namespace {

std::string decimal(std::int64_t value) {
    return std::to_string(value);
}

} // namespace

std::string registroItemToledo(const TCargaBalItem& item) {
    return RecordLine(320)
        .N(item.Setor.Codigo, 2)
        .N(item.ModeloEtiqueta, 2)
        .Lit(codigos::tipoVendaMgv(item.Tipo))
        .N(item.Codigo, 6)
        .V(item.ValorVenda, 6, 2)
        .N(item.Validade, 3)
        .A(item.Descricao, 50)
        .A(item.InformacaoExtra.Receita, 250)
        .str();
}

std::string registroItemVer1(const TCargaBalItem& item) {
    return RecordLine(113)
        .N(item.Setor.Codigo, 2)
        .Lit(codigos::tipoVendaMgv(item.Tipo))
        .N(item.Codigo, 6)
        .V(item.ValorVenda, 6, 2)
        .N(item.Validade, 3)
        .A(item.Descricao, 50)
        .N(item.Codigo, 6)
        .Lit("000")
        .N(item.Nutricional.Codigo, 4)
        .A(decimal(item.ImpValidade), 1)
        .A(decimal(item.ImpEmbalagem), 1)
        .N(item.CodigoFornecedor, 4)
        .T(item.Lote, 12)
        .Lit("00000000000")
        .Lit("0")
        .Lit("00")
        .str();
}

std::string registroItem(TCargaBalItem& item, TCargaBalModelo modelo) {
    const bool comExtras = modelo != TCargaBalModelo::modToledoMGV5;
    RecordLine line(150);
    line.N(item.Setor.Codigo, 2)
        .Lit(codigos::tipoVendaMgv(item.Tipo))
        .N(item.Codigo, 6)
        .V(item.ValorVenda, 6, 2)
        .N(item.Validade, 3)
        .A(item.Descricao, 50)
        .N(item.CodigoInformacaoExtra(modelo), 6)
        .Lit("0000")
        .N(item.Nutricional.Codigo, 6)
        .A(decimal(item.ImpValidade), 1)
        .A(decimal(item.ImpEmbalagem), 1)
        .N(item.CodigoFornecedor, 4)
        .T(item.Lote, 12)
        .Lit("00000000000")
        .Lit("0")
        .Lit("0000")
        .N(item.CodigoTara, 4)
        .N(item.CodigoFracionador, 4);
    if (comExtras)
        line.N(item.CodigoExtra1, 4).N(item.CodigoExtra2, 4);
    else
        line.Lit("0000").Lit("0000");
    return std::move(line.N(item.CodigoConservacao, 4).T(item.EAN13Fornecedor, 12)).str();
}

std::string registroNutricional(const TCargaBalNutricional& n, TCargaBalModelo modelo) {
    RecordLine line(136);
    line.Lit('N')
        .N(n.Codigo, 6)
        .Lit('0')
        .N(n.Qtd, 3)
        .N(ordinal(n.UndPorcao), 1)
        .N(n.PartInteira, 2)
        .N(ordinal(n.PartDecimal), 1)
        .N(ordinal(n.MedCaseira), 2)
        .N(n.ValorEnergetico, 4)
        .V(n.Carboidrato, 4, 1)
        .V(n.Proteina, 3, 1)
        .V(n.GorduraTotal, 3, 1)
        .V(n.GorduraSaturada, 3, 1)
        .V(n.GorduraTrans, 3, 1)
        .V(n.Fibra, 3, 1)
        .V(n.Sodio, 5, 1);
    const bool mgv7 = modelo == TCargaBalModelo::modToledoMGV7;
    if (!mgv7 && modelo != TCargaBalModelo::modTriunfoRdc429)
        return std::move(line).str();

    if (mgv7)
        line.Lit("0000");
    line.Lit('|')
        .Lit(codigos::booleano(n.QtdeAutomaticaPorcao429))
        .N(n.QtdePorcEmb429, 3)
        .N(n.QtdePorcao429, 3)
        .N(ordinal(n.UndPorcao429), 1)
        .N(n.PartIntMedidaCaseira429, 2)
        .N(ordinal(n.PartDecMedidaCaseira429), 1)
        .N(ordinal(n.MedCaseira429), 2)
        .N(n.ValorEnergetico429, 4)
        .V(n.Carboidrato429, 4, 1)
        .V(n.AcucaresTotais429, 3, 1)
        .V(n.AcucaresAdicionados429, 3, 1)
        .V(n.Proteinas429, 3, 1)
        .V(n.GordurasTotais429, 3, 1)
        .V(n.GordurasSaturadas429, 3, 1)
        .V(n.GordurasTrans429, 3, 1)
        .V(n.FibraAlimentar429, 3, 1)
        .V(n.Sodio429, 5, 1)
        .N(n.AltoAcucar429, 1)
        .N(n.AltoGordura429, 1)
        .N(n.AltoSodio429, 1)
        .V(n.Lactose429, 5, 1)
        .V(n.Galactose429, 5, 1);
    if (mgv7) {
        line.N(n.ImprimeLactoseGalactose, 1);
        if (n.ImprimeCamposEstendido)
            line.V(n.AcucaresAdicionadosEstendido429, 5, 1)
                .V(n.AcucaresTotaisEstendido429, 5, 1)
                .V(n.GordurasTotaisEstendido429, 5, 1)
                .V(n.ProteinasEstendido429, 5, 1);
    }
    return std::move(line).str();
}

} // namespace mvf::mgv
