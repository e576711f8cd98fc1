#include "ErpTeste.h"

#include "data/CatalogoErp.h"
#include "data/CidadesScript.h"

#include <future>
#include <regex>
#include <thread>

namespace mvf {
namespace {

using nlohmann::json;
using test::ErpTeste;

// Records what the status label receives.
struct StatusGravado {
    StatusDados status;
    std::vector<std::string> textos;
    std::vector<std::string> linhasLog;

    StatusGravado() {
        status.setTexto = [this](const std::string& t) { textos.push_back(t); };
        status.produtosAtualizados = [this](int tag, const std::string& linha) {
            EXPECT_EQ(tag, 10);
            linhasLog.push_back(linha);
        };
    }
    bool recebeu(const std::string& t) const {
        return std::find(textos.begin(), textos.end(), t) != textos.end();
    }
};

class Catalogo : public ErpTeste {
protected:
    Catalogo() { entrar(); }

    bool obter(const std::string& entidade, std::string& erro) {
        return dm.GetDados(entidade, gravado.status, erro);
    }
    void obterOk(const std::string& entidade) {
        std::string erro;
        ASSERT_TRUE(obter(entidade, erro)) << erro;
        EXPECT_EQ(erro, "");
    }
    StatusGravado gravado;
};

json produto(int codigo, json extra = json::object()) {
    json p = {{"Codigo", codigo},
              {"Descricao", "PRODUTO " + std::to_string(codigo)},
              {"UrlImagens", json::array()}};
    p.update(extra);
    return p;
}

TEST_F(Catalogo, SincronizacaoCompletaEmBancoNovo) {
    StatusGravado s;
    dm.SincronizaDados(s.status);
    EXPECT_EQ(valor("SELECT count(*) FROM VENDEDOR"), "5");
    EXPECT_EQ(valor("SELECT count(*) FROM FORMA_PAGAMENTO"), "6");
    EXPECT_EQ(valor("SELECT count(*) FROM CLIENTE"), "30");
    EXPECT_EQ(valor("SELECT count(*) FROM PRODUTO"), "300");
    EXPECT_EQ(valor("SELECT count(*) FROM TABELA"), "120");
    EXPECT_EQ(valor("SELECT count(*) FROM CIDADE"), "5563");
    EXPECT_EQ(s.status.Tag, 10);
    ASSERT_EQ(s.linhasLog.size(), 1u);
    EXPECT_TRUE(std::regex_match(s.linhasLog[0],
                                 std::regex(R"(Produtos Atualizados - \d\d/\d\d/\d{4} \d\d:\d\d:\d\d)")))
        << s.linhasLog[0];
    // Status line steps in order, with the first and last progress of each entity.
    std::vector<std::string> esperados = {"Obtendo autorização...",
                                          "Vendedores...",
                                          "Vendedores - 1 de 5",
                                          "Vendedores - 5 de 5",
                                          "Formas de pagamento...",
                                          "Formas de pagamento - 1 de 6",
                                          "Formas de pagamento - 6 de 6",
                                          "Clientes...",
                                          "Clientes - 1 de 30",
                                          "Clientes - 30 de 30",
                                          "Produtos...",
                                          "Produtos - 1 de 300",
                                          "Produtos - 300 de 300",
                                          "Tabela de preço...",
                                          "Tabela de preço - 1 de 2",
                                          "Tabela de preço - 2 de 2",
                                          "Cidades..."};
    std::size_t pos = 0;
    for (const auto& e : esperados) {
        auto it = std::find(s.textos.begin() + pos, s.textos.end(), e);
        ASSERT_NE(it, s.textos.end()) << "falta ou fora de ordem: " << e;
        pos = it - s.textos.begin();
    }
    EXPECT_EQ(valor("SELECT CONFIG_INICIAL FROM CONFIG"), "true") << "the finishing step does that";

    const std::string antes = valor("SELECT DATA_SINCRONIA FROM CONFIG");
    executar("UPDATE CONFIG SET DATA_SINCRONIA = '01/01/2020 10:00:00'");
    std::string ultima = dm.ConcluirSincronizacao();
    EXPECT_TRUE(std::regex_match(
        ultima, std::regex(R"(Data da ultima sicronização : \d\d/\d\d/\d{4} \d\d:\d\d:\d\d)")))
        << ultima;
    EXPECT_NE(ultima, "Data da ultima sicronização : 01/01/2020 10:00:00");
    EXPECT_EQ(valor("SELECT CONFIG_INICIAL FROM CONFIG"), "false");
    EXPECT_EQ(dm.CarregarUsuarioLogado().ConfigInicial, "false");

    // The second run leaves the cities alone.
    StatusGravado segunda;
    dm.SincronizaDados(segunda.status);
    EXPECT_FALSE(segunda.recebeu("Cidades..."));
    EXPECT_EQ(valor("SELECT count(*) FROM CIDADE"), "5563");
    EXPECT_EQ(valor("SELECT count(*) FROM PRODUTO"), "300");
}

TEST_F(Catalogo, RequisicoesSeguemAsConvencoes) {
    for (const char* e : {"Vendedores", "Formas de pagamento", "Clientes", "Produtos", "Tabela de preço"})
        obterOk(e);
    const std::string token = valor("SELECT TOKEN FROM CONFIG");
    const std::string identificador = valor("SELECT IDENTIFICADOR FROM CONFIG");
    const std::string corpo =
        R"({"identificacao":")" + identificador + R"(","configuracaoinicial":"true","empresacodigo":"1"})";
    struct Esperada {
        const char* metodo;
        const char* caminho;
        const char* consulta;
        bool comCorpo;
    };
    const std::vector<Esperada> esperadas = {
        {"GET", "/api/mobilidade/RetornaVendedores", "empresaCodigo=1", false},
        {"GET", "/api/mobilidade/RetornaFormasPagamento", "empresaCodigo=1", false},
        {"POST", "/api/mobilidade/RetornaTodosClientes", "", true},
        {"POST", "/api/mobilidade/RetornaTodosProdutos", "", true},
        {"POST", "/api/mobilidade/RetornaTabelasDePrecoComItens", "empresaCodigo=1", true},
    };
    auto reqs = requisicoes();
    ASSERT_EQ(reqs.size(), 6u);
    for (std::size_t i = 0; i < esperadas.size(); ++i) {
        const auto& r = reqs[i + 1];
        EXPECT_EQ(r["metodo"], esperadas[i].metodo);
        EXPECT_EQ(r["caminho"], esperadas[i].caminho);
        EXPECT_EQ(r["consulta"], esperadas[i].consulta);
        EXPECT_EQ(r["cabecalhos"]["token"], token);
        EXPECT_EQ(r["cabecalhos"]["accept"], "application/json, text/plain; q=0.9, text/html;q=0.8,");
        EXPECT_EQ(r["cabecalhos"]["accept-charset"], "utf-8, *;q=0.8");
        if (esperadas[i].comCorpo) {
            EXPECT_EQ(r["corpo"], corpo);
            EXPECT_EQ(r["cabecalhos"]["content-type"], "application/json");
        } else {
            EXPECT_EQ(r["corpo"], "");
        }
    }
}

TEST_F(Catalogo, ProdutosGravadosComoOErpMandou) {
    resposta(
        "RetornaTodosProdutos",
        json::array(
            {produto(1, {{"Descricao", "QUEIJO D'ÁGUA \"MINAS\" 🧀"},
                         {"CodigoDeBarras", "7891234567895"},
                         {"Unidade", "KG"},
                         {"PrecoUnitario", 39.9},
                         {"PrecoNormal", 44.5},
                         {"PrecoPromocional", 39.9},
                         {"PorcDescontoMaximo", 5},
                         {"Saldo", 12.25},
                         {"Ativo", false},
                         {"CodigoOriginal", 1001},
                         {"CodigoFabricante", "0,150"},
                         {"UrlImagens",
                          {"https://x/1.jpg", "https://x/ção.jpg", "https://x/3.jpg", "https://x/4.jpg"}}}),
             produto(2, {{"PrecoUnitario", nullptr}}), // no Ativo, empty image list, null price
             produto(3, {{"Descricao", "PRIMEIRA"}, {"UrlImagens", {"a"}}}),
             produto(3, {{"Descricao", "SEGUNDA"}, {"UrlImagens", {"b", 5}}})}));
    executar("INSERT INTO PRODUTO(ID, DESCRICAO) VALUES(99, 'FORA DO ERP')");
    obterOk("Produtos");
    auto q = dm.getInstanciaQuery();
    q->setSQL("SELECT * FROM PRODUTO ORDER BY ID");
    q->open();
    ASSERT_EQ(q->recordCount(), 4u) << "a product missing from the answer stays";
    EXPECT_EQ(q->fieldByName("DESCRICAO").asString(), "QUEIJO D'ÁGUA \"MINAS\" 🧀");
    EXPECT_EQ(q->fieldByName("COD_BARRA").asString(), "7891234567895");
    EXPECT_EQ(q->fieldByName("UNIDADE").asString(), "KG");
    EXPECT_DOUBLE_EQ(q->fieldByName("VALOR").asFloat(), 39.9);
    EXPECT_DOUBLE_EQ(q->fieldByName("VALOR_REAL").asFloat(), 44.5);
    EXPECT_DOUBLE_EQ(q->fieldByName("VALOR_PROMOCAO").asFloat(), 39.9);
    EXPECT_DOUBLE_EQ(q->fieldByName("DESC_MAXIMO").asFloat(), 5);
    EXPECT_DOUBLE_EQ(q->fieldByName("ESTOQUE").asFloat(), 12.25);
    EXPECT_EQ(q->fieldByName("ATIVO").asString(), "N");
    EXPECT_EQ(q->fieldByName("COD_ORIG").asString(), "1001");
    EXPECT_EQ(q->fieldByName("COD_FAB").asString(), "0,150");
    EXPECT_EQ(q->fieldByName("URL1").asString(), "https://x/1.jpg");
    EXPECT_EQ(q->fieldByName("URL2").asString(), "https://x/u00E7u00E3o.jpg");
    EXPECT_EQ(q->fieldByName("URL3").asString(), "https://x/3.jpg");
    EXPECT_TRUE(q->fieldByName("FOTO1").isNull());
    q->next();
    EXPECT_EQ(q->fieldByName("ATIVO").asString(), "S");
    EXPECT_DOUBLE_EQ(q->fieldByName("VALOR").asFloat(), 0);
    EXPECT_EQ(q->fieldByName("URL1").asString() + q->fieldByName("URL2").asString() +
                  q->fieldByName("URL3").asString(),
              "");
    EXPECT_EQ(q->fieldByName("COD_BARRA").asString(), "");
    q->next();
    EXPECT_EQ(q->fieldByName("DESCRICAO").asString(), "SEGUNDA");
    EXPECT_EQ(q->fieldByName("URL1").asString(), "b");
    EXPECT_EQ(q->fieldByName("URL2").asString(), "5");
    q->next();
    EXPECT_EQ(q->fieldByName("DESCRICAO").asString(), "FORA DO ERP");
    EXPECT_EQ(valor("SELECT typeof(VALOR) || typeof(ESTOQUE) FROM PRODUTO WHERE ID=1"), "realreal");
    EXPECT_EQ(gravado.status.Tag, 10);
    EXPECT_EQ(gravado.linhasLog.size(), 1u);
}

TEST_F(Catalogo, ListaDeProdutosVaziaNaoSinaliza) {
    resposta("RetornaTodosProdutos", json::array());
    gravado.status.Tag = 3;
    obterOk("Produtos");
    EXPECT_EQ(gravado.status.Tag, 3);
    EXPECT_TRUE(gravado.linhasLog.empty());
    EXPECT_TRUE(gravado.textos.empty());
    EXPECT_EQ(valor("SELECT count(*) FROM PRODUTO"), "0");
}

TEST_F(Catalogo, ClientesFormasEVendedores) {
    resposta("RetornaTodosClientes", json::array({{{"Codigo", 8},
                                                   {"Nome", "  joão d'ávila\t"},
                                                   {"CNPJ_CPF", "123"},
                                                   {"Endereco", "Rua A"},
                                                   {"EnderecoNumero", 15},
                                                   {"Bairro", "Centro"},
                                                   {"Telefone", "2799"},
                                                   {"Cidade", "Serra"},
                                                   {"Ativo", true},
                                                   {"TabelaDePrecoCodigo", 2},
                                                   {"UF", "ES"}},
                                                  {{"Codigo", 9}}}));
    resposta("RetornaFormasPagamento",
             json::array({{{"Codigo", "05"}, {"Descricao", "Cartão débito"}},
                          {{"Codigo", 7}, {"Descricao", "pix"}, {"MaximoParcelas", 3}}}));
    executar("INSERT INTO VENDEDOR VALUES(99, 'SAIU DA EMPRESA')");
    resposta("RetornaVendedores",
             json::array({{{"Codigo", 1}, {"Nome", "Zé O'Neil"}}, {{"Nome", "sem código"}}}));
    for (const char* e : {"Clientes", "Formas de pagamento", "Vendedores"})
        obterOk(e);
    EXPECT_EQ(
        valor(
            "SELECT NOME || '|' || RAZAO || '|' || SINCRONIZADO || '|' || CPF_CNPJ || '|' || IE_RG || '|' || "
            "ENDERECO || '|' || NUMERO || '|' || BAIRRO || '|' || TELEFONE || '|' || CIDADE || '|' || CEP "
            "|| '|' || EMAIL || '|' || ATIVO || '|' || ID_TABELA || '|' || UF FROM CLIENTE WHERE ID=8"),
        "JOÃO D'ÁVILA|JOÃO D'ÁVILA|S|123||Rua A|15|Centro|2799|Serra|||true|2|ES");
    EXPECT_EQ(
        valor(
            "SELECT NOME || '|' || ATIVO || '|' || ID_TABELA || '|' || SINCRONIZADO FROM CLIENTE WHERE ID=9"),
        "||0|S");
    EXPECT_EQ(
        valor(
            "SELECT group_concat(CODIGO || ':' || DESCRICAO || ':' || MAX_PARCELA, ',') FROM (SELECT * FROM "
            "FORMA_PAGAMENTO ORDER BY CODIGO)"),
        "05:CARTÃO DÉBITO:1,7:PIX:3");
    EXPECT_EQ(valor("SELECT group_concat(ID || ':' || NOME, ',') FROM (SELECT * FROM VENDEDOR ORDER BY ID)"),
              "0:sem código,1:Zé O'Neil");
}

TEST_F(Catalogo, NomeDesconhecidoOuComOutraCaixa) {
    for (const char* nome : {"produtos", "PRODUTOS", "Tabela de Preço", "Cidades", ""}) {
        std::string erro;
        EXPECT_FALSE(obter(nome, erro)) << nome;
        EXPECT_EQ(erro, "EndPoint não encontrado");
    }
    EXPECT_EQ(requisicoes().size(), 1u) << "only the login went out";
}

TEST_F(Catalogo, RespostaDiferenteDe200DevolveAMensagem) {
    resposta("RetornaTodosClientes", {{"Message", "Empresa bloqueada"}}, 403);
    std::string erro;
    EXPECT_FALSE(obter("Clientes", erro));
    EXPECT_EQ(erro, "Empresa bloqueada");
    falha("RetornaTodosProdutos", "500");
    EXPECT_FALSE(obter("Produtos", erro));
    EXPECT_EQ(erro, "Erro interno do ERP ao consultar RetornaTodosProdutos");
    EXPECT_EQ(gravado.status.Tag, 0);
}

TEST_F(Catalogo, FalhaNoMeioDosProdutosGuardaOsAnteriores) {
    falha("RetornaTodosProdutos", "sem-membro"); // the third product lacks "UrlImagens"
    std::string erro;
    try {
        obter("Produtos", erro);
        FAIL() << "expected an error";
    } catch (const std::exception& e) {
        EXPECT_STREQ(e.what(), "Membro \"UrlImagens\" não encontrado na resposta do servidor");
    }
    EXPECT_EQ(valor("SELECT group_concat(ID) FROM PRODUTO"), "1,2");
    // The connection is free again afterwards, from another thread too.
    std::thread([&] { EXPECT_NO_THROW(dm.LoginValidado("S")); }).join();
    EXPECT_EQ(valor("SELECT LOGIN_VALIDO FROM CONFIG"), "S");
}

TEST_F(Catalogo, TabelaSemItensPara) {
    falha("RetornaTabelasDePrecoComItens", "sem-membro"); // the second table lacks its items
    std::string erro;
    EXPECT_THROW(obter("Tabela de preço", erro), std::exception);
    EXPECT_EQ(valor("SELECT count(*) FROM TABELA"), "60");
    EXPECT_EQ(
        valor(
            "SELECT ID || ':' || ID_PARTICIPANTE || ':' || NOME_TABELA || ':' || ID_PRODUTO || ':' || VALOR "
            "FROM TABELA WHERE ID_ITEM=1"),
        "1:1:Varejo:1:6");
}

TEST_F(Catalogo, VendedoresAntigosFicamQuandoARespostaNaoPodeSerLida) {
    executar("INSERT INTO VENDEDOR VALUES(99, 'ANTIGO')");
    falha("RetornaVendedores", "json");
    std::string erro;
    EXPECT_THROW(obter("Vendedores", erro), std::exception);
    EXPECT_EQ(valor("SELECT NOME FROM VENDEDOR"), "ANTIGO");
    respostaTexto("RetornaVendedores", R"([{"Codigo":1,"Nome":"A"},{"Codigo":"x"}])");
    falha("RetornaVendedores", "nenhuma");
    EXPECT_THROW(obter("Vendedores", erro), std::exception);
    EXPECT_EQ(valor("SELECT NOME FROM VENDEDOR"), "ANTIGO");
}

TEST_F(Catalogo, SincronizacaoQueFalhaNaoMexeNoEstado) {
    const std::string antes = valor("SELECT CONFIG_INICIAL || DATA_SINCRONIA FROM CONFIG");
    falha("RetornaTodosProdutos", "queda");
    StatusGravado s;
    try {
        dm.SincronizaDados(s.status);
        FAIL();
    } catch (const std::exception& e) {
        EXPECT_EQ(std::string(e.what()).rfind("REST", 0), 0u) << e.what();
    }
    EXPECT_EQ(valor("SELECT CONFIG_INICIAL || DATA_SINCRONIA FROM CONFIG"), antes);
    EXPECT_EQ(valor("SELECT count(*) FROM CLIENTE"), "30") << "entities stored before the failure stay";
    EXPECT_EQ(valor("SELECT count(*) FROM CIDADE"), "0");
    EXPECT_FALSE(s.recebeu("Tabela de preço..."));

    falha("RetornaTodosProdutos", "nenhuma");
    falha("retornausuario", "401");
    try {
        dm.SincronizaDados(s.status);
        FAIL();
    } catch (const std::exception& e) {
        EXPECT_STREQ(e.what(), "Usuário ou senha inválidos!");
    }
}

// The GUI hands each progress text to the UI thread and waits; the UI thread may be using
// the database at that moment, so no callback may run while the connection is locked.
TEST_F(Catalogo, ProgressoNaoSeguraOBanco) {
    int chamadas = 0;
    gravado.status.setTexto = [&](const std::string&) {
        ++chamadas;
        auto outroThread = std::async(std::launch::async, [&] { return dm.ConfiguracaoInicial(); });
        if (outroThread.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
            ADD_FAILURE() << "the connection stayed locked during a callback";
            std::_Exit(1);
        }
        outroThread.get();
    };
    gravado.status.produtosAtualizados = [&](int, const std::string& linha) {
        gravado.status.setTexto(linha);
    };
    for (const char* e : {"Vendedores", "Formas de pagamento", "Clientes", "Produtos", "Tabela de preço"})
        obterOk(e);
    EXPECT_GT(chamadas, 10);
}

TEST(CidadesScript, TodasAsCidadesEmInstrucoesDeDez) {
    const std::string script = CidadesScript();
    EXPECT_EQ(CidadesQuantidade(), 5563);
    std::size_t instrucoes = 0;
    for (std::size_t p = 0;
         (p = script.find("INSERT INTO CIDADE (ID,UF,NOME) VALUES", p)) != std::string::npos; ++p)
        ++instrucoes;
    EXPECT_EQ(instrucoes, 557u);
    EXPECT_EQ(script.find("INSERT OR"), std::string::npos);
    EXPECT_EQ(script.rfind("INSERT INTO CIDADE (ID,UF,NOME) VALUES\n(1,'ES','AFONSO CLAUDIO'),", 0), 0u);
}

TEST(CidadesScript, CarregaUmaVezETudoOuNada) {
    test::TempDir dir;
    T_dmDados dm(dir.path());
    dm.ConectarBanco();
    dm.ExecutarScriptCidades();
    auto q = dm.getInstanciaQuery();
    q->setSQL("SELECT count(*), min(ID), max(ID), sum(ID = 1385), count(DISTINCT UF), sum(NOME LIKE '%''%'), "
              "sum(NOME LIKE '%`%'), (SELECT UF FROM CIDADE WHERE ID = 5564) FROM CIDADE");
    q->open();
    const auto& r = q->rows()[0];
    EXPECT_EQ(r[0].asInteger(), 5563);
    EXPECT_EQ(r[1].asInteger(), 1);
    EXPECT_EQ(r[2].asInteger(), 5564);
    EXPECT_EQ(r[3].asInteger(), 0);
    EXPECT_EQ(r[4].asInteger(), 27);
    EXPECT_EQ(r[5].asInteger(), 0);
    EXPECT_GT(r[6].asInteger(), 0);
    EXPECT_EQ(r[7].asString(), "TO");

    // A leftover row makes the plain inserts fail; nothing of the run stays.
    q->setSQL("DELETE FROM CIDADE WHERE ID <> 4000");
    q->execSQL();
    try {
        dm.ExecutarScriptCidades();
        FAIL();
    } catch (const std::exception& e) {
        EXPECT_NE(std::string(e.what()).find("UNIQUE"), std::string::npos) << e.what();
    }
    q->setSQL("SELECT count(*) FROM CIDADE");
    q->open();
    EXPECT_EQ(q->rows()[0][0].asInteger(), 1);
}

} // namespace
} // namespace mvf

namespace mvf {
namespace {

using CatalogoLimites = test::ErpTeste;

TEST_F(CatalogoLimites, RespostaMaiorQueOLimiteParaSemGravarNada) {
    entrar();
    dm.erpConfig().maxBodyBytes = 20000; // the 300 demo products take about 100 kB
    StatusDados status;
    std::string erro;
    try {
        dm.GetDados("Produtos", status, erro);
        FAIL();
    } catch (const std::exception& e) {
        EXPECT_EQ(std::string(e.what()).rfind("REST", 0), 0u) << e.what();
        EXPECT_NE(std::string(e.what()).find("MB"), std::string::npos) << e.what();
    }
    EXPECT_EQ(valor("SELECT count(*) FROM PRODUTO"), "0");
    EXPECT_EQ(status.Tag, 0);
}

TEST(ErpConfig, EnderecoECaVemDoAmbiente) {
    ::unsetenv("MARIVELTA_ERP_URL");
    ::unsetenv("MARIVELTA_ERP_CA");
    ErpConfig padrao = ErpConfig::fromEnvironment();
    EXPECT_EQ(padrao.baseUrl.rfind("https://", 0), 0u);
    EXPECT_EQ(padrao.baseUrl.substr(padrao.baseUrl.size() - 15), "/api/mobilidade");
    EXPECT_EQ(padrao.caFile, "");
    EXPECT_EQ(padrao.connectTimeoutMs, 30000);
    EXPECT_EQ(padrao.readTimeoutMs, 30000);
    ::setenv("MARIVELTA_ERP_URL", "https://erp.loja.test:9443/api/mobilidade/", 1);
    ::setenv("MARIVELTA_ERP_CA", "/etc/loja/ca.pem", 1);
    ErpConfig ambiente = ErpConfig::fromEnvironment();
    ::unsetenv("MARIVELTA_ERP_URL");
    ::unsetenv("MARIVELTA_ERP_CA");
    EXPECT_EQ(ambiente.caFile, "/etc/loja/ca.pem");
    EXPECT_EQ(ErpClient(ambiente).url("RetornaVendedores?empresaCodigo=3"),
              "https://erp.loja.test:9443/api/mobilidade/RetornaVendedores?empresaCodigo=3");
}

} // namespace
} // namespace mvf
