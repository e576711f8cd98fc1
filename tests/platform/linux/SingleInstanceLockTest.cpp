#include "platform/SingleInstance.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace mvf {

// The lock lives in the program's folder: one folder of data, one program working on it.
TEST(SingleInstanceLock, ProgramsWithDifferentFoldersDoNotMeet) {
    test::TempDir pasta;
    test::TempDir outraPasta;
    SingleInstance primeira(pasta.path());
    SingleInstance emOutraPasta(outraPasta.path());
    EXPECT_FALSE(primeira.outraEmExecucao());
    EXPECT_FALSE(emOutraPasta.outraEmExecucao());
}

TEST(SingleInstanceLock, AFolderWithoutTheLockCountsAsTheFirstInstance) {
    test::TempDir pasta;
    std::filesystem::path inexistente = pasta / "nao-existe" / "nem-esta";
    SingleInstance primeira(inexistente);
    EXPECT_FALSE(primeira.outraEmExecucao());
    SingleInstance segunda(inexistente);
    EXPECT_FALSE(segunda.outraEmExecucao());
}

} // namespace mvf
