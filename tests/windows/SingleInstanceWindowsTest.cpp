// The single-instance protocol between two real processes: the named mutex, the main window class
// and the instance message that an already running program (or the original one) understands.
#include "ChildProcess.h"
#include "platform/SingleInstance.h"

#include <windows.h>

#include <filesystem>
#include <gtest/gtest.h>

namespace mvf {

namespace {

namespace fs = std::filesystem;

enum Saida { kOutraEmExecucao = 10, kPrimeira = 20, kAvisada = 30, kNaoAvisada = 40 };

// A second start that only looks.
const bool segundaQueOlha = test::RegisterChildRole("segunda-olha", [] {
    SingleInstance s(fs::temp_directory_path());
    return s.outraEmExecucao() ? kOutraEmExecucao : kPrimeira;
});

// A second start that wakes the running program, as the program entry does.
const bool segundaQueAvisa = test::RegisterChildRole("segunda-avisa", [] {
    SingleInstance s(fs::temp_directory_path());
    if (!s.outraEmExecucao())
        return kPrimeira;
    return s.avisarInstanciaEmExecucao() ? kAvisada : kNaoAvisada;
});

int rodar(const char* papel) {
    void* processo = test::StartChild(papel);
    if (!processo)
        return -1;
    return test::WaitForChildPumping(processo);
}

} // namespace

TEST(SingleInstanceWindows, ASecondProcessSeesTheRunningOneUntilItEnds) {
    {
        SingleInstance primeira(fs::temp_directory_path());
        ASSERT_FALSE(primeira.outraEmExecucao());
        EXPECT_EQ(rodar("segunda-olha"), kOutraEmExecucao);
    }
    EXPECT_EQ(rodar("segunda-olha"), kPrimeira);
}

TEST(SingleInstanceWindows, ASecondProcessWakesTheRunningOne) {
    int recebidas = 0;
    SingleInstance primeira(fs::temp_directory_path());
    ASSERT_FALSE(primeira.outraEmExecucao());
    primeira.escutar([&] { ++recebidas; });
    EXPECT_EQ(rodar("segunda-avisa"), kAvisada);
    EXPECT_EQ(recebidas, 1);
    EXPECT_EQ(rodar("segunda-avisa"), kAvisada);
    EXPECT_EQ(recebidas, 2);
}

TEST(SingleInstanceWindows, ARunningProgramThatDoesNotListenIsNotWoken) {
    SingleInstance primeira(fs::temp_directory_path());
    ASSERT_FALSE(primeira.outraEmExecucao());
    EXPECT_EQ(rodar("segunda-avisa"), kNaoAvisada);
}

// Other builds of the program (and the original one) meet on these exact names.
TEST(SingleInstanceWindows, TheMutexWindowClassAndMessageAreTheAgreedOnes) {
    int recebidas = 0;
    SingleInstance primeira(fs::temp_directory_path());
    primeira.escutar([&] { ++recebidas; });

    HANDLE mutex = OpenMutexW(SYNCHRONIZE, FALSE, L"MainMarivelta");
    ASSERT_NE(mutex, nullptr) << "no mutex named MainMarivelta";
    CloseHandle(mutex);

    HWND janela = FindWindowW(L"T_frmFerramentasMv", nullptr);
    ASSERT_NE(janela, nullptr) << "no window of class T_frmFerramentasMv";
    SendMessageW(janela, 2039, 0, 0);
    EXPECT_EQ(recebidas, 1);
    SendMessageW(janela, 2040, 0, 0);
    EXPECT_EQ(recebidas, 1);
}

} // namespace mvf
