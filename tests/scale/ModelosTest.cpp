#include "core/Locale.h"
#include "scale/ConversaoPeso.h"
#include "scale/TBalanca.h"
#include "scale/modelos/BalancaSiciliano.h"

#include <gtest/gtest.h>

namespace mvf {
namespace {

const std::string STX = "\x02", ETX = "\x03", CR = "\r", LF = "\n", SOH = "\x01";

struct Caso {
    std::string nome;
    TBalancaModelo modelo;
    std::string resposta;
    double esperado;
};

std::ostream& operator<<(std::ostream& os, const Caso& c) {
    return os << c.nome;
}

class ParserModelo : public ::testing::TestWithParam<Caso> {
protected:
    void SetUp() override { RestaurarSeparadorDecimalBalanca(); }
    ScopedLocale local{Locale::brazilian()};
};

TEST_P(ParserModelo, LeORespostaComoOModeloManda) {
    const Caso& c = GetParam();
    TBalanca balanca;
    balanca.setModelo(c.modelo);
    EXPECT_DOUBLE_EQ(balanca.InterpretarRepostaPeso(c.resposta), c.esperado) << c.nome;
}

using M = TBalancaModelo;

std::string repete(char c, int n) {
    return std::string(static_cast<std::size_t>(n), c);
}

const Caso casos[] = {
    {"Filizola gramas", M::balFilizola, STX + "001250" + ETX, 1.25},
    {"Filizola virgula", M::balFilizola, STX + "1,250" + ETX, 1.25},
    {"Filizola ponto", M::balFilizola, STX + "1.250" + ETX, 1.25},
    {"Filizola instavel", M::balFilizola, STX + "IIIIII" + ETX, -1},
    {"Filizola negativo", M::balFilizola, STX + "NNNNNN" + ETX, -2},
    {"Filizola sobrecarga", M::balFilizola, STX + "SSSSSS" + ETX, -10},
    {"Filizola ate o CR", M::balFilizola, STX + "002000" + CR, 2},
    {"Filizola quadro longo", M::balFilizola, STX + "00125000000" + ETX, 1.25},
    {"Filizola vazio", M::balFilizola, "", 0},
    {"Filizola lixo", M::balFilizola, STX + "xx" + ETX, 0},

    {"Urano", M::balUrano, "PESO L: 1,250kg", 1.25},
    {"Urano gramas", M::balUrano, "PESO L: 01250kg", 1.25},
    {"Urano instavel", M::balUrano, " xPESO L: 1,250kg", -1},
    {"Urano negativo", M::balUrano, "PESO L:-1,250kg", -2},
    {"Urano lixo", M::balUrano, "PESO L: abcdekg", 0},
    {"Urano vazio", M::balUrano, "", 0},
    {"UranoUDC", M::balUranoUDC, "PESO L: 2,500kg", 2.5},

    {"Urano POP", M::balUranoPOP, "PESO L: 1,250kg   ", 1.25},
    {"Urano POP tara", M::balUranoPOP, "TARA: 0,100kg", 0},
    {"Urano POP kg", M::balUranoPOP, "0001,250kg", 1.25},
    {"Urano POP nada", M::balUranoPOP, "xyz", 0},

    {"Rinnert com ETX", M::balRinnert, "+01.250" + ETX, 1.25},
    {"Rinnert sem ETX", M::balRinnert, "+01.250", 1.25},
    {"Rinnert instavel", M::balRinnert, "+IIIIII", -1},
    {"Rinnert vazio", M::balRinnert, "", 0},
    {"Muller com ETX", M::balMuller, "+01.250" + ETX, 1.25},
    {"Muller sem ETX so digitos", M::balMuller, "+01.250", 1250},
    {"Muller sem digitos", M::balMuller, "+IIIIII", 0},

    {"LucasTec liquido", M::balLucasTec, STX + "L 1,250 kg L T 0,000 kg T B 1,250 kg B ", 1.25},
    {"LucasTec bruto abaixo da tara", M::balLucasTec, STX + "L 0,000 kg L T 2,000 kg T B 1,000 kg B ", -2},
    {"LucasTec sem liquido usa bruto", M::balLucasTec, "T 0,500 kg T B 1,500 kg B ", 1.5},
    {"LucasTec sem tag B", M::balLucasTec, STX + "L 1,250 kg L", 0},
    {"LucasTec numero sem espaco antes", M::balLucasTec, "1,250 kg B ", 0},
    {"LucasTec vazio", M::balLucasTec, "", 0},

    {"Magna", M::balMagna, "\t 01,250kg\r", 1.25},
    {"Magna gramas", M::balMagna, "\t 01250kg\r", 1.25},
    {"Magna negativo", M::balMagna, "N-1,250kg\r", -2},
    {"Magna campo longo", M::balMagna, "\t 1250 000 000k\r", 1.25},
    {"Magna lixo", M::balMagna, "\t abckg\r", 0},

    {"Digitron", M::balDigitron, STX + "000125" + ETX, 1.25},
    {"Digitron virgula", M::balDigitron, "01,25", 1.25},
    {"Digitron instavel", M::balDigitron, "IIIIII", -1},
    {"Digitron lixo", M::balDigitron, "xxxx", -9},
    {"Digitron vazio", M::balDigitron, "", -9},
    {"Digitron so STX ETX", M::balDigitron, STX + ETX, -9},
    {"Digitron UL D", M::balDigitron_UL, "D000125", 1.25},
    {"Digitron UL @", M::balDigitron_UL, "@000125", 1.25},
    {"Digitron UL DE", M::balDigitron_UL, "DE00125", 1.25},
    {"Digitron UL so D", M::balDigitron_UL, "D", -9},
    {"Digitron UL negativo", M::balDigitron_UL, "Nxxx", -2},
    {"Digitron UL vazio", M::balDigitron_UL, "", -9},

    {"Magellan ponto", M::balMagellan, STX + "1.250" + CR, 1.25},
    {"Magellan gramas ETX", M::balMagellan, STX + "01250" + ETX, 1.25},
    {"Magellan instavel", M::balMagellan, STX + "IIIIII" + CR, -1},
    {"Magellan longo", M::balMagellan, STX + "0001250" + "\x08" + repete(' ', 12), 12.5},
    {"Magellan vazio", M::balMagellan, "", 0},

    {"Lider estavel", M::balLider, "  1.250E" + STX, 1.25},
    {"Lider com SOH", M::balLider, SOH + "  1.250E" + STX + SOH + "  2.000I" + STX, 1.25},
    {"Lider instavel", M::balLider, SOH + " 1.250I" + STX, -1},
    {"Lider lixo", M::balLider, "xyz", 0},
    {"Lider vazio", M::balLider, "", 0},

    {"Saturno", M::balSaturno, "001,250", 1.25},
    {"Saturno com E", M::balSaturno, "001,250E", 1.25},
    {"Saturno bit alto", M::balSaturno, "\xB0\xB0\xB1,\xB2\xB5\xB0", 1.25},
    {"Saturno CR LF textuais", M::balSaturno, "001,250[CR][LF]\r\n", 1.25},
    {"Saturno instavel", M::balSaturno, "IIIIII", -1},
    {"Saturno sobrecarga", M::balSaturno, "SOBRE", -10},
    {"Saturno vazio", M::balSaturno, "  ", 0},

    {"AFTS invertido", M::balAFTS, "x052,10   ", 1.25},
    {"AFTS ponto", M::balAFTS, "x052.10", 1.25},
    {"AFTS instavel", M::balAFTS, "xIIIIII", -1},
    {"AFTS vazio", M::balAFTS, "", 0},

    {"Libratek estavel", M::balLibratek, "ST,GS, 001.250 kg", 1.25},
    {"Libratek negativo", M::balLibratek, "OL,GS,-999.999 kg", -2},
    {"Libratek sobrecarga", M::balLibratek, "OL,GS,+999.999 kg", -10},
    {"Libratek instavel", M::balLibratek, "US,GS, 001.250 kg", -1},
    {"Libratek outro", M::balLibratek, "XX,GS, 001.250 kg", 0},
    {"Libratek campo ruim", M::balLibratek, "ST,GS, abc", -9},

    {"WT3000IR estavel", M::balLibratekWT3000IR, "ST,GS,+0001.250kg\r\n", 1.25},
    {"WT3000IR negativo", M::balLibratekWT3000IR, "OL,GS,-0001.250kg", -2},
    {"WT3000IR sobrecarga", M::balLibratekWT3000IR, "OL,GS,+0001.250kg", -10},
    {"WT3000IR instavel", M::balLibratekWT3000IR, "US,GS,+0001.250kg", -1},
    {"WT3000IR outro", M::balLibratekWT3000IR, "XX,GS,+0001.250kg", -9},

    {"Micheletti", M::balMicheletti, "xxx01,250 ", 1.25},
    {"Micheletti lixo", M::balMicheletti, "xxxabc", 0},
    {"Micheletti vazio", M::balMicheletti, "", 0},

    {"Alfa centesimos", M::balAlfa, "xxxx001250", 12.5},
    {"Alfa decimal", M::balAlfa, "xxxx01,250", 1.25},
    {"Alfa instavel", M::balAlfa, "IxxxIIIIII", -1},
    {"Alfa campo vazio", M::balAlfa, "xxxx", 0},
    {"Alfa vazio", M::balAlfa, "", 0},

    {"WT1000", M::balWeightechWT1000, LF + "0" + repete(' ', 17) + "001.250", 1.25},
    {"WT1000 instavel", M::balWeightechWT1000, LF + "1" + repete(' ', 17) + "001.250", -1},
    {"WT1000 tamanho errado", M::balWeightechWT1000, LF + "0" + repete(' ', 10), 0},
    {"WT1000 sem LF", M::balWeightechWT1000, "0" + repete(' ', 17) + "002.000", 2},
    {"WT3000 ABS", M::balWeightechWT3000_ABS, LF + "0      001.250  ", 1.25},
    {"WT3000 ABS lixo", M::balWeightechWT3000_ABS, LF + "0      abcdefg  ", 0},

    {"Marel", M::balMarelCG62XL, STX + repete('x', 13) + "  1.250  ", 1.25},
    {"Marel gramas sem divisao", M::balMarelCG62XL, STX + repete('x', 13) + "     1250", 1250},
    {"Marel instavel", M::balMarelCG62XL, STX + repete('x', 13) + "IIIIIIIII", -1},
    {"Marel lixo", M::balMarelCG62XL, STX + repete('x', 13) + "abc", -9},
    {"Marel vazio", M::balMarelCG62XL, "", -9},

    {"WT3000IR ABS estavel", M::balWeightechWT3000IR_ABS, "ST,GS,+0001.250  kg\r\n", 1.25},
    {"WT3000IR ABS instavel", M::balWeightechWT3000IR_ABS, "US,GS,+0001.250  kg", -1},
    {"WT3000IR ABS negativo", M::balWeightechWT3000IR_ABS, "OL,GS,-0001.250  kg", -2},
    {"WT3000IR ABS sobrecarga", M::balWeightechWT3000IR_ABS, "OL,NT,+0001.250  kg", -10},
    {"WT3000IR ABS 18 caracteres", M::balWeightechWT3000IR_ABS, "ST,GS,+0001.250 kg", -9},
    {"WT3000IR ABS ultima linha", M::balWeightechWT3000IR_ABS, "lixo\nST,GS,+0002.500  kg\r\n", 2.5},
    {"WT3000IR ABS tipo desconhecido", M::balWeightechWT3000IR_ABS, "ST,XX,+0001.250  kg", -9},

    {"Precision", M::balPrecision, STX + "x001250" + CR, 1.25},
    {"Precision G", M::balPrecision, "G001250" + CR, 0},
    {"Precision A", M::balPrecision, "A001250" + CR, -1},
    {"Precision H", M::balPrecision, "H001250" + CR, -2},
    {"Precision outra letra", M::balPrecision, "X001250" + CR, 1.25},
    {"Precision vazio", M::balPrecision, "", 0},

    {"Lenke", M::balLenkeLK2500, STX + "001.250  " + CR, 1.25},
    {"Lenke MP", M::balLenkeLK2500, STX + "001.250MP" + CR, -1},
    {"Lenke MN", M::balLenkeLK2500, STX + "001.250MN" + CR, -2},
    {"Lenke gramas sem STX", M::balLenkeLK2500, "0001250   ", 1.25},
    {"Lenke vazio", M::balLenkeLK2500, "", 0},

    {"WT27R", M::balWeightechWT27R_ETH, "ST,kg,GS 01.250", 1.25},
    {"WT27R gramas", M::balWeightechWT27R_ETH, "ST,g ,GS 001250", 1.25},
    {"WT27R negativo", M::balWeightechWT27R_ETH, "ST,kg,GS-01.250", -2},
    {"WT27R instavel", M::balWeightechWT27R_ETH, "IT,kg,GS 01.250", -1},
    {"WT27R sobrecarga", M::balWeightechWT27R_ETH, "ST,kg,GS 999999", -10},
    {"WT27R campo curto", M::balWeightechWT27R_ETH, "ST,kg,GS 1.25", 0},
    {"WT27R vazio", M::balWeightechWT27R_ETH, "", 0},

    {"Capital", M::balCapital, "E 1.250x\r", 1.25},
    {"Capital sem CR", M::balCapital, "E1.250", 1.25},
    {"Capital lixo", M::balCapital, "Eabc\r", 0},

    {"Marte sem posicoes", M::balMarte, "001250", 0},

    {"TRU-Test ponto", M::balWeighTRUTest, "[1.250]", 1.25},
    {"TRU-Test virgula", M::balWeighTRUTest, "[1,250]", 1.25},
    {"TRU-Test lixo", M::balWeighTRUTest, "[U]", 0},
    {"TRU-Test vazio", M::balWeighTRUTest, "", 0},

    {"Siciliano IP09", M::balSiciliano, STX + "000 01,250xxx" + ETX, 1.25},
    {"Siciliano IP09 negativo", M::balSiciliano, STX + "000-01,250xxx" + ETX, -2},
    {"Siciliano IP10 liquido", M::balSiciliano, STX + "00 02,000xxxxx00,750" + ETX, 1.25},
    {"Siciliano IP10 tara maior", M::balSiciliano, STX + "00 01,000xxxxx02,000" + ETX, -2},
    {"Siciliano IP10 sinal", M::balSiciliano, STX + "00-02,000xxxxx00,750" + ETX, -2},
    {"Siciliano IP10 malformado", M::balSiciliano, STX + "00 abcdefxxxxx00,750" + ETX, -9},
    {"Siciliano vazio", M::balSiciliano, "", 0},

    {"Trentin Condec", M::balTrentin, STX + "x0001250" + CR, 1.25},
    {"Trentin sem STX", M::balTrentin, "  001250" + CR, 1.25},
    {"Trentin curto", M::balTrentin, "12" + CR, 0},
    {"Trentin movimento", M::balTrentin, STX + "xMOV    " + CR, -11},
    {"Trentin sobrecarga", M::balTrentin, STX + "xOVER   " + CR, -10},
};

INSTANTIATE_TEST_SUITE_P(Modelos, ParserModelo, ::testing::ValuesIn(casos));

class ConversaoEntreModelos : public ::testing::Test {
protected:
    void SetUp() override { RestaurarSeparadorDecimalBalanca(); }
    void TearDown() override { RestaurarSeparadorDecimalBalanca(); }
};

TEST_F(ConversaoEntreModelos, TruTestNaoMudaOSeparadorDosOutrosModelos) {
    Locale ponto = Locale::brazilian();
    ponto.decimalSeparator = '.';
    ponto.thousandSeparator = ',';
    ScopedLocale local(ponto);
    TBalanca balanca;
    balanca.setModelo(TBalancaModelo::balWeighTRUTest);
    EXPECT_DOUBLE_EQ(balanca.InterpretarRepostaPeso("[1,250]"), 1.25);
    EXPECT_EQ(SeparadorDecimalBalanca(), '.');
    balanca.setModelo(TBalancaModelo::balFilizola);
    EXPECT_DOUBLE_EQ(balanca.InterpretarRepostaPeso(STX + "1.250" + ETX), 1.25);
    EXPECT_DOUBLE_EQ(balanca.InterpretarRepostaPeso(STX + "1,250" + ETX), 1.25);
}

TEST_F(ConversaoEntreModelos, SeparadorFixadoValeParaTodaConversao) {
    Locale ponto = Locale::brazilian();
    ponto.decimalSeparator = '.';
    ScopedLocale local(ponto);
    FixarSeparadorDecimalBalanca(',');
    double valor = 0;
    EXPECT_FALSE(ConverterPeso("1.250", 1000, valor));
    // The text is no number and "1" no status letter: the fallback.
    EXPECT_DOUBLE_EQ(PesoOuStatus("1.250", 1000, -9), -9);
    RestaurarSeparadorDecimalBalanca();
    EXPECT_DOUBLE_EQ(PesoOuStatus("1,250", 1000, -9), 1.25);
}

TEST_F(ConversaoEntreModelos, LibratekEscolhidaNasConfiguracoesLeOPesoComSuasPosicoes) {
    ScopedLocale local{Locale::brazilian()};
    TBalanca balanca;
    balanca.setModelo(TBalancaModelo::balLibratek);
    EXPECT_EQ(balanca.PosIni(), 7);
    EXPECT_EQ(balanca.PosFim(), 9);
    EXPECT_DOUBLE_EQ(balanca.InterpretarRepostaPeso("ST,GS, 001.250 kg"), 1.25);
    // Positions the settings chose are carried over as they are.
    balanca.setModelo(TBalancaModelo::balGenerica);
    balanca.setPosIni(8);
    balanca.setPosFim(7);
    balanca.setModelo(TBalancaModelo::balLibratek);
    EXPECT_EQ(balanca.PosIni(), 8);
    EXPECT_DOUBLE_EQ(balanca.InterpretarRepostaPeso("ST,GS, 001.250 kg"), 1.25);
}

TEST_F(ConversaoEntreModelos, MarteUsaAsPosicoesDaGenerica) {
    ScopedLocale local{Locale::brazilian()};
    TBalanca balanca;
    balanca.setModelo(TBalancaModelo::balMarte);
    balanca.setPosIni(3);
    balanca.setPosFim(6);
    EXPECT_DOUBLE_EQ(balanca.InterpretarRepostaPeso("xx001250yy"), 1.25);
}

TEST_F(ConversaoEntreModelos, SicilianoGuardaOProtocolo) {
    ScopedLocale local{Locale::brazilian()};
    TBalanca balanca;
    balanca.setModelo(TBalancaModelo::balSiciliano);
    balanca.InterpretarRepostaPeso(STX + "000 01,250xxx" + ETX);
    EXPECT_EQ(dynamic_cast<TBalancaSiciliano&>(balanca.BAL()).Protocolo(), "Protocolo IP09");
    balanca.InterpretarRepostaPeso(STX + "00 02,000xxxxx00,750" + ETX);
    EXPECT_EQ(dynamic_cast<TBalancaSiciliano&>(balanca.BAL()).Protocolo(), "Protocolo IP10");
}

TEST(CatalogoModelos, NomesEClassesDeCadaModelo) {
    const std::pair<TBalancaModelo, const char*> nomes[] = {
        {M::balNenhum, "Generica"},
        {M::balFilizola, "Filizola"},
        {M::balToledo, "Toledo"},
        {M::balToledo2090, "Toledo 2090"},
        {M::balToledo2180, "Toledo 2180"},
        {M::balUrano, "Urano"},
        {M::balLucasTec, "LucasTec"},
        {M::balMagna, "Magna"},
        {M::balDigitron, "Digitron"},
        {M::balMagellan, "Magellan"},
        {M::balUranoPOP, "Urano"},
        {M::balLider, "Lider"},
        {M::balRinnert, "Rinnert"},
        {M::balMuller, "Muller"},
        {M::balSaturno, "Saturno"},
        {M::balAFTS, "AFTS"},
        {M::balGenerica, "Generica"},
        {M::balLibratek, "Libratek"},
        {M::balMicheletti, "Micheletti"},
        {M::balAlfa, "Alfa"},
        {M::balToledo9091_8530_8540, "Toledo 9091 8530 8540"},
        {M::balWeightechWT1000, "Weightech WT1000"},
        {M::balMarelCG62XL, "Marel"},
        {M::balWeightechWT3000_ABS, "Weightech WT3000_ABS"},
        {M::balToledo2090N, "Toledo 2090N"},
        {M::balToledoBCS21, "Toledo BCS21"},
        {M::balPrecision, "Precision"},
        {M::balDigitron_UL, "Digitron_UL"},
        {M::balLibratekWT3000IR, "Libratek WT3000IR"},
        {M::balToledoTi420, "Toledo Ti420"},
        {M::balWeightechWT27R_ETH, "WeightechWT27R_ETH"},
        {M::balCapital, "Capital"},
        {M::balMarte, "Marte"},
        {M::balLenkeLK2500, "Lenke LK2500"},
        {M::balWeighTRUTest, "Weigh TRU-Test"},
        {M::balUranoUDC, "UranoUDC"},
        {M::balSiciliano, "Siciliano"},
        {M::balTrentin, "Trentin"},
        {M::balWeightechWT3000IR_ABS, "Weightech WT3000IR_ABS"},
    };
    ASSERT_EQ(std::size(nomes), static_cast<std::size_t>(QuantidadeModelos));
    TBalanca balanca;
    for (std::size_t i = 0; i < std::size(nomes); ++i) {
        EXPECT_EQ(static_cast<std::size_t>(nomes[i].first), i);
        balanca.setModelo(nomes[i].first);
        EXPECT_EQ(balanca.ModeloStr(), nomes[i].second);
    }
}

TEST(CatalogoModelos, ModeloPorNumeroOuNome) {
    EXPECT_EQ(ModeloPorTexto("2"), M::balToledo);
    EXPECT_EQ(ModeloPorTexto("balToledo"), M::balToledo);
    EXPECT_EQ(ModeloPorTexto("BALTOLEDO2090"), M::balToledo2090);
    EXPECT_EQ(ModeloPorTexto("38"), M::balWeightechWT3000IR_ABS);
    EXPECT_EQ(ModeloPorTexto("39"), std::nullopt);
    EXPECT_EQ(ModeloPorTexto("Toledo"), std::nullopt);
    EXPECT_EQ(NomeModelo(M::balWeighTRUTest), "balWeighTRUTest");
}

} // namespace
} // namespace mvf
