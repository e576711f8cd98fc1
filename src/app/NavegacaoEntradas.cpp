#include "app/NavegacaoEntradas.h"

namespace mvf {

const std::vector<EntradaNavegacao>& EntradasNavegacao() {
    using A = AcaoNavegacao;
    using T = TipoEntrada;
    static const std::vector<EntradaNavegacao> entradas = {
        {"dxNavBar1Group1", "Etiqueta", T::GrupoExpansivel, false, false, A::Nenhuma},
        {"dxNavBar1Item2", "Imprimir Etiqueta", T::Item, false, false, A::ImprimirEtiqueta},
        {"dxNavBar1Item3", "Cadastro de etiqueta", T::Item, false, false, A::CadastroEtiqueta},
        {"_btnNavBar1Group2", "Sincronização", T::Grupo, false, false, A::Sincronizacao},
        {"_btnNavBar1Group3", "Garga Balança", T::Grupo, false, false, A::CargaBalanca},
        {"dxNavBar1Group6", "Configuração", T::GrupoExpansivel, false, false, A::Nenhuma},
        {"dxNavBar1Item4", "Sincronização", T::Item, true, false, A::Nenhuma},
        {"_btnConfBalanca", "Configuração de balança", T::Item, false, false, A::ConfBalanca},
        {"dxnvbrtmConfirBalIntegrada", "Configuração balança integrada", T::Item, false, false,
         A::BalancaIntegrada},
        {"dxNavBar1Item5", "Configuração do banco de dados", T::Item, true, false, A::Nenhuma},
        {"_btnNavBar1Group4", "Encerrar Sessão", T::Grupo, false, true, A::Encerrar},
        {"_btnNavBar1Group5", "Log sistema", T::Grupo, false, false, A::Log},
    };
    return entradas;
}

} // namespace mvf
