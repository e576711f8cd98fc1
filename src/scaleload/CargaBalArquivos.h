#pragma once

#include "scaleload/CargaBalTipos.h"
#include "scaleload/CargaLinhas.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace mvf {

// The files a load can hold, in the order they are saved.
enum class CargaBalPapel {
    Itens,
    Setores,
    InformacaoExtra,
    Nutricional,
    ProdutoNutricional,
    ProdutoReceita,
    Taras,
    Fornecedores,
    Fracionadores,
    CampoExtra1,
    CampoExtra2,
    Conservacao,
    Teclas,
};

constexpr std::size_t kPapeisCarga = 13;

// The file name of a role for a model; empty when the model never writes that role.
std::string_view nomeArquivoCarga(TCargaBalModelo modelo, CargaBalPapel papel);

// One line list per role.
class CargaBalListas {
public:
    CargaLinhas& operator[](CargaBalPapel papel) { return listas_[static_cast<std::size_t>(papel)]; }
    const CargaLinhas& operator[](CargaBalPapel papel) const {
        return listas_[static_cast<std::size_t>(papel)];
    }

private:
    std::array<CargaLinhas, kPapeisCarga> listas_;
};

} // namespace mvf
