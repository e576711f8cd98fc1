#include "data/EsquemaBanco.h"

#include "core/DateTimeText.h"
#include "data/Query.h"
#include "data/SqlTexto.h"
#include "data/SqliteConnection.h"
#include "data/T_dmDados.h"

#include <stdexcept>

namespace mvf {

namespace {

const char* const sqlVendedor =
    "CREATE TABLE IF NOT EXISTS VENDEDOR (ID INTEGER PRIMARY KEY, NOME VARCHAR(100))";

const char* const sqlFormaPagamento =
    "CREATE TABLE IF NOT EXISTS FORMA_PAGAMENTO (CODIGO VARCHAR(5) PRIMARY KEY, "
    "DESCRICAO VARCHAR(50), MAX_PARCELA INTEGER)";

const char* const sqlCliente =
    "CREATE TABLE IF NOT EXISTS CLIENTE (ID INTEGER PRIMARY KEY, ID_TABELA INTEGER, NOME VARCHAR(120), "
    "RAZAO VARCHAR(120), SINCRONIZADO VARCHAR(1) DEFAULT 'S', CPF_CNPJ VARCHAR(25), IE_RG VARCHAR(25), "
    "ENDERECO VARCHAR(200), ATIVO VARCHAR(6), UF VARCHAR(5), NUMERO VARCHAR(15), BAIRRO VARCHAR(60), "
    "TELEFONE VARCHAR(25), CIDADE VARCHAR(60), CEP VARCHAR(10), EMAIL VARCHAR(120))";

const char* const sqlTabela =
    "CREATE TABLE IF NOT EXISTS TABELA (ID INTEGER INTEGER, ID_ITEM INTEGER PRIMARY KEY, "
    "ID_PARTICIPANTE INTEGER, ID_PRODUTO INTEGER, NOME_TABELA VARCHAR(100), "
    "VALOR DECIMAL (12,2))";

const char* const sqlProduto =
    "CREATE TABLE IF NOT EXISTS PRODUTO (ID INTEGER PRIMARY KEY, DESCRICAO VARCHAR(250), COD_BARRA "
    "VARCHAR(20), "
    "ATIVO VARCHAR(1) DEFAULT 'S', ESTOQUE DECIMAL (12,2), DESC_MAXIMO DECIMAL (12,2), FOTO1 BLOB, FOTO2 "
    "BLOB, "
    "FOTO3 BLOB, URL1 VARCHAR(200), URL2 VARCHAR(200), URL3 VARCHAR(200), UNIDADE VARCHAR(20), COD_ORIG "
    "TEXT, "
    "COD_FAB TEXT, VALOR_REAL DECIMAL (12,2), VALOR_PROMOCAO DECIMAL (12,2), VALOR DECIMAL (12,2))";

const char* const sqlCidade =
    "CREATE TABLE IF NOT EXISTS CIDADE (ID INTEGER PRIMARY KEY, UF VARCHAR(5), NOME VARCHAR(80))";

const char* const sqlPedidos =
    "CREATE TABLE IF NOT EXISTS NOTA (ID INTEGER PRIMARY KEY AUTOINCREMENT, ID_PEDIDOEXTERNO VARCHAR(12), "
    "IDENTIFICADOR_INTERNO VARCHAR(20), IDMARIVELTA INTEGER, STATUS VARCHAR(1), SINCRONIZADO VARCHAR(1), "
    "DATA_CRIACAO DATETIME, DATA_SINCRONIZACAO VARCHAR(25), ID_CLIENTE INTEGER, NOME_CLIENTE VARCHAR(200), "
    "DOC_CLIENTE VARCHAR(30), CLIENTE_SINCRONIZADO VARCHAR(1), ID_VENDEDOR INTEGER, IDTEMP VARCHAR(30), "
    "NOME_VENDEDOR VARCHAR(60), OBSERVACAO VARCHAR(600), ID_TABELA INTEGER, NOME_TABELA VARCHAR(60), "
    "VALOR_DESCONTO_ITENS DECIMAL (12,2), VALOR_DESCONTO DECIMAL (12,2), PERC_DESCONTO DECIMAL (12,2), "
    "VALORSUBTOTAL DECIMAL (12,2), VALORTOTAL DECIMAL (12,2));\n"
    "CREATE TABLE IF NOT EXISTS ITENS (ID INTEGER PRIMARY KEY AUTOINCREMENT, ID_PRODUTO INTEGER, ID_NOTA "
    "INTEGER, "
    "ID_AREA TEXT, DESCRICAO VARCHAR(200), UNIDADE VARCHAR(20), VALOR DECIMAL (12,2), QUANTIDADE DECIMAL "
    "(12,2), "
    "VALOR_DESC DECIMAL (12,2), PERC_DESC DECIMAL (12,2), TOTAL DECIMAL (12,2));\n"
    "CREATE TABLE IF NOT EXISTS CONTAS (ID INTEGER PRIMARY KEY AUTOINCREMENT, ID_NOTA INTEGER, QTD_PARCELA "
    "INTEGER, "
    "CODIGO VARCHAR(10), DESCRICAO VARCHAR(200), VALOR DECIMAL (12,2));";

const char* const sqlAreaNota = "CREATE TABLE IF NOT EXISTS AREA_NOTA (ID INTEGER PRIMARY KEY AUTOINCREMENT, "
                                "ID_NOTA INTEGER, CHAVE TEXT, DESCRICAO TEXT, TOTAL DECIMAL (12,2))";

const char* const sqlConfigRow = "INSERT OR IGNORE INTO CONFIG(ID) VALUES(1);";

const char* const sqlEtiqueta = "CREATE TABLE IF NOT EXISTS ETIQUETA (ID INTEGER PRIMARY KEY AUTOINCREMENT, "
                                "NOME VARCHAR(50), DESCRICAO VARCHAR(100))";

std::string trigger(const std::string& nome, const std::string& tabela) {
    return "CREATE TRIGGER IF NOT EXISTS " + nome + "\n" + "AFTER INSERT ON " + tabela +
           "\n"
           "FOR EACH ROW\n"
           "WHEN (NEW.ID IS NULL)\n"
           "BEGIN\n"
           "UPDATE " +
           tabela +
           " SET ID = (select hex( randomblob(4)) || '-' || hex( randomblob(2))\n"
           "|| '-' || '4' || substr( hex( randomblob(2)), 2) || '-'\n"
           "|| substr('AB89', 1 + (abs(random()) % 4) , 1)) WHERE rowid = NEW.rowid;\n"
           "END;";
}

void executar(SqliteConnection& conexao, const std::string& sql) {
    Query query(conexao);
    query.setSQL(sql);
    query.execSQL();
}

bool existe(SqliteConnection& conexao, const std::string& sql) {
    Query query(conexao);
    query.setSQL(sql);
    query.open();
    return !query.isEmpty();
}

} // namespace

std::string EsquemaBanco::sqlConfig(const std::string& identificador, const std::string& dataSincronia) {
    return "CREATE TABLE IF NOT EXISTS CONFIG (ID INTEGER PRIMARY KEY DEFAULT 1, IDENTIFICADOR VARCHAR(100) "
           "DEFAULT " +
           QuotedStr(identificador) + ", VERSAO VARCHAR(6) DEFAULT " + QuotedStr("1.0.0") +
           ", CONFIG_INICIAL VARCHAR(6) DEFAULT 'true', LOGIN VARCHAR(60), SENHA VARCHAR(20), "
           "LOGIN_VALIDO VARCHAR (1) DEFAULT 'N', OLHO_ABERTO VARCHAR (1) DEFAULT 'A', ID_MARIVELTA INTEGER, "
           "RAZAO VARCHAR(200), FANTASIA VARCHAR(200), CNPJ TEXT, TELEFONE TEXT, ENDERECO TEXT, BAIRRO TEXT, "
           "CIDADE TEXT, UF TEXT, NUMERO TEXT, LEMBRAR TEXT, GRUPO_EMPRESA_ID INTEGER, EMPRESA_CODIGO "
           "INTEGER, "
           "ACESSA_VENDA VARCHAR(6), ACESSA_GERENCIAL VARCHAR(6), PERMITE_ALTERAR_VALOR TEXT, "
           "DATA_SINCRONIA VARCHAR(40) DEFAULT " +
           QuotedStr(dataSincronia) +
           ", ID_VENDEDOR_PADRAO INTEGER, NOME_VENDEDOR_PADRAO VARCHAR(100), LOGADO VARCHAR(1) DEFAULT 'N', "
           "VALIDADE_TOKEN VARCHAR(20), LOGO BLOB, TOKEN VARCHAR(100))";
}

std::string EsquemaBanco::sqlTriggers() {
    return trigger("GEN_IDITENS", "ITENS") + "\n\n" + trigger("GEN_IDCONTAS", "CONTAS");
}

void EsquemaBanco::Criar(SqliteConnection& conexao) {
    auto guard = conexao.lock();
    try {
        // One transaction: a start that fails part-way leaves the file as it found it, and
        // the set-up costs one disk sync instead of one per statement.
        conexao.exec("BEGIN IMMEDIATE");
        const std::string codigo = T_dmDados::GerarCodigoAleatorio(20, 2);
        executar(conexao, sqlConfig(codigo, dateTimeToText(DateTime::now())));
        for (const char* sql : {sqlVendedor, sqlFormaPagamento, sqlCliente, sqlTabela, sqlProduto, sqlCidade})
            executar(conexao, sql);
        executar(conexao, sqlPedidos);
        executar(conexao, sqlAreaNota);
        executar(conexao, sqlTriggers());
        executar(conexao, sqlConfigRow);
        executar(conexao, sqlEtiqueta);
        AtualizarEstrutura(conexao);
        conexao.exec("COMMIT");
    } catch (const std::exception& e) {
        try {
            conexao.exec("ROLLBACK");
        } catch (const std::exception&) {
            // no transaction was open
        }
        throw std::runtime_error(std::string("erro na criação do banco: ") + e.what());
    }
}

void EsquemaBanco::AtualizarEstrutura(SqliteConnection& conexao) {
    if (!existe(conexao,
                "SELECT * FROM sqlite_master where name='PRODUTO' and sql like'%VALOR_PROMOCAO%' ")) {
        executar(conexao, "ALTER TABLE PRODUTO ADD VALOR_PROMOCAO DECIMAL (12,2);");
        // A table that already has the normal price would otherwise fail here on every start.
        if (!existe(conexao, "SELECT * FROM sqlite_master where name='PRODUTO' and sql like'%VALOR_REAL%' "))
            executar(conexao, "ALTER TABLE PRODUTO ADD VALOR_REAL DECIMAL (12,2);");
    }
    if (!existe(conexao,
                "SELECT * FROM sqlite_master where name='CONFIG' and sql like'%PERMITE_ALTERAR_VALOR%' "))
        executar(conexao, "ALTER TABLE CONFIG ADD PERMITE_ALTERAR_VALOR TEXT;");
}

} // namespace mvf
