#include "scaleload/tool/AjustarArquivoRamuza.h"

#include "core/FileWriteError.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace mvf {

namespace fs = std::filesystem;
using test::TempDir;

class AjustarArquivoRamuzaTest : public ::testing::Test {
protected:
    TempDir dir;
    fs::path arquivo() const { return dir / "RAMUZA_ORIGINAL.TXT"; }
    std::string ajustar(const std::string& bytes) {
        dir.write("RAMUZA_ORIGINAL.TXT", bytes);
        AjustarArquivoRamuza(arquivo());
        return dir.read("RAMUZA_ORIGINAL.TXT");
    }
};

TEST_F(AjustarArquivoRamuzaTest, TheItemNumberGivesWayToTheCodesLastFourDigits) {
    EXPECT_EQ(ajustar("0001A0001234##QUEIJO##\r\n0002A0070000##P\xC3O##\r\n"),
              "1234A0001234##QUEIJO##\r\n0000A0070000##P\xC3O##\r\n");
}

TEST_F(AjustarArquivoRamuzaTest, LinesOfElevenCharactersOrFewerStay) {
    EXPECT_EQ(ajustar("0001A000123\r\n\r\n0001A0001234\r\n"), "0001A000123\r\n\r\n1234A0001234\r\n");
}

TEST_F(AjustarArquivoRamuzaTest, AnyLineEndBecomesCrLfAndTheLastLineGetsOne) {
    EXPECT_EQ(ajustar("0001A0001234x\n0002A0005678y\r0003A0009999z"),
              "1234A0001234x\r\n5678A0005678y\r\n9999A0009999z\r\n");
    EXPECT_EQ(ajustar(""), "");
}

TEST_F(AjustarArquivoRamuzaTest, BytesWithoutAMarkAreKeptAsTheyWere) {
    // Windows-1252, including a byte the code page leaves unassigned.
    EXPECT_EQ(ajustar("00\x81\xE7"
                      "A0001234\xE9\r\n"),
              "1234A0001234\xE9\r\n");
    EXPECT_EQ(ajustar("\xE7\xE7\xE7\xE7"
                      "A\x81\x81\x81"
                      "1234\xE9\r\n"),
              "1234A\x81\x81\x81"
              "1234\xE9\r\n");
}

TEST_F(AjustarArquivoRamuzaTest, AUtf8FileCountsCharactersAndStaysUtf8) {
    EXPECT_EQ(ajustar("\xEF\xBB\xBF"
                      "çççç"
                      "AéééABCD##AÇÚCAR##\n"),
              "\xEF\xBB\xBF"
              "ABCD"
              "AéééABCD##AÇÚCAR##\r\n");
}

TEST_F(AjustarArquivoRamuzaTest, AUtf16FileStaysUtf16) {
    auto utf16le = [](const std::string& ascii) {
        std::string out = "\xFF\xFE";
        for (char c : ascii) {
            out += c;
            out += '\0';
        }
        return out;
    };
    std::string before = utf16le("0001A0001234rest\r\nshort\r\n");
    EXPECT_EQ(ajustar(before), utf16le("1234A0001234rest\r\nshort\r\n"));
}

TEST_F(AjustarArquivoRamuzaTest, AMissingFileRaisesAndAReadOnlyOneStaysWhole) {
    EXPECT_THROW(AjustarArquivoRamuza(dir / "NAO_EXISTE.TXT"), std::runtime_error);
    dir.write("RAMUZA_ORIGINAL.TXT", "0001A0001234\r\n");
    fs::permissions(arquivo(), fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    EXPECT_THROW(AjustarArquivoRamuza(arquivo()), FileWriteError);
    fs::permissions(arquivo(), fs::perms::owner_write, fs::perm_options::add);
    EXPECT_EQ(dir.read("RAMUZA_ORIGINAL.TXT"), "0001A0001234\r\n");
}

} // namespace mvf
