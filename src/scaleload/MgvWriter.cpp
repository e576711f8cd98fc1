#include "scaleload/MgvWriter.h"

#include "core/Utf8.h"
#include "scaleload/MgvRegistros.h"
#include "scaleload/MgvRegistrosComplementares.h"

namespace mvf {

using M = TCargaBalModelo;
using P = CargaBalPapel;

void MgvWriter::Gerar(TCargaBalItens& itens, CargaBalListas& listas, const CargaBalAposItem& aposItem) {
    // Keyboard headers are gathered apart and go before every key line at the end.
    CargaLinhas cabecalhos;
    CargaLinhas teclas;
    for (std::size_t i = 0; i < itens.Count(); ++i) {
        TCargaBalItem& item = itens[i];
        gerarItem(item, listas, cabecalhos, teclas);
        aposItem(i, item);
    }
    listas[P::Teclas].AddAll(cabecalhos);
    listas[P::Teclas].AddAll(teclas);
}

void MgvWriter::gerarItem(TCargaBalItem& item, CargaBalListas& listas, CargaLinhas& cabecalhos,
                          CargaLinhas& teclas) {
    if (modelo_ == M::modToledo) {
        listas[P::Itens].Add(mgv::registroItemToledo(item));
        return;
    }
    const bool ver1 = modelo_ == M::modToledoMGV5Ver1;
    const bool mgv5 = modelo_ == M::modToledoMGV5;
    const bool comExtras = !ver1 && !mgv5; // MGV6, MGV7, Triunfo

    listas[P::Itens].Add(ver1 ? mgv::registroItemVer1(item) : mgv::registroItem(item, modelo_));

    if (!ver1 && item.Teclado.Tecla > 0) {
        if (comExtras)
            cabecalhos.AddOnce(mgv::registroCabecalhoTeclado(item.Teclado));
        teclas.Add(mgv::registroTecla(item));
    }

    if (utf8::length(item.InformacaoExtra.Receita) > 2) {
        const std::int32_t codigo = ver1 ? item.Codigo : item.CodigoInformacaoExtra(modelo_);
        listas[P::InformacaoExtra].AddOnce(mgv::registroInformacaoExtra(codigo, item.InformacaoExtra));
    }

    if (item.Nutricional.Codigo > 0)
        listas[P::Nutricional].AddOnce(mgv::registroNutricional(item.Nutricional, modelo_));

    if (item.Tara.Codigo > 0) {
        const bool longo = modelo_ == M::modToledoMGV6 || modelo_ == M::modToledoMGV7;
        listas[P::Taras].AddOnce(longo ? mgv::registroTaraLongo(item.Tara)
                                       : mgv::registroTaraCurto(item.Tara));
    }
    // Read through a const view, so untouched blocks are not created.
    const TCargaBalItem& leitura = item;
    if (leitura.Fornecedor->Codigo > 0)
        listas[P::Fornecedores].AddOnce(mgv::registroFornecedor(*leitura.Fornecedor));
    if (leitura.Fracionador->Codigo > 0)
        listas[P::Fracionadores].AddOnce(mgv::registroFracionador(*leitura.Fracionador));
    if (leitura.Conservacao->Codigo > 0)
        listas[P::Conservacao].AddOnce(mgv::registroConservacao(*leitura.Conservacao));

    if (comExtras) {
        if (leitura.Extra1->Codigo > 0)
            listas[P::CampoExtra1].AddOnce(mgv::registroCampoExtra(*leitura.Extra1));
        if (leitura.Extra2->Codigo > 0)
            listas[P::CampoExtra2].AddOnce(mgv::registroCampoExtra(*leitura.Extra2));
    }

    if (item.Setor.Codigo > 0)
        listas[P::Setores].AddOnce(mgv::registroDepartamento(item.Setor));
}

} // namespace mvf
