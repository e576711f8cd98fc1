#include "platform/TarefaLogon.h"

#include <gtest/gtest.h>

namespace mvf {

TEST(TarefaLogonTextos, SchtasksParametersForCreationAndRemoval) {
    EXPECT_EQ(ParametrosCriarTarefa(kNomeTarefaLogon, "C:\\Marivelta\\RunApp.bat", ""),
              "/Create /TN \"Vuzurevedev Marivelta\" /TR \"C:\\Marivelta\\RunApp.bat \" /SC ONLOGON /RL "
              "HIGHEST /F");
    EXPECT_EQ(ParametrosCriarTarefa("T", "C:\\M\\x.exe", "-a"),
              "/Create /TN \"T\" /TR \"C:\\M\\x.exe -a\" /SC ONLOGON /RL HIGHEST /F");
    EXPECT_EQ(ParametrosRemoverTarefa(kNomeTarefaLogon), "/DELETE /TN \"Vuzurevedev Marivelta\" /F");
}

TEST(TarefaLogonTextos, APathWithBlanksIsQuotedInsideTheTaskCommand) {
    EXPECT_EQ(
        ParametrosCriarTarefa(kNomeTarefaLogon, "C:\\Program Files\\Marivelta\\RunApp.bat", ""),
        "/Create /TN \"Vuzurevedev Marivelta\" /TR \"\\\"C:\\Program Files\\Marivelta\\RunApp.bat\\\" \" "
        "/SC ONLOGON /RL HIGHEST /F");
}

struct RunBatCase {
    std::string executavel;
    std::string texto;
};

class TextoRunBatTest : public ::testing::TestWithParam<RunBatCase> {};

TEST_P(TextoRunBatTest, FourLinesEndedByCrLf) {
    EXPECT_EQ(TextoRunBat(GetParam().executavel), GetParam().texto);
}

INSTANTIATE_TEST_SUITE_P(
    Caminhos, TextoRunBatTest,
    ::testing::Values(
        RunBatCase{"C:\\Marivelta\\MariveltaFerramentas.exe",
                   "@echo off\r\nC:\r\ncd C:\\Marivelta\r\nstart \"\" MariveltaFerramentas.exe\r\n"},
        RunBatCase{
            "D:\\Program Files\\Loja Ação\\MariveltaFerramentas.exe",
            "@echo off\r\nD:\r\ncd D:\\Program Files\\Loja Ação\r\nstart \"\" MariveltaFerramentas.exe\r\n"},
        RunBatCase{"E:\\MariveltaFerramentas.exe",
                   "@echo off\r\nE:\r\ncd E:\\\r\nstart \"\" MariveltaFerramentas.exe\r\n"},
        RunBatCase{"\\\\servidor\\loja\\mv\\MariveltaFerramentas.exe",
                   "@echo off\r\n\\\\servidor\\loja\r\ncd \\\\servidor\\loja\\mv\r\nstart \"\" "
                   "MariveltaFerramentas.exe\r\n"}));

TEST(TarefaLogonTextos, LinuxStartScriptChangesToTheFolderAndStartsTheProgram) {
    EXPECT_EQ(TextoRunSh("/opt/marivelta/MariveltaFerramentas"),
              "#!/bin/sh\ncd '/opt/marivelta' || exit 1\nexec './MariveltaFerramentas'\n");
    EXPECT_EQ(TextoRunSh("/home/ana/Loja d'Ana/mvf"),
              "#!/bin/sh\ncd '/home/ana/Loja d'\\''Ana' || exit 1\nexec './mvf'\n");
}

TEST(TarefaLogonTextos, AutostartEntryNamedAfterTheTaskRunsTheScript) {
    EXPECT_EQ(
        TextoEntradaAutostart(kNomeTarefaLogon, "/opt/marivelta/RunApp.sh", ""),
        "[Desktop Entry]\nType=Application\nName=Vuzurevedev Marivelta\nExec=\"/opt/marivelta/RunApp.sh\"\n"
        "Terminal=false\nX-GNOME-Autostart-enabled=true\n");
    // Reserved characters are escaped for the command and once more for the entry's value.
    EXPECT_EQ(TextoEntradaAutostart("T", "/home/a b/100%/$x\\y", "--oculto"),
              "[Desktop Entry]\nType=Application\nName=T\nExec=\"/home/a b/100%%/\\\\$x\\\\\\\\y\" --oculto\n"
              "Terminal=false\nX-GNOME-Autostart-enabled=true\n");
}

} // namespace mvf
