// RunApp.bat as the log-on task runs it: written beside the program, then run by cmd.exe.
#include "core/PathText.h"
#include "platform/TarefaLogon.h"
#include "support/TempDir.h"

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>

namespace mvf {

namespace {

namespace fs = std::filesystem;

std::string bytes(const fs::path& arquivo) {
    std::ifstream in(arquivo, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

// Runs the batch file with cmd.exe and waits for cmd; the program it starts runs on its own.
DWORD rodarBat(const fs::path& bat) {
    std::wstring comando = L"cmd.exe /c \"" + bat.wstring() + L"\"";
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(nullptr, comando.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr,
                        &si, &pi))
        return GetLastError();
    WaitForSingleObject(pi.hProcess, 30000);
    DWORD codigo = 0;
    GetExitCodeProcess(pi.hProcess, &codigo);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return codigo;
}

// The started program writes its marker on its own time: wait for it, with a generous limit.
bool esperarArquivo(const fs::path& arquivo) {
    for (int i = 0; i < 600; ++i) {
        std::error_code ec;
        if (fs::exists(arquivo, ec) && fs::file_size(arquivo, ec) > 0)
            return true;
        Sleep(50);
    }
    return false;
}

class RunAppBatWindows : public ::testing::TestWithParam<const char*> {};

} // namespace

TEST_P(RunAppBatWindows, TheBatchFileStartsTheProgramInItsOwnFolder) {
    test::TempDir raiz;
    const fs::path pasta = raiz.path() / pathFromUtf8(GetParam());
    fs::create_directories(pasta);
    const fs::path programa = pasta / "MariveltaFerramentas.exe";
    fs::copy_file(pathFromUtf8(MVF_RUNAPP_PROBE), programa);

    TutilTarefas::CriarRunBat(pasta, programa);
    const fs::path bat = TutilTarefas::CaminhoRunBat(pasta);
    ASSERT_EQ(bat, pasta / "RunApp.bat");
    // In the code page cmd.exe reads batch files in.
    const std::string escrito = bytes(bat);
    std::wstring lido(escrito.size(), L'\0');
    lido.resize(static_cast<std::size_t>(MultiByteToWideChar(CP_OEMCP, 0, escrito.data(),
                                                             static_cast<int>(escrito.size()), lido.data(),
                                                             static_cast<int>(lido.size()))));
    EXPECT_EQ(pathToUtf8(fs::path(lido)), TextoRunBat(pathToUtf8(programa)));

    // From another folder, as the task scheduler starts it.
    SetCurrentDirectoryW(raiz.path().wstring().c_str());
    EXPECT_EQ(rodarBat(bat), 0u);
    const fs::path marca = pasta / "iniciado.txt";
    ASSERT_TRUE(esperarArquivo(marca)) << "the program was not started";
    const std::string conteudo = bytes(marca);
    const std::wstring iniciadoEm(reinterpret_cast<const wchar_t*>(conteudo.data()),
                                  conteudo.size() / sizeof(wchar_t));
    EXPECT_TRUE(fs::equivalent(fs::path(iniciadoEm), pasta)) << pathToUtf8(fs::path(iniciadoEm));
}

INSTANTIATE_TEST_SUITE_P(Pastas, RunAppBatWindows,
                         ::testing::Values("Marivelta", "Loja Central", "Loja Açúcar"));

TEST(RunAppBatWindowsFile, AnExistingBatchFileIsNeverRewritten) {
    test::TempDir pasta;
    pasta.write("RunApp.bat", "@echo off\r\nrem feito a mão\r\n");
    TutilTarefas::CriarRunBat(pasta.path(), pasta.path() / "MariveltaFerramentas.exe");
    EXPECT_EQ(pasta.read("RunApp.bat"), "@echo off\r\nrem feito a mão\r\n");
}

} // namespace mvf
