#pragma once

#include "core/Currency.h"

#include <cstdint>
#include <string>

// The plain sub-objects of a load item: each is a block of codes and texts that one companion
// file of the load carries.
namespace mvf {

struct TCargaBalSetor {
    std::int32_t Codigo = 0;
    std::string Descricao;
};

struct TCargaBalTaras {
    std::int32_t Codigo = 0;
    std::string Descricao;
    Currency Valor; // kilograms
    std::int32_t TipoTara = 0;
    Currency ValorMaximoTara;
};

struct TCargaBalFornecedor {
    std::int16_t Codigo = 0;
    std::string Observacao;
    std::string Descricao1;
    std::string Descricao2;
    std::string Descricao3;
    std::string Descricao4;
    std::string Descricao5;
};

struct TCargaBalFracionador {
    std::int16_t Codigo = 0;
    std::string Observacao;
    std::string Descricao1;
    std::string Descricao2;
    std::string Descricao3;
};

struct TCargaBalConservacao {
    std::int16_t Codigo = 0;
    std::string Observacao;
    std::string Descricao1;
    std::string Descricao2;
    std::string Descricao3;
};

struct TCargaBalInformacaoExtra {
    std::int32_t Codigo = 0;
    std::string Observacao;
    std::string Receita; // recipe or ingredients text
};

struct TCargaBalTeclado {
    std::int32_t Tecla = 0; // 0: no key
    std::int32_t Pagina_Teclado = 1;
    std::int32_t Codigo_Teclado = 1;
};

struct TCargaBalExtra1 {
    std::int16_t Codigo = 0;
    std::string Observacao;
    std::string Linha1;
    std::string Linha2;
    std::string Linha3;
    std::string Linha4;
    std::string Linha5;
};

struct TCargaBalExtra2 : TCargaBalExtra1 {};

} // namespace mvf
