#include "BancoTeste.h"

#include "core/DateTimeText.h"
#include "data/Tutil.h"

#include <map>
#include <regex>
#include <set>

namespace mvf {
namespace {

using test::BancoTeste;

class Config : public BancoTeste {
protected:
    ScopedLocale locale{Locale::brazilian()};
};

TEST_F(Config, ConfiguracaoInicialSoEVerdadeComOTextoExatoTrue) {
    const std::vector<std::pair<std::string, bool>> casos = {
        {"'true'", true},   {"'True'", false}, {"'TRUE'", false}, {"'false'", false},
        {"' true'", false}, {"''", false},     {"NULL", false},   {"1", false},
    };
    for (const auto& [sql, esperado] : casos) {
        executar("UPDATE CONFIG SET CONFIG_INICIAL = " + sql);
        EXPECT_EQ(dm.ConfiguracaoInicial(), esperado) << sql;
    }
}

TEST_F(Config, AtualizacoesGravamOTextoDado) {
    dm.StatusdConfiguracaoInicial("false");
    dm.LembrarLogin("S");
    dm.LoginValidado("S");
    EXPECT_EQ(valor("SELECT CONFIG_INICIAL || '|' || LEMBRAR || '|' || LOGIN_VALIDO FROM CONFIG"),
              "false|S|S");
    dm.LembrarLogin("N");
    dm.LoginValidado("N");
    EXPECT_EQ(valor("SELECT LEMBRAR || LOGIN_VALIDO FROM CONFIG"), "NN");
    EXPECT_EQ(valor("SELECT typeof(LEMBRAR) FROM CONFIG"), "text");
    // Texts with quotes go through parameters untouched.
    dm.LembrarLogin("O'Brien");
    EXPECT_EQ(valor("SELECT LEMBRAR FROM CONFIG"), "O'Brien");
}

TEST_F(Config, UltimaSincroniaVaziaEnquantoAPrimeiraSincronizacaoPende) {
    executar("UPDATE CONFIG SET DATA_SINCRONIA = '05/03/2024 08:09:10'");
    for (const char* estado : {"true", "False", ""}) {
        executar(std::string("UPDATE CONFIG SET CONFIG_INICIAL = '") + estado + "'");
        EXPECT_EQ(dm.GetUltimaSincronia(), "") << estado;
    }
    executar("UPDATE CONFIG SET CONFIG_INICIAL = 'false'");
    EXPECT_EQ(dm.GetUltimaSincronia(), "Data da ultima sicronização : 05/03/2024 08:09:10");
    executar("UPDATE CONFIG SET DATA_SINCRONIA = '05/03/2024'");
    EXPECT_EQ(dm.GetUltimaSincronia(), "Data da ultima sicronização : 05/03/2024 00:00:00");
    executar("UPDATE CONFIG SET DATA_SINCRONIA = 'ontem'");
    EXPECT_THROW(dm.GetUltimaSincronia(), std::invalid_argument);
}

TEST_F(Config, PostUltimaSincroniaGravaOMomentoAtual) {
    executar("UPDATE CONFIG SET DATA_SINCRONIA = '01/01/2001 01:01:01'");
    std::string erro = "resto";
    DateTime antes = DateTime::now();
    EXPECT_TRUE(dm.PostUltimaSincronia(erro));
    DateTime depois = DateTime::now();
    EXPECT_EQ(erro, "");
    std::string gravado = valor("SELECT DATA_SINCRONIA FROM CONFIG");
    EXPECT_TRUE(gravado == dateTimeToText(antes) || gravado == dateTimeToText(depois)) << gravado;

    executar("DELETE FROM CONFIG");
    EXPECT_FALSE(dm.PostUltimaSincronia(erro)) << "no row changed";
    EXPECT_EQ(erro, "");
    executar("DROP TABLE CONFIG");
    EXPECT_FALSE(dm.PostUltimaSincronia(erro));
    EXPECT_EQ(erro.rfind("Erro : ", 0), 0u) << erro;
}

TEST_F(Config, SalvarBancoConfigGravaAChaveSemPerderOResto) {
    dm.salvarBancoConfig("banco.db");
    EXPECT_EQ(dir.read("config.ini"), "[CONFIG]\r\nBANCO=banco.db\r\n");
    EXPECT_EQ(Tutil::nomeBanco(), "banco.db");
    dir.write("config.ini", "[OUTRA]\r\nA=1\r\n\r\n[config]\r\nX=2\r\nbanco=velho\r\n\r\n[FIM]\r\nB=3\r\n");
    dm.salvarBancoConfig("loja.db");
    EXPECT_EQ(dir.read("config.ini"),
              "[OUTRA]\r\nA=1\r\n\r\n[config]\r\nX=2\r\nBANCO=loja.db\r\n\r\n[FIM]\r\nB=3\r\n");
    dir.write("config.ini", "[CONFIG]\nX=2\n\n[FIM]\nB=3\n");
    dm.salvarBancoConfig("a.db");
    EXPECT_EQ(dir.read("config.ini"), "[CONFIG]\r\nX=2\r\nBANCO=a.db\r\n\r\n[FIM]\r\nB=3\r\n");
    EXPECT_FALSE(std::filesystem::exists(dir / "config.ini.tmp"));
}

TEST(GerarCodigoAleatorio, CadaTipoUsaSeuAlfabeto) {
    const std::vector<std::pair<int, std::string>> tipos = {
        {1, "[0-9A-Za-z]"}, {2, "[0-9A-Z]"}, {3, "[0-9a-z]"}, {4, "[A-Za-z]"},
        {5, "[0-9]"},       {6, "[A-Z]"},    {7, "[a-z]"},
    };
    const std::map<int, std::size_t> tamanhos = {{1, 62}, {2, 36}, {3, 36}, {4, 52},
                                                 {5, 10}, {6, 26}, {7, 26}};
    for (const auto& [tipo, classe] : tipos) {
        std::string codigo = T_dmDados::GerarCodigoAleatorio(4000, tipo);
        ASSERT_EQ(codigo.size(), 4000u);
        EXPECT_TRUE(std::regex_match(codigo, std::regex(classe + "+"))) << tipo;
        // Every character of the alphabet turns up in a long draw.
        std::set<char> vistos(codigo.begin(), codigo.end());
        EXPECT_EQ(vistos.size(), tamanhos.at(tipo)) << tipo;
    }
    EXPECT_NE(T_dmDados::GerarCodigoAleatorio(20, 2), T_dmDados::GerarCodigoAleatorio(20, 2));
}

TEST(GerarCodigoAleatorio, TipoOuQuantidadeInvalidosDaoTextoVazio) {
    for (auto [count, kind] : std::vector<std::pair<int, int>>{{20, 0}, {20, 8}, {20, -1}, {0, 2}, {-5, 2}})
        EXPECT_EQ(T_dmDados::GerarCodigoAleatorio(count, kind), "") << count << "," << kind;
    EXPECT_EQ(T_dmDados::GerarCodigoAleatorio(1, 5).size(), 1u);
}

} // namespace
} // namespace mvf
