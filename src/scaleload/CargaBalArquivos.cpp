#include "scaleload/CargaBalArquivos.h"

namespace mvf {

namespace {

using P = CargaBalPapel;
using M = TCargaBalModelo;

std::string_view nomeMgv(P papel) {
    switch (papel) {
    case P::Itens:
        return "ITENSMGV.TXT";
    case P::Setores:
        return "DEPTO.TXT";
    case P::InformacaoExtra:
        return "TXINFO.TXT";
    case P::Nutricional:
        return "INFNUTRI.TXT";
    case P::Taras:
        return "TARA.TXT";
    case P::Fornecedores:
        return "TXFORN.TXT";
    case P::Fracionadores:
        return "FRACIONA.TXT";
    case P::CampoExtra1:
        return "CAMPEXT1.TXT";
    case P::CampoExtra2:
        return "CAMPEXT2.TXT";
    case P::Conservacao:
        return "CONSERVA.TXT";
    case P::Teclas:
        return "TXTECLAS.TXT";
    default:
        return {};
    }
}

} // namespace

std::string_view nomeArquivoCarga(TCargaBalModelo modelo, CargaBalPapel papel) {
    switch (modelo) {
    case M::modFilizola:
        switch (papel) {
        case P::Itens:
            return "CADTXT.TXT";
        case P::Setores:
            return "SETORTXT.TXT";
        case P::InformacaoExtra:
            return "REC_ASS.TXT";
        case P::Nutricional:
            return "NUTRI.TXT";
        default:
            return {};
        }
    case M::modToledo:
        return papel == P::Itens ? "TXITENS.TXT" : std::string_view();
    case M::modUrano:
    case M::modUranoS:
        return papel == P::Itens ? "PRODUTOS.TXT" : std::string_view();
    case M::modUranoURF32:
        switch (papel) {
        case P::Itens:
            return "PRODUTOS.TXT";
        case P::InformacaoExtra:
            return "RECEITAS.TXT";
        case P::Nutricional:
            return "INFORMACOESNUTRICIONAIS.TXT";
        case P::ProdutoNutricional:
            return "PRODUTOSINFORMACOESNUTRICIONAIS.TXT";
        case P::ProdutoReceita:
            return "PRODUTOSRECEITAS.TXT";
        default:
            return {};
        }
    case M::modRamuza:
        return papel == P::Itens ? "RAMUZA_ORIGINAL.TXT" : std::string_view();
    case M::modToledoMGV5:
    case M::modToledoMGV6:
    case M::modToledoMGV7:
    case M::modToledoMGV5Ver1:
    case M::modTriunfoRdc429:
        return nomeMgv(papel);
    }
    return {};
}

} // namespace mvf
