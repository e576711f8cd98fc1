#pragma once

#include "app/T_frmFerramentasMv.h"
#include "app/pages/PaginaLogin.h"
#include "app/pages/PaginaSincronizacao.h"

namespace mvf {

class T_dmDados;

// What the window and its pages read and call, taken from the program's data module.
FonteParametros FonteParametrosDe(T_dmDados& dados);
ServicoLogin ServicoLoginDe(T_dmDados& dados);
ServicoSincronizacao ServicoSincronizacaoDe(T_dmDados& dados);

} // namespace mvf
