#include "core/IniFile.h"

#include "core/FileWriteError.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace mvf {

namespace fs = std::filesystem;
using test::TempDir;

class IniFileTest : public ::testing::Test {
protected:
    TempDir dir;
    fs::path path() const { return dir / "balanca.ini"; }
    IniFile ini() const { return IniFile(path()); }
    void write(const std::string& bytes) const { dir.write("balanca.ini", bytes); }
    std::string read() const { return dir.read("balanca.ini"); }
    std::size_t filesInFolder() const {
        std::size_t n = 0;
        for ([[maybe_unused]] const auto& e : fs::directory_iterator(dir.path()))
            ++n;
        return n;
    }
};

TEST_F(IniFileTest, WritingIntoNoFileCreatesItWithWindowsLineEnds) {
    IniFile f = ini();
    EXPECT_FALSE(f.Exists());
    f.WriteString("CONFIG", "MODELO", "");
    f.WriteInteger("CONFIG", "IDMODELO", -1);
    f.WriteString("CONFIG", "DIRETORIO_TXT", "");
    f.WriteInteger("CONFIG", "CAMPO", 0);
    f.WriteBool("BALANCA", "USAR_BALANCA", true);
    EXPECT_EQ(read(), "[CONFIG]\r\nMODELO=\r\nIDMODELO=-1\r\nDIRETORIO_TXT=\r\nCAMPO=0\r\n"
                      "[BALANCA]\r\nUSAR_BALANCA=1\r\n");
    EXPECT_EQ(f.ReadInteger("CONFIG", "IDMODELO", 5), -1);
    EXPECT_EQ(f.ReadString("CONFIG", "MODELO", "x"), "");
    EXPECT_TRUE(f.ReadBool("BALANCA", "USAR_BALANCA", false));
    EXPECT_EQ(filesInFolder(), 1u) << "no temporary file may be left behind";
}

TEST_F(IniFileTest, ReadingWhatIsNotThereGivesTheDefaultAndCreatesNothing) {
    IniFile f = ini();
    EXPECT_EQ(f.ReadString("CONFIG", "DIRETORIO_TXT", "C:\\cargas"), "C:\\cargas");
    EXPECT_EQ(f.ReadInteger("CONFIG", "CAMPO", 2), 2);
    EXPECT_TRUE(f.ReadBool("CONFIG", "INICIA_WIN", true));
    EXPECT_FALSE(f.Exists());
    write("[CONFIG]\r\nCAMPO=1\r\n");
    EXPECT_EQ(f.ReadInteger("BALANCA", "CAMPO", 7), 7) << "a key of another section";
    EXPECT_EQ(f.ReadInteger("CONFIG", "MODELO", 7), 7);
    EXPECT_FALSE(f.SectionExists("BALANCA"));
    EXPECT_TRUE(f.SectionExists("config"));
}

TEST_F(IniFileTest, SectionsAndKeysAreComparedWithoutCase) {
    write("[Config]\r\nidModelo=5\r\n");
    IniFile f = ini();
    EXPECT_EQ(f.ReadInteger("CONFIG", "IDMODELO", -1), 5);
    f.WriteInteger("CONFIG", "IDMODELO", 8);
    EXPECT_EQ(read(), "[Config]\r\nidModelo=8\r\n") << "the key keeps the spelling it had";
}

TEST_F(IniFileTest, WritingOneKeyKeepsEveryOtherLineAsItWas) {
    const std::string before = "; gerado pela loja \x81\x8D\r\n"
                               "[CONFIG]\r\n"
                               "MODELO=modToledoMGV6\r\n"
                               "  ; o intervalo em minutos\r\n"
                               "TIMER_MONITOR = 3\r\n"
                               "linha sem igual\r\n"
                               "\r\n"
                               "[BALANCA]\r\n"
                               "PORTA=COM1\r\n"
                               "CHAVE_DESCONHECIDA=abc\r\n";
    write(before);
    IniFile f = ini();
    f.WriteInteger("CONFIG", "TIMER_MONITOR", 10);
    f.WriteBool("CONFIG", "INICIA_WIN", false);
    f.WriteString("BALANCA", "PORTA", "TCP:192.168.0.10:9100");
    EXPECT_EQ(read(), "; gerado pela loja \x81\x8D\r\n"
                      "[CONFIG]\r\n"
                      "MODELO=modToledoMGV6\r\n"
                      "  ; o intervalo em minutos\r\n"
                      "TIMER_MONITOR =10\r\n"
                      "linha sem igual\r\n"
                      "INICIA_WIN=0\r\n"
                      "\r\n"
                      "[BALANCA]\r\n"
                      "PORTA=TCP:192.168.0.10:9100\r\n"
                      "CHAVE_DESCONHECIDA=abc\r\n");
}

TEST_F(IniFileTest, AFileWithUnixLineEndsKeepsThem) {
    write("[CONFIG]\nCAMPO=1");
    IniFile f = ini();
    f.WriteInteger("CONFIG", "CAMPO", 2);
    EXPECT_EQ(read(), "[CONFIG]\nCAMPO=2");
    f.WriteInteger("CONFIG", "IDMODELO", 4);
    EXPECT_EQ(read(), "[CONFIG]\nCAMPO=2\nIDMODELO=4\n");
}

TEST_F(IniFileTest, CommentedKeysAndBlanksAroundValuesAreReadAsTheSystemDoes) {
    write("[CONFIG]\r\n;CAMPO=2\r\n  CAMPO  =  1  \r\nDIRETORIO_TXT=\"C:\\Cargas Loja\"\r\nCAMPO=2\r\n");
    IniFile f = ini();
    EXPECT_EQ(f.ReadInteger("CONFIG", "CAMPO", 0), 1) << "the first key counts, the comment not";
    EXPECT_EQ(f.ReadString("CONFIG", "DIRETORIO_TXT", ""), "C:\\Cargas Loja");
}

TEST_F(IniFileTest, TextIsStoredInWindows1252) {
    IniFile f = ini();
    f.WriteString("CONFIG", "DIRETORIO_TXT", "C:\\Balança\\Preço € ”");
    f.WriteString("CONFIG", "OUTRO", "日本");
    EXPECT_EQ(read(), "[CONFIG]\r\nDIRETORIO_TXT=C:\\Balan\xE7"
                      "a\\Pre\xE7o \x80 \x94\r\nOUTRO=??\r\n");
    EXPECT_EQ(f.ReadString("CONFIG", "DIRETORIO_TXT", ""), "C:\\Balança\\Preço € ”");
    write("[CONFIG]\r\nDIRETORIO_TXT=D:\\A\xE7ougue\r\n");
    EXPECT_EQ(f.ReadString("config", "diretorio_txt", ""), "D:\\Açougue");
}

TEST_F(IniFileTest, AFileMarkedAsUtf8IsReadAndWrittenAsUtf8) {
    write("\xEF\xBB\xBF[CONFIG]\r\nDIRETORIO_TXT=D:\\Açougue\r\n");
    IniFile f = ini();
    EXPECT_EQ(f.ReadString("CONFIG", "DIRETORIO_TXT", ""), "D:\\Açougue");
    f.WriteString("CONFIG", "MODELO", "Balança");
    EXPECT_EQ(read(), "\xEF\xBB\xBF[CONFIG]\r\nDIRETORIO_TXT=D:\\Açougue\r\nMODELO=Balança\r\n");
}

TEST_F(IniFileTest, AValueWithALineBreakStaysOnItsLine) {
    IniFile f = ini();
    f.WriteString("BALANCA", "PORTA", "COM1\r\n[CONFIG]");
    EXPECT_EQ(read(), "[BALANCA]\r\nPORTA=COM1  [CONFIG]\r\n");
    EXPECT_FALSE(f.SectionExists("CONFIG"));
}

TEST_F(IniFileTest, SeveralWritesInOneUpdateLandTogether) {
    write("[CONFIG]\r\nCAMPO=1\r\n");
    IniFile f = ini();
    f.Update([](IniDocument& doc) {
        doc.setValue("CONFIG", "CAMPO", "2");
        doc.setValue("BALANCA", "BAUD", "8");
    });
    EXPECT_EQ(read(), "[CONFIG]\r\nCAMPO=2\r\n[BALANCA]\r\nBAUD=8\r\n");
    EXPECT_THROW(f.Update([](IniDocument& doc) {
        doc.setValue("CONFIG", "CAMPO", "0");
        throw std::runtime_error("falhou no meio");
    }),
                 std::runtime_error);
    EXPECT_EQ(read(), "[CONFIG]\r\nCAMPO=2\r\n[BALANCA]\r\nBAUD=8\r\n");
}

TEST_F(IniFileTest, AReadOnlyFileRefusesTheWriteNamingTheFileAndStaysWhole) {
    write("[CONFIG]\r\nCAMPO=1\r\n");
    fs::permissions(path(), fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    IniFile f = ini();
    try {
        f.WriteInteger("CONFIG", "CAMPO", 2);
        FAIL() << "the write was not refused";
    } catch (const FileWriteError& e) {
        EXPECT_NE(std::string(e.what()).find(path().string()), std::string::npos) << e.what();
        EXPECT_EQ(e.file(), path());
    }
    fs::permissions(path(), fs::perms::owner_write, fs::perm_options::add);
    EXPECT_EQ(read(), "[CONFIG]\r\nCAMPO=1\r\n");
    EXPECT_EQ(filesInFolder(), 1u);
}

TEST_F(IniFileTest, AWriteIntoAMissingFolderIsRefusedNamingTheFile) {
    IniFile f(dir / "sumiu" / "balanca.ini");
    try {
        f.WriteString("CONFIG", "MODELO", "modFilizola");
        FAIL() << "the write was not refused";
    } catch (const FileWriteError& e) {
        EXPECT_NE(std::string(e.what()).find("balanca.ini"), std::string::npos) << e.what();
    }
    EXPECT_EQ(filesInFolder(), 0u);
}

TEST_F(IniFileTest, TheReplacedFileKeepsItsPermissions) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows files carry a read-only flag, not owner/group permission bits";
#endif
    write("[CONFIG]\r\nCAMPO=1\r\n");
    fs::permissions(path(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ini().WriteInteger("CONFIG", "CAMPO", 2);
    EXPECT_EQ(fs::status(path()).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

struct IntegerCase {
    std::string text;
    int def;
    int expected;
};

class IniIntegerTest : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(IniIntegerTest, ReadsWholeNumbersAndFallsBackToTheDefault) {
    const IntegerCase& c = GetParam();
    TempDir dir;
    dir.write("balanca.ini", "[CONFIG]\r\nTIMER_MONITOR=" + c.text + "\r\n");
    EXPECT_EQ(IniFile(dir / "balanca.ini").ReadInteger("CONFIG", "TIMER_MONITOR", c.def), c.expected)
        << "value '" << c.text << "'";
}

INSTANTIATE_TEST_SUITE_P(Values, IniIntegerTest,
                         ::testing::Values(IntegerCase{"3", 9, 3}, IntegerCase{"0x0A", 9, 10},
                                           IntegerCase{"0X1f", 9, 31}, IntegerCase{"$10", 9, 16},
                                           IntegerCase{"-1", 9, -1}, IntegerCase{"+4", 9, 4},
                                           IntegerCase{"007", 9, 7}, IntegerCase{"2147483647", 9, 2147483647},
                                           IntegerCase{"0xFFFFFFFF", 9, -1}, IntegerCase{"yes", 9, 9},
                                           IntegerCase{"", 9, 9}, IntegerCase{"12abc", 9, 9},
                                           IntegerCase{"1.5", 9, 9}, IntegerCase{"1,5", 9, 9},
                                           IntegerCase{"0x", 9, 9}, IntegerCase{"0xG1", 9, 9},
                                           IntegerCase{"2147483648", 9, 9}, IntegerCase{"99999999999", 9, 9},
                                           IntegerCase{"0x100000000", 9, 9}, IntegerCase{"- 1", 9, 9}));

TEST(IniBool, AnyWholeNumberButZeroIsOnAndANonNumberKeepsTheDefault) {
    TempDir dir;
    dir.write("balanca.ini", "[CONFIG]\r\nA=yes\r\nB=2\r\nC=0\r\nD=0x0\r\nE=-1\r\n");
    IniFile f(dir / "balanca.ini");
    EXPECT_TRUE(f.ReadBool("CONFIG", "A", true));
    EXPECT_FALSE(f.ReadBool("CONFIG", "A", false));
    EXPECT_TRUE(f.ReadBool("CONFIG", "B", false));
    EXPECT_FALSE(f.ReadBool("CONFIG", "C", true));
    EXPECT_FALSE(f.ReadBool("CONFIG", "D", true));
    EXPECT_TRUE(f.ReadBool("CONFIG", "E", false));
}

} // namespace mvf
