#include "core/AtomicFileWriter.h"
#include "core/FileWriteError.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace mvf {
namespace {

namespace fs = std::filesystem;

std::size_t entriesIn(const fs::path& dir) {
    std::size_t n = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir))
        ++n;
    return n;
}

TEST(AtomicFileWriter, WritesAndReplacesWithoutLeavingTemporaries) {
    test::TempDir dir;
    AtomicFileWriter::writeFile(dir / "A.TXT", "first\r\n");
    EXPECT_EQ(dir.read("A.TXT"), "first\r\n");
    AtomicFileWriter::writeFile(dir / "A.TXT", "second");
    EXPECT_EQ(dir.read("A.TXT"), "second");
    EXPECT_EQ(entriesIn(dir.path()), 1u);
}

TEST(AtomicFileWriter, TargetUntouchedUntilCommit) {
    test::TempDir dir;
    dir.write("A.TXT", "old");
    {
        AtomicFileWriter writer(dir / "A.TXT");
        writer.write("new content");
        EXPECT_EQ(dir.read("A.TXT"), "old");
        EXPECT_EQ(entriesIn(dir.path()), 2u);
    } // dropped without commit
    EXPECT_EQ(dir.read("A.TXT"), "old");
    EXPECT_EQ(entriesIn(dir.path()), 1u);
}

TEST(AtomicFileWriter, ReadOnlyTargetIsAnErrorNamingTheFile) {
    test::TempDir dir;
    dir.write("A.TXT", "keep");
    fs::permissions(dir / "A.TXT", fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    try {
        AtomicFileWriter::writeFile(dir / "A.TXT", "new");
        FAIL() << "no error";
    } catch (const FileWriteError& e) {
        EXPECT_NE(std::string(e.what()).find("A.TXT"), std::string::npos);
        EXPECT_NE(std::string(e.what()).find("somente leitura"), std::string::npos);
        EXPECT_EQ(e.file(), dir / "A.TXT");
    }
    EXPECT_EQ(dir.read("A.TXT"), "keep");
    EXPECT_EQ(entriesIn(dir.path()), 1u);
}

TEST(AtomicFileWriter, MissingFolderAndFolderInTheWay) {
    test::TempDir dir;
    EXPECT_THROW(AtomicFileWriter::writeFile(dir / "nope" / "A.TXT", "x"), FileWriteError);
    fs::create_directory(dir / "B.TXT");
    EXPECT_THROW(AtomicFileWriter::writeFile(dir / "B.TXT", "x"), FileWriteError);
    EXPECT_EQ(entriesIn(dir.path()), 1u);
}

} // namespace
} // namespace mvf
