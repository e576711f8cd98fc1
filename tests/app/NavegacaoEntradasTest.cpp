#include "app/NavegacaoEntradas.h"

#include <gtest/gtest.h>

namespace mvf {

TEST(NavegacaoEntradas, GroupsAndItemsComeInDisplayOrderWithTheirActions) {
    using A = AcaoNavegacao;
    using T = TipoEntrada;
    struct Esperado {
        const char* texto;
        T tipo;
        bool oculta;
        A acao;
    };
    const Esperado esperado[] = {
        {"Etiqueta", T::GrupoExpansivel, false, A::Nenhuma},
        {"Imprimir Etiqueta", T::Item, false, A::ImprimirEtiqueta},
        {"Cadastro de etiqueta", T::Item, false, A::CadastroEtiqueta},
        {"Sincronização", T::Grupo, false, A::Sincronizacao},
        {"Garga Balança", T::Grupo, false, A::CargaBalanca},
        {"Configuração", T::GrupoExpansivel, false, A::Nenhuma},
        {"Sincronização", T::Item, true, A::Nenhuma},
        {"Configuração de balança", T::Item, false, A::ConfBalanca},
        {"Configuração balança integrada", T::Item, false, A::BalancaIntegrada},
        {"Configuração do banco de dados", T::Item, true, A::Nenhuma},
        {"Encerrar Sessão", T::Grupo, false, A::Encerrar},
        {"Log sistema", T::Grupo, false, A::Log},
    };
    const auto& entradas = EntradasNavegacao();
    ASSERT_EQ(entradas.size(), std::size(esperado));
    for (std::size_t i = 0; i < entradas.size(); ++i) {
        SCOPED_TRACE(entradas[i].texto);
        EXPECT_EQ(entradas[i].texto, esperado[i].texto);
        EXPECT_EQ(entradas[i].tipo, esperado[i].tipo);
        EXPECT_EQ(entradas[i].oculta, esperado[i].oculta);
        EXPECT_EQ(entradas[i].acao, esperado[i].acao);
        // Only "Encerrar Sessão" is docked at the bottom.
        EXPECT_EQ(entradas[i].rodape, esperado[i].acao == A::Encerrar);
    }
}

} // namespace mvf
