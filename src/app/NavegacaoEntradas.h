#pragma once

#include <string>
#include <vector>

namespace mvf {

// What a navigation entry does when clicked.
enum class AcaoNavegacao {
    Nenhuma,
    ImprimirEtiqueta,
    CadastroEtiqueta,
    Sincronizacao,
    CargaBalanca,
    ConfBalanca,
    BalancaIntegrada,
    Encerrar,
    Log,
};

enum class TipoEntrada {
    Grupo,           // a clickable entry of its own
    GrupoExpansivel, // holds the items that follow it, no action of its own
    Item,            // belongs to the expandable group above it
};

struct EntradaNavegacao {
    std::string nome; // object name of the entry's button
    std::string texto;
    TipoEntrada tipo;
    bool oculta;
    bool rodape; // docked at the bottom of the pane
    AcaoNavegacao acao;
};

// The navigation pane's entries in display order.
const std::vector<EntradaNavegacao>& EntradasNavegacao();

} // namespace mvf
