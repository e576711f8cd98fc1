#pragma once

#include "core/Currency.h"
#include "scaleload/BlocoSobDemanda.h"
#include "scaleload/CargaBalBlocos.h"
#include "scaleload/CargaBalTipos.h"
#include "scaleload/TCargaBalNutricional.h"

#include <cstdint>
#include <string>

namespace mvf {

// One product of a load. The sub-objects always exist and go with the item; the five text
// blocks that few items fill are reached with "->" (see BlocoSobDemanda).
class TCargaBalItem {
public:
    std::int32_t Codigo = 0;
    std::string Descricao;
    TCargaBalTipoVenda Tipo = TCargaBalTipoVenda::tpvPeso;
    Currency ValorVenda;
    std::int16_t Validade = 0;
    TCargaBalTipoValidade TipoValidade = TCargaBalTipoValidade::tpvDias;
    std::int16_t ModeloEtiqueta = 0;
    std::string Lote = "0";
    std::int16_t ImpValidade = 1;
    std::int16_t ImpEmbalagem = 1;
    std::int16_t CodigoFornecedor = 0;
    std::int32_t CodigoTara = 0;
    std::int16_t CodigoFracionador = 0;
    std::int16_t CodigoConservacao = 0;
    std::int16_t CodigoExtra1 = 0;
    std::int16_t CodigoExtra2 = 0;
    std::string EAN13Fornecedor;
    // Carried for the caller; no format writes them.
    std::int32_t CodigoTexto1 = 0;
    std::int32_t CodigoTexto2 = 0;
    std::int32_t CodigoTexto3 = 0;
    std::int32_t CodigoInfoNutr = 0;

    TCargaBalSetor Setor;
    TCargaBalNutricional Nutricional;
    TCargaBalTaras Tara;
    BlocoSobDemanda<TCargaBalFornecedor> Fornecedor;
    BlocoSobDemanda<TCargaBalFracionador> Fracionador;
    BlocoSobDemanda<TCargaBalConservacao> Conservacao;
    TCargaBalInformacaoExtra InformacaoExtra;
    TCargaBalTeclado Teclado;
    BlocoSobDemanda<TCargaBalExtra1> Extra1;
    BlocoSobDemanda<TCargaBalExtra2> Extra2;

    // The extra-information code for a model, normalised and stored in InformacaoExtra.Codigo
    // for the models whose recipe files key on it: no code for a recipe of fewer than three
    // characters, the item's own code when none was set.
    std::int32_t CodigoInformacaoExtra(TCargaBalModelo modelo);
};

} // namespace mvf
