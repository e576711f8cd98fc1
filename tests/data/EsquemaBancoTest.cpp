#include "data/EsquemaBanco.h"
#include "core/DateTimeText.h"
#include "data/T_dmDados.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <tuple>

namespace mvf {
namespace {

struct Coluna {
    std::string nome;
    std::string tipo;
    std::string padrao; // as SQLite keeps the default expression; empty when none
    bool chave = false;
};

std::vector<Coluna> colunas(T_dmDados& dm, const std::string& tabela) {
    auto q = dm.getInstanciaQuery();
    q->setSQL("PRAGMA table_info(" + tabela + ")");
    q->open();
    std::vector<Coluna> result;
    for (; !q->eof(); q->next())
        result.push_back({q->fieldByName("name").asString(), q->fieldByName("type").asString(),
                          q->fieldByName("dflt_value").asString(), q->fieldByName("pk").asInteger() > 0});
    return result;
}

std::string valor(T_dmDados& dm, const std::string& sql) {
    auto q = dm.getInstanciaQuery();
    q->setSQL(sql);
    q->open();
    return q->eof() ? std::string("<sem linha>") : q->rows()[0][0].asString();
}

using Esperado = std::vector<std::pair<std::string, std::string>>; // name, declared type

struct TabelaEsperada {
    std::string nome;
    Esperado colunas;
};

const std::vector<TabelaEsperada> tabelas = {
    {"CONFIG",
     {{"ID", "INTEGER"},
      {"IDENTIFICADOR", "VARCHAR(100)"},
      {"VERSAO", "VARCHAR(6)"},
      {"CONFIG_INICIAL", "VARCHAR(6)"},
      {"LOGIN", "VARCHAR(60)"},
      {"SENHA", "VARCHAR(20)"},
      {"LOGIN_VALIDO", "VARCHAR (1)"},
      {"OLHO_ABERTO", "VARCHAR (1)"},
      {"ID_MARIVELTA", "INTEGER"},
      {"RAZAO", "VARCHAR(200)"},
      {"FANTASIA", "VARCHAR(200)"},
      {"CNPJ", "TEXT"},
      {"TELEFONE", "TEXT"},
      {"ENDERECO", "TEXT"},
      {"BAIRRO", "TEXT"},
      {"CIDADE", "TEXT"},
      {"UF", "TEXT"},
      {"NUMERO", "TEXT"},
      {"LEMBRAR", "TEXT"},
      {"GRUPO_EMPRESA_ID", "INTEGER"},
      {"EMPRESA_CODIGO", "INTEGER"},
      {"ACESSA_VENDA", "VARCHAR(6)"},
      {"ACESSA_GERENCIAL", "VARCHAR(6)"},
      {"PERMITE_ALTERAR_VALOR", "TEXT"},
      {"DATA_SINCRONIA", "VARCHAR(40)"},
      {"ID_VENDEDOR_PADRAO", "INTEGER"},
      {"NOME_VENDEDOR_PADRAO", "VARCHAR(100)"},
      {"LOGADO", "VARCHAR(1)"},
      {"VALIDADE_TOKEN", "VARCHAR(20)"},
      {"LOGO", "BLOB"},
      {"TOKEN", "VARCHAR(100)"}}},
    {"PRODUTO",
     {{"ID", "INTEGER"},
      {"DESCRICAO", "VARCHAR(250)"},
      {"COD_BARRA", "VARCHAR(20)"},
      {"ATIVO", "VARCHAR(1)"},
      {"ESTOQUE", "DECIMAL (12,2)"},
      {"DESC_MAXIMO", "DECIMAL (12,2)"},
      {"FOTO1", "BLOB"},
      {"FOTO2", "BLOB"},
      {"FOTO3", "BLOB"},
      {"URL1", "VARCHAR(200)"},
      {"URL2", "VARCHAR(200)"},
      {"URL3", "VARCHAR(200)"},
      {"UNIDADE", "VARCHAR(20)"},
      {"COD_ORIG", "TEXT"},
      {"COD_FAB", "TEXT"},
      {"VALOR_REAL", "DECIMAL (12,2)"},
      {"VALOR_PROMOCAO", "DECIMAL (12,2)"},
      {"VALOR", "DECIMAL (12,2)"}}},
    {"VENDEDOR", {{"ID", "INTEGER"}, {"NOME", "VARCHAR(100)"}}},
    {"FORMA_PAGAMENTO", {{"CODIGO", "VARCHAR(5)"}, {"DESCRICAO", "VARCHAR(50)"}, {"MAX_PARCELA", "INTEGER"}}},
    {"CLIENTE",
     {{"ID", "INTEGER"},
      {"ID_TABELA", "INTEGER"},
      {"NOME", "VARCHAR(120)"},
      {"RAZAO", "VARCHAR(120)"},
      {"SINCRONIZADO", "VARCHAR(1)"},
      {"CPF_CNPJ", "VARCHAR(25)"},
      {"IE_RG", "VARCHAR(25)"},
      {"ENDERECO", "VARCHAR(200)"},
      {"ATIVO", "VARCHAR(6)"},
      {"UF", "VARCHAR(5)"},
      {"NUMERO", "VARCHAR(15)"},
      {"BAIRRO", "VARCHAR(60)"},
      {"TELEFONE", "VARCHAR(25)"},
      {"CIDADE", "VARCHAR(60)"},
      {"CEP", "VARCHAR(10)"},
      {"EMAIL", "VARCHAR(120)"}}},
    {"TABELA",
     {{"ID", "INTEGER INTEGER"},
      {"ID_ITEM", "INTEGER"},
      {"ID_PARTICIPANTE", "INTEGER"},
      {"ID_PRODUTO", "INTEGER"},
      {"NOME_TABELA", "VARCHAR(100)"},
      {"VALOR", "DECIMAL (12,2)"}}},
    {"CIDADE", {{"ID", "INTEGER"}, {"UF", "VARCHAR(5)"}, {"NOME", "VARCHAR(80)"}}},
    {"ETIQUETA", {{"ID", "INTEGER"}, {"NOME", "VARCHAR(50)"}, {"DESCRICAO", "VARCHAR(100)"}}},
    {"NOTA",
     {{"ID", "INTEGER"},
      {"ID_PEDIDOEXTERNO", "VARCHAR(12)"},
      {"IDENTIFICADOR_INTERNO", "VARCHAR(20)"},
      {"IDMARIVELTA", "INTEGER"},
      {"STATUS", "VARCHAR(1)"},
      {"SINCRONIZADO", "VARCHAR(1)"},
      {"DATA_CRIACAO", "DATETIME"},
      {"DATA_SINCRONIZACAO", "VARCHAR(25)"},
      {"ID_CLIENTE", "INTEGER"},
      {"NOME_CLIENTE", "VARCHAR(200)"},
      {"DOC_CLIENTE", "VARCHAR(30)"},
      {"CLIENTE_SINCRONIZADO", "VARCHAR(1)"},
      {"ID_VENDEDOR", "INTEGER"},
      {"IDTEMP", "VARCHAR(30)"},
      {"NOME_VENDEDOR", "VARCHAR(60)"},
      {"OBSERVACAO", "VARCHAR(600)"},
      {"ID_TABELA", "INTEGER"},
      {"NOME_TABELA", "VARCHAR(60)"},
      {"VALOR_DESCONTO_ITENS", "DECIMAL (12,2)"},
      {"VALOR_DESCONTO", "DECIMAL (12,2)"},
      {"PERC_DESCONTO", "DECIMAL (12,2)"},
      {"VALORSUBTOTAL", "DECIMAL (12,2)"},
      {"VALORTOTAL", "DECIMAL (12,2)"}}},
    {"ITENS",
     {{"ID", "INTEGER"},
      {"ID_PRODUTO", "INTEGER"},
      {"ID_NOTA", "INTEGER"},
      {"ID_AREA", "TEXT"},
      {"DESCRICAO", "VARCHAR(200)"},
      {"UNIDADE", "VARCHAR(20)"},
      {"VALOR", "DECIMAL (12,2)"},
      {"QUANTIDADE", "DECIMAL (12,2)"},
      {"VALOR_DESC", "DECIMAL (12,2)"},
      {"PERC_DESC", "DECIMAL (12,2)"},
      {"TOTAL", "DECIMAL (12,2)"}}},
    {"CONTAS",
     {{"ID", "INTEGER"},
      {"ID_NOTA", "INTEGER"},
      {"QTD_PARCELA", "INTEGER"},
      {"CODIGO", "VARCHAR(10)"},
      {"DESCRICAO", "VARCHAR(200)"},
      {"VALOR", "DECIMAL (12,2)"}}},
    {"AREA_NOTA",
     {{"ID", "INTEGER"},
      {"ID_NOTA", "INTEGER"},
      {"CHAVE", "TEXT"},
      {"DESCRICAO", "TEXT"},
      {"TOTAL", "DECIMAL (12,2)"}}},
};

class EsquemaNovo : public ::testing::TestWithParam<TabelaEsperada> {
protected:
    static void SetUpTestSuite() {
        dir = new test::TempDir;
        dm = new T_dmDados(dir->path());
        dm->ConectarBanco();
    }
    static void TearDownTestSuite() {
        delete dm;
        delete dir;
    }
    static test::TempDir* dir;
    static T_dmDados* dm;
};
test::TempDir* EsquemaNovo::dir = nullptr;
T_dmDados* EsquemaNovo::dm = nullptr;

TEST_P(EsquemaNovo, TabelaTemAsColunasNaOrdemComOsTiposDeclarados) {
    const auto& esperado = GetParam();
    auto reais = colunas(*dm, esperado.nome);
    ASSERT_EQ(reais.size(), esperado.colunas.size()) << esperado.nome;
    for (std::size_t i = 0; i < reais.size(); ++i) {
        EXPECT_EQ(reais[i].nome, esperado.colunas[i].first) << esperado.nome << " coluna " << i;
        EXPECT_EQ(reais[i].tipo, esperado.colunas[i].second) << esperado.nome << "." << reais[i].nome;
    }
    for (const auto& c : reais)
        EXPECT_EQ(c.chave, c.nome == (esperado.nome == "TABELA" ? "ID_ITEM" : esperado.colunas[0].first))
            << esperado.nome << "." << c.nome;
}

INSTANTIATE_TEST_SUITE_P(Tabelas, EsquemaNovo, ::testing::ValuesIn(tabelas),
                         [](const auto& info) { return info.param.nome; });

TEST(Esquema, DefaultsDeclarados) {
    test::TempDir dir;
    T_dmDados dm(dir.path());
    dm.ConectarBanco();
    std::map<std::string, std::string> defaults;
    for (const auto& c : colunas(dm, "CONFIG"))
        defaults[c.nome] = c.padrao;
    EXPECT_EQ(defaults["ID"], "1");
    EXPECT_EQ(defaults["VERSAO"], "'1.0.0'");
    EXPECT_EQ(defaults["CONFIG_INICIAL"], "'true'");
    EXPECT_EQ(defaults["LOGIN_VALIDO"], "'N'");
    EXPECT_EQ(defaults["OLHO_ABERTO"], "'A'");
    EXPECT_EQ(defaults["LOGADO"], "'N'");
    EXPECT_EQ(defaults["LOGIN"], "");
    EXPECT_TRUE(std::regex_match(defaults["IDENTIFICADOR"], std::regex("'[0-9A-Z]{20}'")))
        << defaults["IDENTIFICADOR"];
    for (const auto& c : colunas(dm, "PRODUTO"))
        EXPECT_EQ(c.padrao, c.nome == "ATIVO" ? "'S'" : "") << c.nome;
    for (const auto& c : colunas(dm, "CLIENTE"))
        EXPECT_EQ(c.padrao, c.nome == "SINCRONIZADO" ? "'S'" : "") << c.nome;
    EXPECT_EQ(valor(dm, "SELECT sql LIKE '%AUTOINCREMENT%' FROM sqlite_master WHERE name='ETIQUETA'"), "1");
}

TEST(Esquema, PrimeiraAberturaCriaALinhaConfigEOsDoisGatilhos) {
    test::TempDir dir;
    ScopedLocale locale(Locale::brazilian());
    DateTime antes = DateTime::now();
    T_dmDados dm(dir.path());
    dm.ConectarBanco();
    EXPECT_TRUE(std::filesystem::exists(dir / "banco.db"));
    EXPECT_EQ(valor(dm, "SELECT count(*) FROM CONFIG"), "1");
    EXPECT_EQ(valor(dm, "SELECT ID FROM CONFIG"), "1");
    std::string codigo = valor(dm, "SELECT IDENTIFICADOR FROM CONFIG");
    EXPECT_TRUE(std::regex_match(codigo, std::regex("[0-9A-Z]{20}"))) << codigo;
    EXPECT_EQ(valor(dm, "SELECT VERSAO FROM CONFIG"), "1.0.0");
    EXPECT_EQ(valor(dm, "SELECT CONFIG_INICIAL FROM CONFIG"), "true");
    EXPECT_EQ(valor(dm, "SELECT LOGIN_VALIDO || LOGADO || OLHO_ABERTO FROM CONFIG"), "NNA");
    auto criado = tryTextToDateTime(valor(dm, "SELECT DATA_SINCRONIA FROM CONFIG"));
    ASSERT_TRUE(criado.has_value());
    DateTime depois = DateTime::now();
    auto chave = [](const DateTime& d) {
        return std::tuple(d.year, d.month, d.day, d.hour, d.minute, d.second);
    };
    EXPECT_LE(chave(antes), chave(*criado));
    EXPECT_LE(chave(*criado), chave(depois));

    EXPECT_EQ(
        valor(dm, "SELECT group_concat(name, ',') FROM (SELECT name FROM sqlite_master WHERE type='trigger' "
                  "ORDER BY name)"),
        "GEN_IDCONTAS,GEN_IDITENS");
    EXPECT_EQ(valor(dm, "SELECT tbl_name FROM sqlite_master WHERE name='GEN_IDITENS'"), "ITENS");
    EXPECT_EQ(valor(dm, "SELECT tbl_name FROM sqlite_master WHERE name='GEN_IDCONTAS'"), "CONTAS");
}

TEST(Esquema, ScriptDeGatilhosTemAsLinhasDoPrimeiroESegundoSeparadosPorLinhaVazia) {
    std::string script = EsquemaBanco::sqlTriggers();
    auto meio = script.find("\n\n");
    ASSERT_NE(meio, std::string::npos);
    EXPECT_EQ(script.substr(0, meio),
              "CREATE TRIGGER IF NOT EXISTS GEN_IDITENS\n"
              "AFTER INSERT ON ITENS\n"
              "FOR EACH ROW\n"
              "WHEN (NEW.ID IS NULL)\n"
              "BEGIN\n"
              "UPDATE ITENS SET ID = (select hex( randomblob(4)) || '-' || hex( randomblob(2))\n"
              "|| '-' || '4' || substr( hex( randomblob(2)), 2) || '-'\n"
              "|| substr('AB89', 1 + (abs(random()) % 4) , 1)) WHERE rowid = NEW.rowid;\n"
              "END;");
    EXPECT_NE(script.find("CREATE TRIGGER IF NOT EXISTS GEN_IDCONTAS\nAFTER INSERT ON CONTAS", meio),
              std::string::npos);
    EXPECT_NE(script.find("UPDATE CONTAS SET ID", meio), std::string::npos);
}

TEST(Esquema, SegundaAberturaMantemIdentificadorEDataDeCriacao) {
    test::TempDir dir;
    std::string codigo, data;
    {
        T_dmDados dm(dir.path());
        dm.ConectarBanco();
        auto q = dm.getInstanciaQuery();
        // An earlier moment makes a rewrite visible even within the same second.
        q->setSQL("UPDATE CONFIG SET DATA_SINCRONIA = '01/02/2020 10:11:12', LOGIN = 'maria'");
        q->execSQL();
        codigo = valor(dm, "SELECT IDENTIFICADOR FROM CONFIG");
        data = valor(dm, "SELECT sql FROM sqlite_master WHERE name='CONFIG'");
    }
    T_dmDados dm(dir.path());
    dm.ConectarBanco();
    EXPECT_EQ(valor(dm, "SELECT IDENTIFICADOR FROM CONFIG"), codigo);
    EXPECT_EQ(valor(dm, "SELECT DATA_SINCRONIA FROM CONFIG"), "01/02/2020 10:11:12");
    EXPECT_EQ(valor(dm, "SELECT LOGIN FROM CONFIG"), "maria");
    EXPECT_EQ(valor(dm, "SELECT sql FROM sqlite_master WHERE name='CONFIG'"), data);
    EXPECT_EQ(valor(dm, "SELECT count(*) FROM CONFIG"), "1");
}

// Old databases written by earlier versions of the program.
struct BancoAntigo {
    std::string nome;
    std::string sqlAntigo;
    bool temValorReal;
};

class Migracao : public ::testing::TestWithParam<BancoAntigo> {};

TEST_P(Migracao, ColunasQueFaltamSaoAcrescentadasUmaVez) {
    test::TempDir dir;
    {
        SqliteConnection antiga;
        antiga.open(dir / "banco.db");
        antiga.exec(GetParam().sqlAntigo);
    }
    for (int abertura = 0; abertura < 2; ++abertura) {
        T_dmDados dm(dir.path());
        ASSERT_NO_THROW(dm.ConectarBanco()) << "abertura " << abertura;
        auto produto = colunas(dm, "PRODUTO");
        int promocao = 0, real = 0;
        for (const auto& c : produto) {
            promocao += c.nome == "VALOR_PROMOCAO";
            real += c.nome == "VALOR_REAL";
        }
        EXPECT_EQ(promocao, 1);
        EXPECT_EQ(real, 1);
        int permite = 0;
        for (const auto& c : colunas(dm, "CONFIG"))
            permite += c.nome == "PERMITE_ALTERAR_VALOR";
        EXPECT_EQ(permite, 1);
        EXPECT_EQ(valor(dm, "SELECT DESCRICAO FROM PRODUTO WHERE ID=7"), "QUEIJO MINAS");
        EXPECT_EQ(valor(dm, "SELECT LOGIN FROM CONFIG"), "joao");
        EXPECT_EQ(valor(dm, "SELECT IDENTIFICADOR FROM CONFIG"), "ANTIGO00000000000001");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Antigos, Migracao,
    ::testing::Values(
        BancoAntigo{
            "SemPrecosNemPermissao",
            "CREATE TABLE CONFIG (ID INTEGER PRIMARY KEY DEFAULT 1, IDENTIFICADOR VARCHAR(100) DEFAULT "
            "'ANTIGO00000000000001', LOGIN VARCHAR(60));"
            "INSERT INTO CONFIG(ID, LOGIN) VALUES(1, 'joao');"
            "CREATE TABLE PRODUTO (ID INTEGER PRIMARY KEY, DESCRICAO VARCHAR(250), VALOR DECIMAL (12,2));"
            "INSERT INTO PRODUTO VALUES(7, 'QUEIJO MINAS', 39.9);",
            false},
        BancoAntigo{
            "ComPrecoNormalSemPromocao",
            "CREATE TABLE CONFIG (ID INTEGER PRIMARY KEY DEFAULT 1, IDENTIFICADOR VARCHAR(100) DEFAULT "
            "'ANTIGO00000000000001', LOGIN VARCHAR(60), PERMITE_ALTERAR_VALOR TEXT);"
            "INSERT INTO CONFIG(ID, LOGIN) VALUES(1, 'joao');"
            "CREATE TABLE PRODUTO (ID INTEGER PRIMARY KEY, DESCRICAO VARCHAR(250), VALOR_REAL DECIMAL "
            "(12,2));"
            "INSERT INTO PRODUTO VALUES(7, 'QUEIJO MINAS', 39.9);",
            true}),
    [](const auto& info) { return info.param.nome; });

} // namespace
} // namespace mvf
