#include "ErpTeste.h"

#include <array>
#include <cstdio>
#include <cstdlib>

namespace mvf {
namespace {

// mvf login / mvf sincronizar as a shop's script runs them: a real process on MARIVELTA_HOME.
class ComandosErp : public test::ErpTeste {
protected:
    struct Resultado {
        int codigo;
        std::string saida; // stdout and stderr together
    };
    Resultado mvf(const std::string& argumentos) {
        std::string comando = "MARIVELTA_HOME='" + dir.path().string() + "' MARIVELTA_ERP_URL='" + sim.url() +
                              "' MARIVELTA_ERP_CA='" + sim.ca().string() + "' " MVF_CLI " " + argumentos +
                              " 2>&1";
        FILE* p = ::popen(comando.c_str(), "r");
        Resultado r{-1, {}};
        std::array<char, 4096> buffer;
        while (std::size_t n = std::fread(buffer.data(), 1, buffer.size(), p))
            r.saida.append(buffer.data(), n);
        int status = ::pclose(p);
        r.codigo = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        return r;
    }
};

TEST_F(ComandosErp, LoginESincronizacaoCompleta) {
    auto semLogin = mvf("sincronizar");
    EXPECT_EQ(semLogin.codigo, 1);
    auto recusado = mvf("login --usuario demo --senha errada");
    EXPECT_EQ(recusado.codigo, 1);
    EXPECT_EQ(recusado.saida, "Usuário ou senha inválidos!\n");
    auto vazio = mvf("login --usuario '  ' --senha demo");
    EXPECT_EQ(vazio.saida, "Usúario não informado!\n");

    auto login = mvf("login --usuario ' demo ' --senha demo");
    ASSERT_EQ(login.codigo, 0) << login.saida;
    EXPECT_EQ(valor("SELECT LOGIN || LOGIN_VALIDO FROM CONFIG"), "demoS");

    auto sinc = mvf("sincronizar");
    ASSERT_EQ(sinc.codigo, 0) << sinc.saida;
    EXPECT_NE(sinc.saida.find("Produtos - 300 de 300\n"), std::string::npos);
    EXPECT_NE(sinc.saida.find("Dados sincronizado com sucesso!\nData da ultima sicronização : "),
              std::string::npos);
    EXPECT_EQ(valor("SELECT CONFIG_INICIAL FROM CONFIG"), "false");
    EXPECT_EQ(valor("SELECT count(*) FROM CIDADE"), "5563");

    const std::string antes = valor("SELECT DATA_SINCRONIA FROM CONFIG");
    falha("RetornaTodosClientes", "500");
    auto falhou = mvf("sincronizar");
    EXPECT_EQ(falhou.codigo, 1);
    EXPECT_NE(falhou.saida.find("Erro interno do ERP ao consultar RetornaTodosClientes\n"),
              std::string::npos);
    EXPECT_EQ(valor("SELECT DATA_SINCRONIA FROM CONFIG"), antes);
}

} // namespace
} // namespace mvf
