#ifdef MVF_HAS_DATA

#include "data/Query.h"
#include "data/T_dmDados.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace mvf {
namespace {

namespace fs = std::filesystem;

struct Produto {
    std::string codOrig;
    std::string descricao;
    std::string unidade;
    double valor;
    std::string codFab;
    std::string ativo = "S";
};

// A banco.db with the program's schema and the given products (IDs 1, 2, ... in order).
class CargaBancoTest : public ::testing::Test {
protected:
    test::TempDir dir;
    fs::path banco() const { return dir / "banco.db"; }
    fs::path saida() const { return dir / "cargas"; }

    void SetUp() override { fs::create_directories(saida()); }

    void criarBanco(const std::vector<Produto>& produtos) {
        T_dmDados dados(dir.path());
        dados.ConectarBanco();
        auto q = dados.getInstanciaQuery();
        int id = 0;
        for (const Produto& p : produtos) {
            q->setSQL("INSERT INTO PRODUTO (ID, DESCRICAO, UNIDADE, VALOR, COD_ORIG, COD_FAB, ATIVO) VALUES "
                      "(:ID, :D, :U, :V, :O, :F, :A)");
            q->paramInteger("ID", ++id);
            q->paramText("D", p.descricao);
            q->paramText("U", p.unidade);
            q->paramFloat("V", p.valor);
            q->paramText("O", p.codOrig);
            q->paramText("F", p.codFab);
            q->paramText("A", p.ativo);
            q->execSQL();
        }
    }

    struct Execucao {
        int codigo;
        std::string saida;
        std::string erros;
    };

    Execucao executar(const std::string& argumentos) {
        const std::string comando = std::string(MVF_EXECUTABLE) + " carga " + argumentos + " >'" +
                                    (dir / "saida.txt").string() + "' 2>'" + (dir / "erros.txt").string() +
                                    "'";
        const int status = std::system(comando.c_str());
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, test::readFile(dir / "saida.txt"),
                test::readFile(dir / "erros.txt")};
    }

    std::string args(const std::string& modelo, const std::string& extra = "") const {
        return "--modelo " + modelo + " --dir '" + saida().string() + "' --banco '" + banco().string() +
               "' --decimal ," + extra;
    }

    // The first 12 characters of each line of the Ramuza file.
    std::vector<std::string> inicioLinhasRamuza() const {
        std::string texto = test::readFile(saida() / "RAMUZA_ORIGINAL.TXT");
        std::vector<std::string> linhas;
        for (std::size_t pos = 0; pos < texto.size();) {
            std::size_t fim = texto.find("\r\n", pos);
            linhas.push_back(texto.substr(pos, 12));
            pos = fim + 2;
        }
        return linhas;
    }
};

TEST_F(CargaBancoTest, ActiveProductsWithACodeInDescendingTextOrderWithTheRamuzaAdjustment) {
    criarBanco({{"9", "PAO VC3", "UN", 0.5, ""},
                {"10", "QUEIJO MINAS VC15", "KG", 39.9, "0,150"},
                {"123456", "PICANHA", "KG", 79.9, ""},
                {"", "SEM CODIGO", "KG", 1, ""},
                {"77", "INATIVO", "KG", 1, "", "N"}});
    Execucao e = executar(args("modRamuza"));
    ASSERT_EQ(e.codigo, 0) << e.erros;
    EXPECT_EQ(e.saida, fs::absolute(saida() / "RAMUZA_ORIGINAL.TXT").string() + "\n");
    // Text order, highest first: "9", "123456", "10".
    EXPECT_EQ(inicioLinhasRamuza(),
              (std::vector<std::string>{"0009A0000009", "3456A0123456", "0010A0000010"}));
    std::string texto = test::readFile(saida() / "RAMUZA_ORIGINAL.TXT");
    EXPECT_NE(texto.find("##QUEIJO MINAS "), std::string::npos);
    EXPECT_EQ(texto.find("VC15"), std::string::npos);
    EXPECT_EQ(texto.find("INATIVO"), std::string::npos);
    EXPECT_EQ(texto.find("SEM CODIGO"), std::string::npos);
}

TEST_F(CargaBancoTest, TheCodeFieldChoosesTheColumn) {
    criarBanco({{"500", "A", "KG", 1, ""}, {"", "B", "KG", 2, ""}, {"7", "C", "KG", 3, "12"}});
    ASSERT_EQ(executar(args("8", " --campo 1")).codigo, 0);
    EXPECT_EQ(inicioLinhasRamuza(),
              (std::vector<std::string>{"0003A0000003", "0002A0000002", "0001A0000001"}))
        << "every active product, by ID descending";
    ASSERT_EQ(executar(args("8", " --campo=2")).codigo, 0);
    EXPECT_EQ(inicioLinhasRamuza(), (std::vector<std::string>{"0012A0000012"}));
}

TEST_F(CargaBancoTest, OtherModelsWriteTheWritersFiles) {
    criarBanco({{"1", "PAO", "UN", 0.5, ""}});
    Execucao e = executar(args("modToledoMGV6"));
    ASSERT_EQ(e.codigo, 0) << e.erros;
    EXPECT_NE(e.saida.find("ITENSMGV.TXT"), std::string::npos);
    EXPECT_TRUE(fs::exists(saida() / "ITENSMGV.TXT"));
}

TEST_F(CargaBancoTest, BadDataIsReportedAndNoFileIsWritten) {
    criarBanco({{"1", "PAO", "UN", 0.5, "abc"}});
    Execucao e = executar(args("modRamuza"));
    EXPECT_EQ(e.codigo, 1);
    EXPECT_NE(e.erros.find("Ocorreu o seguinte erro:\nProduto 1 (PAO): 'abc'"), std::string::npos) << e.erros;
    EXPECT_TRUE(fs::is_empty(saida()));
}

TEST_F(CargaBancoTest, BadArgumentsAndAMissingDatabase) {
    EXPECT_EQ(executar(args("modRamuza")).codigo, 1) << "no database file";
    EXPECT_FALSE(fs::exists(banco())) << "a missing database is not created";
    criarBanco({});
    EXPECT_EQ(executar(args("modRamuza", " --campo 7")).codigo, 2);
    EXPECT_EQ(executar(args("modNada")).codigo, 2);
    Execucao vazia = executar(args("modRamuza"));
    EXPECT_EQ(vazia.codigo, 1) << "the writer refuses an empty product list";
}

} // namespace
} // namespace mvf

#endif
