#include "data/SqliteConnection.h"
#include "data/T_dmDados.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace mvf {
namespace {

const std::string prefixo = "Erro de conexão com o banco de dados: ";

std::string erroAoConectar(const std::filesystem::path& pasta, int busyMs = 3000) {
    T_dmDados dm(pasta);
    try {
        dm.ConectarBanco(busyMs);
    } catch (const std::exception& e) {
        EXPECT_FALSE(dm.conectado());
        // Later operations fail with database errors instead of crashing.
        EXPECT_THROW(dm.ConfiguracaoInicial(), std::exception);
        std::string erro;
        EXPECT_FALSE(dm.PostUltimaSincronia(erro));
        EXPECT_EQ(erro.rfind("Erro : ", 0), 0u) << erro;
        return e.what();
    }
    return "<conectou>";
}

TEST(ConexaoBanco, ArquivoQueNaoEBancoFicaIntacto) {
    test::TempDir dir;
    const std::string conteudo = "NOME;PRECO\r\nQUEIJO;39,90\r\n" + std::string(5000, 'x');
    dir.write("banco.db", conteudo);
    std::string erro = erroAoConectar(dir.path());
    EXPECT_EQ(erro.rfind(prefixo, 0), 0u) << erro;
    EXPECT_NE(erro.find("não é um banco de dados"), std::string::npos) << erro;
    EXPECT_EQ(dir.read("banco.db"), conteudo);
    EXPECT_FALSE(std::filesystem::exists(dir / "banco.db-journal"));
}

TEST(ConexaoBanco, PastaComAcentosEEspacos) {
    test::TempDir dir;
    const auto pasta = dir / "Área de Trabalho São João";
    std::filesystem::create_directory(pasta);
    T_dmDados dm(pasta);
    ASSERT_NO_THROW(dm.ConectarBanco());
    EXPECT_TRUE(std::filesystem::exists(pasta / "banco.db"));
    EXPECT_EQ(dm.caminhoBanco(), pasta / "banco.db");
}

TEST(ConexaoBanco, PastaQueNaoPodeTerOBanco) {
    test::TempDir dir;
    std::string erro = erroAoConectar(dir / "nao-existe" / "nem-esta");
    EXPECT_EQ(erro.rfind(prefixo, 0), 0u) << erro;
    EXPECT_NE(erro.find("não foi possível abrir ou criar"), std::string::npos) << erro;
    EXPECT_FALSE(std::filesystem::exists(dir / "nao-existe"));
}

TEST(ConexaoBanco, BancoBloqueadoPorOutroPrograma) {
    test::TempDir dir;
    {
        T_dmDados dm(dir.path());
        dm.ConectarBanco();
    }
    auto antes = dir.read("banco.db");
    SqliteConnection outro;
    outro.open(dir / "banco.db");
    outro.exec("BEGIN EXCLUSIVE");
    std::string erro = erroAoConectar(dir.path(), 50);
    EXPECT_EQ(erro.rfind(prefixo, 0), 0u) << erro;
    EXPECT_NE(erro.find("bloqueado"), std::string::npos) << erro;
    outro.exec("ROLLBACK");
    EXPECT_EQ(dir.read("banco.db"), antes);
}

// Root may write any file, so the read-only case runs as an unprivileged user in a child.
TEST(ConexaoBanco, ArquivoSomenteLeitura) {
    test::TempDir dir;
    {
        T_dmDados dm(dir.path());
        dm.ConectarBanco();
    }
    const auto antes = dir.read("banco.db");
    ::chmod((dir / "banco.db").c_str(), 0444);
    ::chmod(dir.path().c_str(), 0755);
    int pipeFd[2];
    ASSERT_EQ(::pipe(pipeFd), 0);
    pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        ::close(pipeFd[0]);
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(3);
        std::string erro;
        {
            T_dmDados dm(dir.path());
            try {
                dm.ConectarBanco();
                erro = "<conectou>";
            } catch (const std::exception& e) {
                erro = e.what();
            }
        }
        (void)!::write(pipeFd[1], erro.data(), erro.size());
        ::_exit(0);
    }
    ::close(pipeFd[1]);
    std::string erro;
    char buffer[512];
    for (ssize_t n; (n = ::read(pipeFd[0], buffer, sizeof buffer)) > 0;)
        erro.append(buffer, static_cast<std::size_t>(n));
    ::close(pipeFd[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(erro.rfind(prefixo, 0), 0u) << erro;
    EXPECT_NE(erro.find("somente para leitura"), std::string::npos) << erro;
    EXPECT_EQ(dir.read("banco.db"), antes);
}

} // namespace
} // namespace mvf
