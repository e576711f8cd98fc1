#include "platform/TarefaLogon.h"

#include "support/TempDir.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>

namespace mvf {

namespace fs = std::filesystem;

namespace {

class ConfigEm {
public:
    explicit ConfigEm(const fs::path& pasta) {
        if (const char* v = std::getenv("XDG_CONFIG_HOME"))
            anterior_ = v;
        ::setenv("XDG_CONFIG_HOME", pasta.c_str(), 1);
    }
    ~ConfigEm() {
        if (anterior_)
            ::setenv("XDG_CONFIG_HOME", anterior_->c_str(), 1);
        else
            ::unsetenv("XDG_CONFIG_HOME");
    }

private:
    std::optional<std::string> anterior_;
};

} // namespace

TEST(TarefaLogonLinux, CreateAndDeleteTheAutostartEntry) {
    test::TempDir dir;
    ConfigEm config(dir / "config");
    fs::path entrada = dir / "config" / "autostart" / "Vuzurevedev Marivelta.desktop";

    ASSERT_TRUE(TutilTarefas::CreateTarefas(kNomeTarefaLogon, "/opt/mv/RunApp.sh", ""));
    EXPECT_EQ(test::readFile(entrada), TextoEntradaAutostart(kNomeTarefaLogon, "/opt/mv/RunApp.sh", ""));
    ASSERT_TRUE(TutilTarefas::CreateTarefas(kNomeTarefaLogon, "/srv/mv/RunApp.sh", ""))
        << "a second creation replaces";
    EXPECT_EQ(test::readFile(entrada), TextoEntradaAutostart(kNomeTarefaLogon, "/srv/mv/RunApp.sh", ""));
    EXPECT_EQ(std::distance(fs::directory_iterator(entrada.parent_path()), fs::directory_iterator()), 1);

    std::string erro;
    EXPECT_TRUE(TutilTarefas::DeleteTarefas(kNomeTarefaLogon, erro));
    EXPECT_FALSE(fs::exists(entrada));
    EXPECT_TRUE(TutilTarefas::DeleteTarefas(kNomeTarefaLogon, erro))
        << "removing what is not there is no error";
    EXPECT_EQ(erro, "");
}

TEST(TarefaLogonLinux, AnEntryThatCannotBeWrittenIsReported) {
    test::TempDir dir;
    dir.write("config", "um arquivo onde deveria haver uma pasta");
    ConfigEm config(dir / "config");
    EXPECT_FALSE(TutilTarefas::CreateTarefas(kNomeTarefaLogon, "/opt/mv/RunApp.sh", ""));
}

TEST(TarefaLogonLinux, TheStartScriptIsWrittenOnceAndRunnable) {
    test::TempDir dir;
    fs::path script = TutilTarefas::CaminhoRunBat(dir.path());
    EXPECT_EQ(script.filename(), "RunApp.sh");
    TutilTarefas::CriarRunBat(dir.path(), "/opt/mv/MariveltaFerramentas");
    EXPECT_EQ(test::readFile(script), TextoRunSh("/opt/mv/MariveltaFerramentas"));
    EXPECT_NE(fs::status(script).permissions() & fs::perms::owner_exec, fs::perms::none);

    test::writeFile(script, "feito a mão\n");
    TutilTarefas::CriarRunBat(dir.path(), "/outro/lugar/MariveltaFerramentas");
    EXPECT_EQ(test::readFile(script), "feito a mão\n") << "an existing script is never rewritten";
}

TEST(TarefaLogonLinux, AStartScriptThatCannotBeWrittenRaisesAnErrorNamingIt) {
    test::TempDir dir;
    try {
        TutilTarefas::CriarRunBat(dir / "sumiu", "/opt/mv/MariveltaFerramentas");
        FAIL() << "no error";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("RunApp.sh"), std::string::npos) << e.what();
    }
}

} // namespace mvf
