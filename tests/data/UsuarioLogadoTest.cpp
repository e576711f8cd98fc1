#include "BancoTeste.h"

#include "core/Locale.h"
#include "data/TextoBooleano.h"
#include "data/Tutil.h"

namespace mvf {
namespace {

using test::BancoTeste;

class UsuarioDoConfig : public BancoTeste {
protected:
    UsuarioDoConfig() { Tutil::setUsuario(TUsuarioLogado{}); }
    ~UsuarioDoConfig() override { Tutil::setUsuario(TUsuarioLogado{}); }
    ScopedLocale locale{Locale::brazilian()};
};

TEST_F(UsuarioDoConfig, LinhaConfigViraORegistroComoAMapeiaATabela) {
    executar(
        "UPDATE CONFIG SET IDENTIFICADOR='ABC123', CONFIG_INICIAL='false', LOGIN='maria', SENHA='s3nh@', "
        "FANTASIA='Mercado Bom', BAIRRO='Centro', TELEFONE='2799', ENDERECO='Rua A', NUMERO='10', "
        "CNPJ='12.345', LEMBRAR='S', PERMITE_ALTERAR_VALOR='N', ID_VENDEDOR_PADRAO=7, EMPRESA_CODIGO=3, "
        "GRUPO_EMPRESA_ID=9, ACESSA_GERENCIAL='true', NOME_VENDEDOR_PADRAO='Zé', UF='ES', "
        "DATA_SINCRONIA='05/03/2024 08:09:10', CIDADE='Vitória', RAZAO='Maria Silva', TOKEN='tk', "
        "ID_MARIVELTA=44");
    TUsuarioLogado u = dm.CarregarUsuarioLogado();
    EXPECT_EQ(u, UsuarioLogado());
    EXPECT_EQ(u.ConfigInicial, "false");
    EXPECT_EQ(u.Identificador, "ABC123");
    EXPECT_EQ(u.NomeLogin, "maria");
    EXPECT_EQ(u.senha, "s3nh@");
    EXPECT_EQ(u.Fantasia, "Mercado Bom");
    EXPECT_EQ(u.Bairro, "Centro");
    EXPECT_EQ(u.Telefone, "2799");
    EXPECT_EQ(u.Endereco, "Rua A");
    EXPECT_EQ(u.Numero, "10");
    EXPECT_EQ(u.Cnpj, "12.345");
    EXPECT_EQ(u.Lembrar, "S");
    EXPECT_EQ(u.PermiteAlterar, "N");
    EXPECT_EQ(u.Id_vendedor, 7);
    EXPECT_EQ(u.CodigoEmpresa, 3);
    EXPECT_EQ(u.Codigogrupo, 9);
    EXPECT_TRUE(u.AcessoGerencial);
    EXPECT_EQ(u.NomeVendedor, "Zé");
    EXPECT_EQ(u.uf, "ES");
    EXPECT_EQ(u.UltimaSinc, "05/03/2024 08:09:10");
    EXPECT_EQ(u.Alerta, "Última sincronzação : 05/03/2024 08:09:10");
    EXPECT_EQ(u.cidade, "Vitória");
    // Not taken from CONFIG.
    EXPECT_EQ(u.Token, "");
    EXPECT_EQ(u.Razao, "");
    EXPECT_EQ(u.Id, 0);
}

TEST_F(UsuarioDoConfig, NulosViramVazioEZero) {
    TUsuarioLogado u = dm.CarregarUsuarioLogado();
    EXPECT_EQ(u.NomeLogin, "");
    EXPECT_EQ(u.Id_vendedor, 0);
    EXPECT_EQ(u.CodigoEmpresa, 0);
    EXPECT_FALSE(u.AcessoGerencial);
    EXPECT_EQ(u.ConfigInicial, "true");
    EXPECT_EQ(u.Identificador.size(), 20u);
}

TEST_F(UsuarioDoConfig, AlertaFicaVazioComADataZerada) {
    executar("UPDATE CONFIG SET DATA_SINCRONIA='00/00/0000 00:00:00'");
    EXPECT_EQ(dm.CarregarUsuarioLogado().Alerta, "");
}

TEST_F(UsuarioDoConfig, FalhaNoMeioInstalaOQueFoiLidoELevantaOErro) {
    Tutil::alterarUsuario([](TUsuarioLogado& u) { u.Token = "antigo"; });
    executar("UPDATE CONFIG SET LOGIN='maria', DATA_SINCRONIA='não é data'");
    EXPECT_THROW(dm.CarregarUsuarioLogado(), std::exception);
    TUsuarioLogado u = UsuarioLogado();
    EXPECT_EQ(u.NomeLogin, "maria");
    EXPECT_EQ(u.Token, "") << "the record is replaced as a whole";
    EXPECT_EQ(u.Alerta, "");
}

TEST(TextoBooleano, ComoOTextoDoAcessoGerencialELido) {
    ScopedLocale locale(Locale::brazilian());
    const std::vector<std::pair<std::string, bool>> casos = {
        {"true", true}, {"TRUE", true},   {"True", true},   {"1", true},      {"-1", true},   {"2", true},
        {"0,5", true},  {" true ", true}, {"false", false}, {"FALSE", false}, {"0", false},   {"", false},
        {"sim", false}, {"S", false},     {"0,0", false},   {"1x", false},    {"0x1", false}, {"inf", false},
    };
    for (const auto& [texto, esperado] : casos)
        EXPECT_EQ(TextoBooleano(texto), esperado) << "'" << texto << "'";
}

TEST_F(UsuarioDoConfig, AcessoGerencialVazioEFalso) {
    executar("UPDATE CONFIG SET ACESSA_GERENCIAL=''");
    EXPECT_FALSE(dm.CarregarUsuarioLogado().AcessoGerencial);
    executar("UPDATE CONFIG SET ACESSA_GERENCIAL='True'");
    EXPECT_TRUE(dm.CarregarUsuarioLogado().AcessoGerencial);
}

} // namespace
} // namespace mvf
