#include "BancoTeste.h"

#include "data/DatabaseError.h"

#include <thread>

namespace mvf {
namespace {

using test::BancoTeste;
using Query_ = BancoTeste;

TEST_F(Query_, ParametrosNomeadosComoTextoOuInteiro) {
    auto q = dm.getInstanciaQuery();
    EXPECT_FALSE(q->active());
    q->setSQL("INSERT INTO VENDEDOR(ID, NOME) VALUES(:PID, :PNOME)");
    q->paramInteger("PID", 12);
    q->paramText(":PNOME", "D'Ávila \"Zé\" 🍞");
    EXPECT_EQ(q->execSQL(), 1);
    EXPECT_EQ(valor("SELECT typeof(ID) || typeof(NOME) FROM VENDEDOR"), "integertext");
    EXPECT_EQ(valor("SELECT NOME FROM VENDEDOR WHERE ID=12"), "D'Ávila \"Zé\" 🍞");

    // The same name twice in one statement is one parameter.
    q->setSQL("UPDATE VENDEDOR SET NOME = :PNOME || '-' || :PNOME WHERE ID = :PID");
    q->paramText("PNOME", "x");
    EXPECT_EQ(q->execSQL(), 1);
    EXPECT_EQ(valor("SELECT NOME FROM VENDEDOR"), "x-x");
}

TEST_F(Query_, ContagemDeLinhasAfetadas) {
    executar("INSERT INTO VENDEDOR VALUES(1,'a'); INSERT INTO VENDEDOR VALUES(2,'b'); INSERT INTO VENDEDOR "
             "VALUES(3,'c');");
    auto q = dm.getInstanciaQuery();
    q->setSQL("UPDATE VENDEDOR SET NOME='z' WHERE ID >= 2");
    EXPECT_EQ(q->execSQL(), 2);
    q->setSQL("UPDATE VENDEDOR SET NOME='z' WHERE ID = 99");
    EXPECT_EQ(q->execSQL(), 0);
    // A script adds the rows of each statement; DDL after DML adds nothing.
    q->setSQL("DELETE FROM VENDEDOR WHERE ID=1; CREATE TABLE IF NOT EXISTS T1(X); INSERT INTO VENDEDOR "
              "VALUES(4,'d');");
    EXPECT_EQ(q->execSQL(), 2);
    q->setSQL("CREATE TABLE IF NOT EXISTS T2(X)");
    EXPECT_EQ(q->execSQL(), 0);
}

TEST_F(Query_, ScriptComVariasInstrucoesRodaTodasEmOrdem) {
    auto q = dm.getInstanciaQuery();
    q->setSQL("INSERT INTO VENDEDOR VALUES(1,'um');\n\nINSERT INTO VENDEDOR VALUES(2,:PNOME);\n"
              "UPDATE VENDEDOR SET NOME = NOME || '!' WHERE ID = 1;\n-- fim\n");
    q->paramText("PNOME", "dois");
    EXPECT_EQ(q->execSQL(), 3);
    EXPECT_EQ(valor("SELECT group_concat(NOME, ',') FROM (SELECT NOME FROM VENDEDOR ORDER BY ID)"),
              "um!,dois");
}

TEST_F(Query_, FalhaNoMeioDoScriptDeixaOQueJaRodou) {
    auto q = dm.getInstanciaQuery();
    q->setSQL("INSERT INTO VENDEDOR VALUES(1,'um'); INSERT INTO VENDEDOR VALUES(1,'de novo'); INSERT INTO "
              "VENDEDOR VALUES(3,'tres');");
    try {
        q->execSQL();
        FAIL() << "expected a uniqueness error";
    } catch (const DatabaseError& e) {
        EXPECT_NE(std::string(e.what()).find("UNIQUE"), std::string::npos) << e.what();
    }
    EXPECT_EQ(valor("SELECT count(*) FROM VENDEDOR"), "1");
}

TEST_F(Query_, AbrirLeLinhasECampos) {
    executar("INSERT INTO PRODUTO(ID, DESCRICAO, VALOR) VALUES(5, 'PAO', 0.5), (6, 'LEITE', 4)");
    auto q = dm.getInstanciaQuery();
    q->setSQL("SELECT ID, DESCRICAO, VALOR, COD_BARRA FROM PRODUTO WHERE ID >= :PMIN ORDER BY ID");
    q->paramInteger("PMIN", 0);
    q->open();
    ASSERT_TRUE(q->active());
    EXPECT_EQ(q->recordCount(), 2u);
    EXPECT_EQ(q->fieldByName("id").asInteger(), 5);
    EXPECT_EQ(q->fieldByName("DESCRICAO").asString(), "PAO");
    EXPECT_DOUBLE_EQ(q->fieldByName("VALOR").asFloat(), 0.5);
    EXPECT_TRUE(q->fieldByName("COD_BARRA").isNull());
    EXPECT_EQ(q->fieldByName("COD_BARRA").asString(), "");
    q->next();
    EXPECT_EQ(q->fieldByName("VALOR").asString(), "4");
    q->next();
    EXPECT_TRUE(q->eof());
    EXPECT_THROW(q->fieldByName("ID"), DatabaseError);
}

TEST_F(Query_, ErrosClaros) {
    auto q = dm.getInstanciaQuery();
    q->setSQL("SELECT * FROM VENDEDOR WHERE ID = :PID");
    EXPECT_THROW(q->open(), DatabaseError) << "a parameter without value";
    q->setSQL("SELECT * FROM NAO_EXISTE");
    try {
        q->open();
        FAIL();
    } catch (const DatabaseError& e) {
        EXPECT_NE(std::string(e.what()).find("no such table"), std::string::npos) << e.what();
    }
    q->setSQL("SELECT 1 AS A");
    q->open();
    EXPECT_THROW(q->fieldByName("B"), DatabaseError);
}

// The UI thread and workers share the connection. Each operation (here a two-statement
// script whose second statement reads what the first wrote) must see only its own work.
TEST_F(Query_, ConexaoCompartilhadaPorVariasThreads) {
    constexpr int threads = 6;
    constexpr int porThread = 60;
    std::vector<std::thread> pool;
    std::atomic<int> falhas{0};
    std::vector<std::string> erros(threads);
    for (int t = 0; t < threads; ++t) {
        pool.emplace_back([&, t] {
            try {
                for (int i = 0; i < porThread; ++i) {
                    const int id = t * 1000 + i;
                    auto q = dm.getInstanciaQuery();
                    q->setSQL(
                        "INSERT INTO VENDEDOR(ID, NOME) VALUES(:PID, :PNOME); SELECT last_insert_rowid(), "
                        "changes();");
                    q->paramInteger("PID", id);
                    std::string nome = "t";
                    nome += std::to_string(t);
                    q->paramText("PNOME", nome);
                    q->open();
                    if (q->fieldByName("last_insert_rowid()").asInteger() != id ||
                        q->fieldByName("changes()").asInteger() != 1)
                        ++falhas;
                    switch (i % 3) {
                    case 0:
                        dm.LoginValidado(t % 2 ? "S" : "N");
                        break;
                    case 1:
                        dm.ConfiguracaoInicial();
                        break;
                    default: {
                        std::string erro;
                        if (!dm.PostUltimaSincronia(erro))
                            ++falhas;
                    }
                    }
                }
            } catch (const std::exception& e) {
                erros[t] = e.what();
                ++falhas;
            }
        });
    }
    for (auto& th : pool)
        th.join();
    for (const auto& e : erros)
        EXPECT_EQ(e, "");
    EXPECT_EQ(falhas.load(), 0);
    EXPECT_EQ(valor("SELECT count(*) FROM VENDEDOR"), std::to_string(threads * porThread));
}

} // namespace
} // namespace mvf
