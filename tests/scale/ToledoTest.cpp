#include "core/Locale.h"
#include "scale/ConversaoPeso.h"
#include "scale/TBalanca.h"
#include "scale/modelos/BalancaToledo.h"

#include <gtest/gtest.h>

namespace mvf {
namespace {

const std::string STX = "\x02", ETX = "\x03", CR = "\r", LF = "\n";

struct Caso {
    std::string nome;
    TBalancaModelo modelo;
    std::string resposta;
    double esperado;
};

std::ostream& operator<<(std::ostream& os, const Caso& c) {
    return os << c.nome;
}

class ParserToledo : public ::testing::TestWithParam<Caso> {
protected:
    ScopedLocale local{Locale::brazilian()};
};

TEST_P(ParserToledo, LeORespostaComoOModeloManda) {
    const Caso& c = GetParam();
    RestaurarSeparadorDecimalBalanca();
    TBalanca balanca;
    balanca.setModelo(c.modelo);
    EXPECT_DOUBLE_EQ(balanca.InterpretarRepostaPeso(c.resposta), c.esperado) << c.nome;
}

// An A frame: STX, status byte at 2, weight at 3-8, ..., CR at 22; byte 9 carries the divisor bit.
std::string quadroA(const std::string& campo, char byte9 = ' ') {
    std::string s = STX + "0" + campo + std::string(13, ' ') + CR;
    s[8] = byte9;
    return s;
}

using M = TBalancaModelo;
const Caso casosToledo[] = {
    {"vazio", M::balToledo, "", 0},
    {"C com ponto", M::balToledo, STX + "  1.250" + CR, 1.25},
    {"C com virgula", M::balToledo, STX + "01,250" + CR, 1.25},
    {"C sem separador", M::balToledo, STX + "001250" + CR, 1.25},
    {"C com kg", M::balToledo, STX + "1,250kg" + CR, 1.25},
    {"C sem CR", M::balToledo, STX + "001250", 1.25},
    {"B", M::balToledo, STX + "002500" + ETX, 2.5},
    {"B instavel", M::balToledo, STX + "IIIIII" + ETX, -1},
    {"A", M::balToledo, quadroA("001250"), 1.25},
    {"instavel com sinal", M::balToledo, STX + "+III,III" + CR, -1},
    {"negativo III", M::balToledo, STX + "-III,III" + CR, -2},
    {"sobrecarga", M::balToledo, STX + "+SSS,SSS" + CR, -10},
    {"IIIII", M::balToledo, STX + "IIIII" + CR, -1},
    {"NNNNN", M::balToledo, STX + "NNNNN" + CR, -2},
    {"letra C", M::balToledo, STX + "CCCCC" + CR, -11},
    {"letra E", M::balToledo, STX + "EEEEE" + CR, -12},
    {"lixo", M::balToledo, STX + "xyz" + CR, 0},
    {"so STX e CR", M::balToledo, STX + CR, 0},
    {"sinal de menos com numero e negativo", M::balToledo, STX + "-000.500" + CR, -2},
    {"sinal de menos sem separador", M::balToledo, STX + "-000500" + CR, -2},
    {"sinal de mais", M::balToledo, STX + "+000.500" + CR, 0.5},
    {"menos zero", M::balToledo, STX + "-000.000" + CR, 0},
    {"dois STX leem o ultimo", M::balToledo, STX + "009999" + CR + STX + "001250" + CR, 1.25},
    {"P03", M::balToledo, STX + "0  001250      " + CR, 1.25},

    {"2090 uma linha", M::balToledo2090, STX + "ax 0001250abcde", -9},
    {"2090 16", M::balToledo2090, "lixo" + CR + STX + "ax 0001250abcde" + CR, 1.25},
    {"2090 16 negativo", M::balToledo2090, "lixo" + CR + STX + "ar 0001250abcde" + CR, -1.25},
    {"2090 17 centesimos", M::balToledo2090, "lixo" + CR + LF + " " + STX + "x 0001250abcdef", 12.5},
    {"2090 sobrecarga", M::balToledo2090, "a" + CR + STX + "as 0001250abcde", -10},
    {"2090 tamanho errado", M::balToledo2090, "a" + CR + STX + "ax 0001250", -9},
    {"2090 sem STX", M::balToledo2090, "a" + CR + "aax 0001250abcde", -9},
    {"2090 campo nao numerico", M::balToledo2090, "a" + CR + STX + "as IIIIIIIabcde", -9},
    {"2090 vazio", M::balToledo2090, "", -9},

    {"2090N estavel", M::balToledo2090N, STX + "0 0001250000000" + ETX, 1.25},
    {"2090N x sem tara", M::balToledo2090N, STX + "0x0001250000000" + ETX, -1},
    {"2090N r sem tara", M::balToledo2090N, STX + "0r0001250000000" + ETX, -2},
    {"2090N s sem tara", M::balToledo2090N, STX + "0s0001250000000" + ETX, -10},
    {"2090N y com tara", M::balToledo2090N, STX + "0y000125000,100" + ETX, -1},
    {"2090N s com tara", M::balToledo2090N, STX + "0s000125000,100" + ETX, 0},
    {"2090N x com tara mantem", M::balToledo2090N, STX + "0x000125000,100" + ETX, 1.25},
    {"2090N tara nao numerica", M::balToledo2090N, STX + "0 0001250abcdef" + ETX, 0},
    {"2090N peso vazio", M::balToledo2090N, STX + "0 0", 0},

    {"9091 com espaco", M::balToledo9091_8530_8540, STX + "00 001250", 1250},
    {"9091 sem espaco", M::balToledo9091_8530_8540, STX + "00001250", 1250},
    {"9091 sem STX", M::balToledo9091_8530_8540, "00 001250", -9},
    {"9091 nao inteiro", M::balToledo9091_8530_8540, STX + "00 0012,5", 0},
    {"9091 vazio", M::balToledo9091_8530_8540, "", -9},

    {"BCS21 estavel", M::balToledoBCS21, STX + "S+0001.250" + CR, 1.25},
    {"BCS21 minusculo", M::balToledoBCS21, STX + "s+0001.250" + CR, 1.25},
    {"BCS21 negativo", M::balToledoBCS21, STX + "S-0001.250" + CR, -2},
    {"BCS21 dinamico", M::balToledoBCS21, STX + "D+0001.250" + CR, -1},
    {"BCS21 outro", M::balToledoBCS21, STX + "XX0001.250" + CR, 0},
    {"BCS21 nao numerico", M::balToledoBCS21, STX + "S+abc" + CR, -9},
    {"BCS21 ultimo STX", M::balToledoBCS21, STX + "S-" + STX + "S+   2,5" + CR, 2.5},

    {"2180 quadro", M::balToledo2180, "`001.250", 1.25},
    {"2180 sem crase", M::balToledo2180, "001.250", 0},
    {"Ti420 quadro", M::balToledoTi420, "x`02,500", 2.5},
};

INSTANTIATE_TEST_SUITE_P(Toledo, ParserToledo, ::testing::ValuesIn(casosToledo));

TEST(Toledo, ODivisorBaixadoPorUmQuadroValeParaOsSeguintes) {
    ScopedLocale local{Locale::brazilian()};
    TBalanca balanca;
    balanca.setModelo(TBalancaModelo::balToledo);
    auto& toledo = dynamic_cast<TBalancaToledo&>(balanca.BAL());
    EXPECT_EQ(toledo.Protocolo(), "Não Definido");
    EXPECT_DOUBLE_EQ(balanca.InterpretarRepostaPeso(STX + "001250" + CR), 1.25);
    EXPECT_EQ(toledo.Protocolo(), "Protocolo C");
    EXPECT_DOUBLE_EQ(balanca.InterpretarRepostaPeso(quadroA("001250", '\x08')), 12.5);
    EXPECT_EQ(toledo.Protocolo(), "Protocolo A");
    EXPECT_DOUBLE_EQ(balanca.InterpretarRepostaPeso(STX + "001250" + CR), 12.5);
    // A fresh driver starts again from thousandths.
    balanca.setModelo(TBalancaModelo::balNenhum);
    balanca.setModelo(TBalancaModelo::balToledo);
    EXPECT_DOUBLE_EQ(balanca.InterpretarRepostaPeso(STX + "001250" + CR), 1.25);
}

TEST(Toledo, P03ComBitDeDecimaisEUsaOPrimeiroSTX) {
    ScopedLocale local{Locale::brazilian()};
    TBalanca balanca;
    balanca.setModelo(TBalancaModelo::balToledo);
    std::string quadro = STX + "\x08" + "  001250      " + CR;
    EXPECT_DOUBLE_EQ(balanca.InterpretarRepostaPeso(quadro), 12.5);
    EXPECT_EQ(dynamic_cast<TBalancaToledo&>(balanca.BAL()).Protocolo(), "Protocolo P03");
}

TEST(Toledo, EthRecortaARespostaAteOETX) {
    ScopedLocale local{Locale::brazilian()};
    TBalanca balanca;
    balanca.setModelo(TBalancaModelo::balToledo);
    std::string quadro = STX + "02abc001250" + std::string(48, ' ') + ETX + "resto";
    ASSERT_EQ(quadro[60], '\x03');
    EXPECT_DOUBLE_EQ(balanca.InterpretarRepostaPeso(quadro), 1.25);
    EXPECT_EQ(dynamic_cast<TBalancaToledo&>(balanca.BAL()).Protocolo(), "Protocolo Eth");
    EXPECT_EQ(balanca.UltimaResposta(), quadro.substr(0, 60));
}

} // namespace
} // namespace mvf
