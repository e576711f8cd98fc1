// Elevation on Windows. Wine runs every program with a full administrator token, so the query is
// checked for real only on that side; whether a relaunch prompt was accepted, refused or failed
// cannot be produced here and is checked on its decision.
#include "platform/Elevacao.h"
#include "platform/windows/PedidoElevacao.h"

// windows.h must come before shellapi.h.
#include <windows.h>

#include <gtest/gtest.h>
#include <shellapi.h>

namespace mvf {

TEST(ElevacaoWindows, AFullAdministratorTokenCountsAsElevated) {
    HANDLE token = nullptr;
    ASSERT_TRUE(OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token));
    TOKEN_ELEVATION_TYPE tipo{};
    DWORD tamanho = 0;
    ASSERT_TRUE(GetTokenInformation(token, TokenElevationType, &tipo, sizeof tipo, &tamanho));
    CloseHandle(token);
    if (tipo != TokenElevationTypeFull)
        GTEST_SKIP() << "this system does not run the tests elevated";
    EXPECT_TRUE(ExecutandoComoAdministrador());
}

struct CasoPedido {
    std::intptr_t retorno;
    unsigned long erro;
    PedidoElevacao esperado;
    const char* mensagem;
};

class PedidoElevacaoTest : public ::testing::TestWithParam<CasoPedido> {};

TEST_P(PedidoElevacaoTest, TheRelaunchIsReadFromShellExecute) {
    const CasoPedido& c = GetParam();
    const PedidoElevacao pedido = InterpretarPedidoElevacao(c.retorno, c.erro);
    EXPECT_EQ(pedido, c.esperado);
    EXPECT_EQ(MensagemPedidoElevacao(pedido, "Acesso negado."), c.mensagem);
}

INSTANTIATE_TEST_SUITE_P(Respostas, PedidoElevacaoTest,
                         ::testing::Values(
                             // Started: the error left over from earlier calls does not matter.
                             CasoPedido{42, ERROR_SUCCESS, PedidoElevacao::Iniciado, ""},
                             CasoPedido{33, ERROR_CANCELLED, PedidoElevacao::Iniciado, ""},
                             // The user said no to the prompt.
                             CasoPedido{SE_ERR_ACCESSDENIED, ERROR_CANCELLED,
                                        PedidoElevacao::NegadoPeloUsuario,
                                        "Permissões administrativas foram negadas pelo usuário."},
                             // 32 is still a failure; so is a refusal for any other reason.
                             CasoPedido{32, ERROR_FILE_NOT_FOUND, PedidoElevacao::Falhou,
                                        "Erro ao solicitar permissões administrativas: Acesso negado."},
                             CasoPedido{SE_ERR_ACCESSDENIED, ERROR_ACCESS_DENIED, PedidoElevacao::Falhou,
                                        "Erro ao solicitar permissões administrativas: Acesso negado."},
                             CasoPedido{0, ERROR_SUCCESS, PedidoElevacao::Falhou,
                                        "Erro ao solicitar permissões administrativas: Acesso negado."}));

} // namespace mvf
