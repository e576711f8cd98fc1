#pragma once

#include "data/TUsuarioLogado.h"

#include <functional>
#include <string>

namespace mvf {

// Static routines of the utility unit that belong to the data layer.
class Tutil {
public:
    Tutil() = delete;

    // Replaces the program-wide logged-in user record with a copy of the given one.
    static void setUsuario(const TUsuarioLogado& usuario);
    // Changes some fields of the record in one step (a login updates a few of them).
    static void alterarUsuario(const std::function<void(TUsuarioLogado&)>& alteracao);

    // The database name kept by salvarBancoConfig; nothing else reads it.
    static void setNomeBanco(const std::string& nome);
    static std::string nomeBanco();
};

} // namespace mvf
