#include "platform/Elevacao.h"

#include "support/TempDir.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <optional>
#include <stdexcept>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace mvf {

namespace {

class VariavelTemporaria {
public:
    VariavelTemporaria(const char* nome, const std::string& valor) : nome_(nome) {
        if (const char* v = std::getenv(nome))
            anterior_ = v;
        ::setenv(nome, valor.c_str(), 1);
    }
    ~VariavelTemporaria() {
        if (anterior_)
            ::setenv(nome_, anterior_->c_str(), 1);
        else
            ::unsetenv(nome_);
    }

private:
    const char* nome_;
    std::optional<std::string> anterior_;
};

} // namespace

TEST(Elevacao, AWritableConfigFolderLetsTheProgramRegisterItsLogOnStart) {
    test::TempDir pasta;
    VariavelTemporaria xdg("XDG_CONFIG_HOME", (pasta / "config").string());
    EXPECT_TRUE(ExecutandoComoAdministrador());
}

TEST(Elevacao, AReadOnlyConfigFolderDoesNot) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "root writes everywhere";
    test::TempDir pasta;
    ::chmod(pasta.path().c_str(), 0500);
    VariavelTemporaria xdg("XDG_CONFIG_HOME", (pasta / "config").string());
    EXPECT_FALSE(ExecutandoComoAdministrador());
    ::chmod(pasta.path().c_str(), 0700);
}

TEST(Elevacao, RestartingElevatedReportsWhyItCannotHelp) {
    try {
        ReiniciarComoAdministrador();
        FAIL() << "should have thrown";
    } catch (const std::runtime_error& e) {
        EXPECT_EQ(std::string(e.what()).rfind("Erro ao solicitar permissões administrativas: ", 0), 0u);
    }
}

} // namespace mvf
