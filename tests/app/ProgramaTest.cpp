#include "AplicacaoQt.h"
#include "support/TempDir.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <optional>
#include <sqlite3.h>
#include <string>
#include <sys/stat.h>

namespace mvf {

namespace {

// The real program, started offscreen over its own folder.
class ProgramaFixture : public ::testing::Test {
protected:
    test::TempDir home;

    void iniciar(QProcess& p) { iniciarEm(p, home.path()); }

    void iniciarEm(QProcess& p, const std::filesystem::path& pasta) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("MARIVELTA_HOME", QString::fromStdString(pasta.string()));
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("MARIVELTA_ERP_URL", "https://127.0.0.1:9/api/mobilidade");
        p.setProcessEnvironment(env);
        p.start(MVF_PROGRAMA, {});
        ASSERT_TRUE(p.waitForStarted(10000));
    }

    void TearDown() override {
        for (QProcess* p : abertos)
            if (p->state() != QProcess::NotRunning) {
                p->kill();
                p->waitForFinished(10000);
            }
    }

    // Whether the process holds the lock of the program's folder, as the kernel lists it.
    bool seguraOBloqueio(const QProcess& p) const {
        struct stat st {};
        if (::stat((home / ".MainMarivelta.lock").c_str(), &st) != 0)
            return false;
        std::ifstream locks("/proc/locks");
        std::string linha;
        const std::string pid = std::string(1, ' ').append(std::to_string(p.processId())).append(1, ' ');
        const std::string inode = std::string(1, ':').append(std::to_string(st.st_ino)).append(1, ' ');
        while (std::getline(locks, linha))
            if (linha.find("FLOCK") != std::string::npos && linha.find(pid) != std::string::npos &&
                linha.find(inode) != std::string::npos)
                return true;
        return false;
    }

    std::vector<QProcess*> abertos;

    // One text value from banco.db, read-only; nothing when the file or the row is not there yet.
    std::optional<std::string> consultar(const std::string& sql) const {
        sqlite3* db = nullptr;
        std::optional<std::string> r;
        if (sqlite3_open_v2((home / "banco.db").c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
            sqlite3_stmt* st = nullptr;
            if (sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr) == SQLITE_OK &&
                sqlite3_step(st) == SQLITE_ROW) {
                const unsigned char* t = sqlite3_column_text(st, 0);
                r = t ? reinterpret_cast<const char*>(t) : "";
            }
            sqlite3_finalize(st);
        }
        sqlite3_close(db);
        return r;
    }

    std::string identificador() const {
        return consultar("SELECT IDENTIFICADOR FROM CONFIG WHERE ID = 1").value_or("");
    }

    void encerrar(QProcess& p) {
        p.terminate();
        if (!p.waitForFinished(10000)) {
            p.kill();
            p.waitForFinished(10000);
        }
    }
};

} // namespace

TEST_F(ProgramaFixture, ASecondStartWarnsAndExitsZeroWhileTheFirstStaysUp) {
    QProcess primeiro;
    abertos.push_back(&primeiro);
    iniciar(primeiro);
    ASSERT_TRUE(test::Aguardar([&] { return seguraOBloqueio(primeiro); }, 20000));

    QProcess segundo;
    abertos.push_back(&segundo);
    iniciar(segundo);
    ASSERT_TRUE(segundo.waitForFinished(20000));
    EXPECT_EQ(segundo.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(segundo.exitCode(), 0);
    EXPECT_TRUE(segundo.readAllStandardError().contains("O Programa já está em Execução nessa Maquina!"));
    EXPECT_EQ(primeiro.state(), QProcess::Running);
    EXPECT_TRUE(seguraOBloqueio(primeiro));
}

TEST_F(ProgramaFixture, AFirstStartCreatesTheDatabaseAndASecondKeepsItsIdentity) {
    QProcess primeiro;
    abertos.push_back(&primeiro);
    iniciar(primeiro);
    ASSERT_TRUE(test::Aguardar([&] { return identificador().size() == 20; }, 20000));
    std::string id = identificador();
    for (char c : id)
        EXPECT_TRUE((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z')) << id;
    EXPECT_EQ(consultar("SELECT count(*) FROM CONFIG"), "1");
    EXPECT_EQ(consultar("SELECT count(*) FROM sqlite_master WHERE type = 'trigger'"), "2");
    std::string sincronia = consultar("SELECT DATA_SINCRONIA FROM CONFIG").value_or("?");
    encerrar(primeiro);

    QProcess segundo;
    abertos.push_back(&segundo);
    iniciar(segundo);
    ASSERT_TRUE(test::Aguardar([&] { return seguraOBloqueio(segundo); }, 20000));
    // The second start may still hold the database while it checks the schema: read until it lets go.
    std::optional<std::string> sincroniaLida;
    std::string idLido;
    ASSERT_TRUE(test::Aguardar(
        [&] {
            idLido = identificador();
            sincroniaLida = consultar("SELECT DATA_SINCRONIA FROM CONFIG");
            return !idLido.empty() && sincroniaLida.has_value();
        },
        20000));
    EXPECT_EQ(idLido, id);
    EXPECT_EQ(sincroniaLida, sincronia);
    EXPECT_EQ(segundo.state(), QProcess::Running);
}

TEST_F(ProgramaFixture, AFileThatIsNotADatabaseIsReportedAndLeftAloneWhileTheProgramRuns) {
    const std::string lixo = "isto não é um banco de dados\n";
    home.write("banco.db", lixo);
    QProcess programa;
    abertos.push_back(&programa);
    iniciar(programa);
    QByteArray erros;
    ASSERT_TRUE(test::Aguardar(
        [&] {
            erros += programa.readAllStandardError();
            return erros.contains("Erro de conexão com o banco de dados: ");
        },
        20000));
    EXPECT_EQ(programa.state(), QProcess::Running);
    EXPECT_EQ(home.read("banco.db"), lixo);
}

TEST_F(ProgramaFixture, AFolderWhereTheDatabaseCannotBeCreatedIsReportedAndTheProgramRuns) {
    home.write("arquivo", "um arquivo no lugar de uma pasta");
    QProcess programa;
    abertos.push_back(&programa);
    iniciarEm(programa, home / "arquivo" / "pasta");
    QByteArray erros;
    ASSERT_TRUE(test::Aguardar(
        [&] {
            erros += programa.readAllStandardError();
            return erros.contains("Erro de conexão com o banco de dados: ");
        },
        20000));
    EXPECT_EQ(programa.state(), QProcess::Running);
}

} // namespace mvf
