#include "ErpTeste.h"

#include "data/LoginErp.h"

namespace mvf {
namespace {

using test::ErpTeste;
using Login = ErpTeste;

const std::string semRede = "falha na conexão com o servidor, verifique sua rede!";

TEST_F(Login, AceitoGravaConfigERegistro) {
    std::string erro = "lixo";
    ASSERT_TRUE(dm.RetornaUsuario("demo", "demo", erro));
    EXPECT_EQ(erro, "");
    EXPECT_EQ(
        valor(
            "SELECT LOGIN || '|' || SENHA || '|' || RAZAO || '|' || FANTASIA || '|' || ACESSA_VENDA || '|' "
            "|| "
            "ACESSA_GERENCIAL || '|' || PERMITE_ALTERAR_VALOR || '|' || ID_MARIVELTA || '|' || "
            "GRUPO_EMPRESA_ID || '|' || EMPRESA_CODIGO || '|' || CNPJ || '|' || TELEFONE || '|' || ENDERECO "
            "|| '|' || BAIRRO || '|' || CIDADE || '|' || UF || '|' || NUMERO || '|' || LOGADO || '|' || "
            "LOGIN_VALIDO FROM CONFIG"),
        "demo|demo|Usuário Demonstração|Mercado Demonstração Ltda|true|true|S|7|1|1|12.345.678/0001-90|(27) "
        "3333-4444|Avenida Central|Centro|Vitória|ES|100|S|S");
    EXPECT_EQ(valor("SELECT typeof(ID_MARIVELTA) || typeof(EMPRESA_CODIGO) FROM CONFIG"), "integerinteger");
    const std::string token = valor("SELECT TOKEN FROM CONFIG");
    EXPECT_EQ(token.size(), 32u);
    TUsuarioLogado u = UsuarioLogado();
    EXPECT_EQ(u.NomeLogin, "demo");
    EXPECT_EQ(u.senha, "demo");
    EXPECT_EQ(u.Fantasia, "Mercado Demonstração Ltda");
    EXPECT_EQ(u.Token, token);
    EXPECT_EQ(u.CodigoEmpresa, 1);
    EXPECT_EQ(u.Codigogrupo, 1);
    EXPECT_EQ(u.Razao, "") << "only the stated fields change";

    auto reqs = requisicoes();
    ASSERT_EQ(reqs.size(), 1u);
    const auto& r = reqs[0];
    EXPECT_EQ(r["metodo"], "POST");
    EXPECT_EQ(r["caminho"], "/api/mobilidade/retornausuario");
    EXPECT_EQ(r["corpo"], R"({"login":"demo","senha":"demo"})");
    EXPECT_EQ(r["cabecalhos"]["accept"], "application/json");
    EXPECT_EQ(r["cabecalhos"]["accept-charset"], "utf-8, *;q=0.8");
    EXPECT_EQ(r["cabecalhos"]["content-type"], "application/json");
    EXPECT_FALSE(r["cabecalhos"].contains("token"));
}

TEST_F(Login, OutroUsuarioSubstituiOsDadosComPadroesETextosDeNumeros) {
    entrar();
    const std::string senha = "pão-de-açúcar€";
    std::string erro;
    ASSERT_TRUE(dm.RetornaUsuario("maria", senha, erro)) << erro;
    // No "Id", "EmpresaCNPJ", "EmpresaTelefone"; null group; number and Booleans as texts.
    EXPECT_EQ(
        valor("SELECT LOGIN || '|' || SENHA || '|' || FANTASIA || '|' || ACESSA_VENDA || '|' || "
              "ACESSA_GERENCIAL || '|' || PERMITE_ALTERAR_VALOR || '|' || ID_MARIVELTA || '|' || "
              "GRUPO_EMPRESA_ID || '|' || EMPRESA_CODIGO || '|' || CNPJ || '|' || TELEFONE || '|' || NUMERO "
              "FROM CONFIG"),
        "maria|" + senha + "|Padaria \"Pão Quente\"|false|false|N|0|0|2|||12");
    EXPECT_EQ(UsuarioLogado().CodigoEmpresa, 2);
    EXPECT_EQ(UsuarioLogado().senha, senha);
    // The body is plain ASCII: everything above 127 travels as \u escapes.
    const std::string corpo = requisicoes().back()["corpo"];
    EXPECT_EQ(corpo, R"({"login":"maria","senha":"p\u00E3o-de-a\u00E7\u00FAcar\u20AC"})");
}

TEST_F(Login, CorpoEscapaControlesAspasEForaDoBmp) {
    EXPECT_EQ(LoginErp::CorpoLogin("a\"b\\c", "x\ty\n\x01 😀\x7f"),
              "{\"login\":\"a\\\"b\\\\c\",\"senha\":\"x\\u0009y\\u000A\\u0001 \\uD83D\\uDE00\x7f\"}");
}

TEST_F(Login, SenhaRecusadaMantemOsDadosAnteriores) {
    entrar();
    const std::string antes = valor("SELECT LOGIN || TOKEN || FANTASIA FROM CONFIG");
    const TUsuarioLogado registro = UsuarioLogado();
    std::string erro;
    EXPECT_FALSE(dm.RetornaUsuario("demo", "errada", erro));
    EXPECT_EQ(erro, "Usuário ou senha inválidos!");
    EXPECT_EQ(valor("SELECT LOGIN_VALIDO FROM CONFIG"), "N");
    EXPECT_EQ(valor("SELECT LOGIN || TOKEN || FANTASIA FROM CONFIG"), antes);
    EXPECT_EQ(UsuarioLogado(), registro);
}

struct FalhaLogin {
    const char* nome;
    const char* tipo;
    std::string erroEsperado; // a prefix
};

class LoginComFalha : public ErpTeste, public ::testing::WithParamInterface<FalhaLogin> {};

TEST_P(LoginComFalha, TerminaNaMensagemCertaSemMudarNada) {
    entrar();
    dm.LoginValidado("S");
    const std::string antes = valor("SELECT LOGIN || TOKEN FROM CONFIG");
    falha("retornausuario", GetParam().tipo);
    std::string erro;
    EXPECT_FALSE(dm.RetornaUsuario("demo", "demo", erro));
    EXPECT_EQ(erro.substr(0, GetParam().erroEsperado.size()), GetParam().erroEsperado) << erro;
    EXPECT_EQ(valor("SELECT LOGIN_VALIDO FROM CONFIG"), "N");
    EXPECT_EQ(valor("SELECT LOGIN || TOKEN FROM CONFIG"), antes);
}

INSTANTIATE_TEST_SUITE_P(
    Falhas, LoginComFalha,
    ::testing::Values(FalhaLogin{"Erro500", "500", "Erro interno do ERP ao consultar retornausuario"},
                      FalhaLogin{"NaoJson", "html", "Erro 502 na resposta do servidor"},
                      FalhaLogin{"JsonMalformado", "json", "Resposta do servidor não é um JSON válido"},
                      FalhaLogin{"SemMembroObrigatorio", "sem-membro",
                                 "Membro \"TokenAcesso\" não encontrado na resposta do servidor"},
                      FalhaLogin{"ConexaoCaiNoMeio", "queda", semRede}),
    [](const auto& info) { return std::string(info.param.nome); });

TEST_F(Login, ServidorForaDoArOuCertificadoNaoConfiavel) {
    std::string erro;
    dm.erpConfig().caFile.clear();
    EXPECT_FALSE(dm.RetornaUsuario("demo", "demo", erro));
    EXPECT_EQ(erro, semRede) << "the stand-in's own certificate is not trusted by default";

    dm.erpConfig().caFile = (dir / "nao-existe.pem").string();
    EXPECT_FALSE(dm.RetornaUsuario("demo", "demo", erro));
    EXPECT_EQ(erro, semRede);

    dm.erpConfig().caFile = sim.ca().string();
    sim.parar();
    EXPECT_FALSE(dm.RetornaUsuario("demo", "demo", erro));
    EXPECT_EQ(erro, semRede);
    EXPECT_EQ(valor("SELECT LOGIN_VALIDO FROM CONFIG"), "N");
}

TEST_F(Login, RespostaLentaEsgotaOTempoDeLeitura) {
    dm.erpConfig().readTimeoutMs = 1000;
    falha("retornausuario", "lento", 5);
    std::string erro;
    EXPECT_FALSE(dm.RetornaUsuario("demo", "demo", erro));
    EXPECT_EQ(erro, semRede);
}

TEST_F(Login, RedirecionamentoESeguido) {
    falha("retornausuario", "desvio");
    entrar();
    auto reqs = requisicoes();
    ASSERT_EQ(reqs.size(), 2u);
    EXPECT_EQ(reqs[1]["consulta"], "desviado=1");
    EXPECT_EQ(reqs[1]["corpo"], R"({"login":"demo","senha":"demo"})");
    EXPECT_EQ(valor("SELECT LOGIN_VALIDO FROM CONFIG"), "S");
}

TEST_F(Login, FalhaAoGravarDevolveErroDoBanco) {
    executar(
        "CREATE TRIGGER RECUSA BEFORE UPDATE OF TOKEN ON CONFIG BEGIN SELECT RAISE(ABORT, 'disco cheio'); "
        "END;");
    std::string erro;
    EXPECT_FALSE(dm.RetornaUsuario("demo", "demo", erro));
    EXPECT_EQ(erro, "Erro : disco cheio");
    EXPECT_EQ(valor("SELECT LOGIN_VALIDO FROM CONFIG"), "N");
    EXPECT_EQ(UsuarioLogado().Token, "");
}

TEST(TraduzirErroConexao, SoAPrimeiraPalavraRestViraFalhaDeRede) {
    const std::string rede = "falha na conexão com o servidor, verifique sua rede!";
    const std::vector<std::pair<std::string, std::string>> casos = {
        {"REST request failed: Connection refused", rede},
        {"  REST request failed ", rede},
        {"REST", rede},
        {"RESTful falhou", "RESTful falhou"},
        {"rest request failed", "rest request failed"},
        {"Erro REST", "Erro REST"},
        {"  Usuário ou senha inválidos! ", "  Usuário ou senha inválidos! "},
        {"", ""},
    };
    for (const auto& [mensagem, esperado] : casos)
        EXPECT_EQ(TraduzirErroConexao(mensagem), esperado) << "'" << mensagem << "'";
}

TEST(MensagemDeErroErp, MessageOuStatus) {
    EXPECT_EQ(MensagemDeErroErp({401, R"({"Message":"Senha inválida"})"}), "Senha inválida");
    EXPECT_EQ(MensagemDeErroErp({500, R"({"Message":42})"}), "42");
    EXPECT_EQ(MensagemDeErroErp({500, R"({"Erro":"x"})"}), "Erro 500 na resposta do servidor");
    EXPECT_EQ(MensagemDeErroErp({503, "<html>"}), "Erro 503 na resposta do servidor");
    EXPECT_EQ(MensagemDeErroErp({404, ""}), "Erro 404 na resposta do servidor");
}

} // namespace
} // namespace mvf
