#include "scaleload/MgvRegistros.h"
#include "scaleload/MgvRegistrosComplementares.h"
#include "scaleload/TCargaBal.h"

#include "CargaTestes.h"

#include <gtest/gtest.h>

namespace mvf {
namespace {

using M = TCargaBalModelo;
using test::campo;

// The MGV records carry the sector, so the item sits in one.
TCargaBalItem queijo() {
    TCargaBalItem item = test::queijo();
    item.Setor.Codigo = 1;
    return item;
}

TEST(MgvItem, WorkedExampleMgv6) {
    TCargaBalItem item = queijo();
    const std::string esperado = std::string("01") + "0" + "000042" + "003990" + "015" + "QUEIJO MINAS" +
                                 std::string(38, ' ') + "000000" + "0000" + "000000" + "1" + "1" + "0000" +
                                 std::string(12, '0') + std::string(11, '0') + "0" + "0000" +
                                 std::string(20, '0') + std::string(12, '0');
    const std::string linha = mgv::registroItem(item, M::modToledoMGV6);
    EXPECT_EQ(linha.size(), 150u);
    EXPECT_EQ(linha, esperado);

    TCargaBal carga;
    carga.SetModelo(M::modToledoMGV6);
    carga.Produtos().New() = queijo();
    const auto g = test::gerarCarga(carga);
    EXPECT_EQ(g.bytes.at("ITENSMGV.TXT"), esperado + "\r\n");
    EXPECT_EQ(g.nomes, (std::vector<std::string>{"ITENSMGV.TXT", "DEPTO.TXT"}));
    EXPECT_EQ(g.bytes.at("DEPTO.TXT"), "01" + std::string(40, ' ') + "\r\n");
}

TEST(MgvItem, FieldsAtTheirPositions) {
    TCargaBalItem item = queijo();
    item.Tipo = TCargaBalTipoVenda::tpvEAN13Und;
    item.InformacaoExtra.Receita = "ABC";
    item.Nutricional.Codigo = 77;
    item.ImpValidade = 0;
    item.ImpEmbalagem = 10;
    item.CodigoFornecedor = 12;
    item.Lote = "ABC";
    item.CodigoTara = 3;
    item.CodigoFracionador = 4;
    item.CodigoExtra1 = 5;
    item.CodigoExtra2 = 6;
    item.CodigoConservacao = 7;
    item.EAN13Fornecedor = "789";

    TCargaBalItem mgv6 = item;
    const std::string l = mgv::registroItem(mgv6, M::modToledoMGV6);
    ASSERT_EQ(l.size(), 150u);
    test::expectCampos(l, {{3, 1, "5"},
                           {69, 6, "000042"}, // recipe of three characters: the item code
                           {79, 6, "000077"},
                           {85, 1, "0"},
                           {86, 1, "1"},
                           {87, 4, "0012"},
                           {91, 12, "000000000ABC"},
                           {119, 4, "0003"},
                           {123, 4, "0004"},
                           {127, 4, "0005"},
                           {131, 4, "0006"},
                           {135, 4, "0007"},
                           {139, 12, "000000000789"}});
    EXPECT_EQ(mgv6.InformacaoExtra.Codigo, 42);

    TCargaBalItem mgv5 = item;
    const std::string l5 = mgv::registroItem(mgv5, M::modToledoMGV5);
    EXPECT_EQ(campo(l5, 127, 8), "00000000");
    EXPECT_EQ(campo(l5, 135, 4), "0007");

    const std::string v1 = mgv::registroItemVer1(item);
    ASSERT_EQ(v1.size(), 113u);
    test::expectCampos(v1, {{1, 18, "015000042003990015"},
                            {69, 6, "000042"},
                            {75, 3, "000"},
                            {78, 4, "0077"},
                            {82, 2, "01"},
                            {84, 4, "0012"},
                            {88, 12, "000000000ABC"},
                            {100, 14, std::string(14, '0')}});

    item.InformacaoExtra.Receita = "RECEITA";
    const std::string t = mgv::registroItemToledo(item);
    ASSERT_EQ(t.size(), 320u);
    test::expectCampos(t, {{1, 20, "01005000042003990015"},
                           {21, 50, "QUEIJO MINAS" + std::string(38, ' ')},
                           {71, 250, "RECEITA" + std::string(243, ' ')}});
}

TEST(MgvItem, CutsAndSigns) {
    TCargaBalItem item = queijo();
    item.Codigo = 1234567;
    item.ValorVenda = Currency::fromUnits(10000); // 10 000.00 keeps the first six digits
    item.Lote = "123456789012345";
    item.Descricao = std::string(60, 'X');
    item.Setor.Codigo = -1;
    const std::string l = mgv::registroItem(item, M::modToledoMGV6);
    ASSERT_EQ(l.size(), 150u);
    test::expectCampos(l, {{1, 2, "-1"}, {4, 6, "123456"}, {10, 6, "100000"}, {91, 12, "123456789012"}});
}

TEST(MgvNutricional, ClassicRecordAndTheRdc429Blocks) {
    TCargaBalNutricional n;
    n.Codigo = 12;
    n.Qtd = 100;
    n.UndPorcao = TCargaBalNutriUndPorcao::tpMililitros;
    n.PartInteira = 2;
    n.PartDecimal = TCargaBalNutriPartdecimal::tpPara12;
    n.MedCaseira = TCargaBalNutriMedCaseira::tpLata;
    n.ValorEnergetico = 250;
    n.Carboidrato = Currency::fromTicks(123456); // 12.3456 -> 123
    n.Proteina = Currency::fromTicks(35000);
    n.GorduraTotal = Currency::fromTicks(10000);
    n.GorduraSaturada = Currency::fromTicks(5000);
    n.GorduraTrans = Currency::fromTicks(0);
    n.Fibra = Currency::fromTicks(20000);
    n.Sodio = Currency::fromTicks(4005000);
    const std::string classico = "N000012"
                                 "0"
                                 "100"
                                 "1"
                                 "02"
                                 "3"
                                 "26"
                                 "0250"
                                 "0123"
                                 "035"
                                 "010"
                                 "005"
                                 "000"
                                 "020"
                                 "04005";
    EXPECT_EQ(classico.size(), 45u);
    EXPECT_EQ(mgv::registroNutricional(n, M::modToledoMGV6), classico);
    EXPECT_EQ(mgv::registroNutricional(n, M::modToledoMGV5), classico);
    EXPECT_EQ(mgv::registroNutricional(n, M::modToledoMGV5Ver1), classico);

    n.QtdeAutomaticaPorcao429 = true;
    n.QtdePorcEmb429 = 8;
    n.QtdePorcao429 = 25;
    n.UndPorcao429 = TCargaBalNutriUndPorcao429::tpMililitros429;
    n.PartIntMedidaCaseira429 = 1;
    n.PartDecMedidaCaseira429 = TCargaBalNutriPartdecimal429::tpPara34_429;
    n.MedCaseira429 = TCargaBalNutriMedCaseira429::tpPratoRaso429;
    n.ValorEnergetico429 = 99;
    n.Carboidrato429 = Currency::fromTicks(51000);
    n.AcucaresTotais429 = 2.35;
    n.AcucaresAdicionados429 = 1.0;
    n.Proteinas429 = 0.05;
    n.GordurasTotais429 = 3;
    n.GordurasSaturadas429 = 0.1;
    n.GordurasTrans429 = 0;
    n.FibraAlimentar429 = 4.44;
    n.Sodio429 = 120.5;
    n.AltoAcucar429 = 1;
    n.AltoGordura429 = 0;
    n.AltoSodio429 = 1;
    n.Lactose429 = 1.25;
    n.Galactose429 = 0.5;
    n.ImprimeLactoseGalactose = 1;
    const std::string bloco = std::string("1") + "008" + "025" + "1" + "01" + "5" + "28" + "0099" + "0051" +
                              "023" + "010" + "000" + "030" + "001" + "000" + "044" + "01205" + "1" + "0" +
                              "1" + "00012" + "00005";
    const std::string mgv7 = mgv::registroNutricional(n, M::modToledoMGV7);
    EXPECT_EQ(mgv7, classico + "0000|" + bloco + "1");
    EXPECT_EQ(mgv7.size(), 111u);
    const std::string triunfo = mgv::registroNutricional(n, M::modTriunfoRdc429);
    EXPECT_EQ(triunfo, classico + "|" + bloco);
    EXPECT_EQ(triunfo.size(), 106u);

    n.ImprimeCamposEstendido = true;
    n.AcucaresAdicionadosEstendido429 = 1.5;
    n.AcucaresTotaisEstendido429 = 2.5;
    n.GordurasTotaisEstendido429 = 3.5;
    n.ProteinasEstendido429 = 4.5;
    const std::string estendido = mgv::registroNutricional(n, M::modToledoMGV7);
    EXPECT_EQ(estendido.size(), 131u);
    EXPECT_EQ(campo(estendido, 112, 20), "00015000250003500045");
    EXPECT_EQ(mgv::registroNutricional(n, M::modTriunfoRdc429).size(), 106u);
}

TEST(MgvNutricional, OnlyForACodeAndOnceForEqualTables) {
    TCargaBal carga;
    carga.SetModelo(M::modToledoMGV6);
    auto& semCodigo = carga.Produtos().New();
    semCodigo.Codigo = 1;
    semCodigo.Nutricional.Qtd = 100; // amounts without a code: no line
    for (int i = 0; i < 3; ++i) {
        auto& item = carga.Produtos().New();
        item.Codigo = 2 + i;
        item.Nutricional.Codigo = 5;
        item.Nutricional.Qtd = i == 2 ? 200 : 100; // the third differs: a second line with the same code
    }
    const auto linhas = test::gerarCarga(carga).linhas("INFNUTRI.TXT");
    ASSERT_EQ(linhas.size(), 2u);
    EXPECT_EQ(campo(linhas[0], 1, 12), "N00000501000");
    EXPECT_EQ(campo(linhas[1], 1, 12), "N00000502000");
}

TEST(MgvComplementares, Records) {
    TCargaBalInformacaoExtra info;
    info.Observacao = "OBS";
    info.Receita = std::string(900, 'R');
    const std::string txinfo = mgv::registroInformacaoExtra(42, info);
    EXPECT_EQ(txinfo.size(), 946u);
    EXPECT_EQ(campo(txinfo, 1, 9), "000042OBS");
    EXPECT_EQ(campo(txinfo, 107, 840), std::string(840, 'R'));

    TCargaBalTaras tara;
    tara.Codigo = 3;
    tara.Valor = Currency::fromTicks(1500);
    tara.Descricao = "POTE";
    tara.ValorMaximoTara = Currency::fromTicks(25000);
    EXPECT_EQ(mgv::registroTaraCurto(tara), "0003000150POTE" + std::string(16, ' '));
    EXPECT_EQ(mgv::registroTaraLongo(tara), "N00030000150000000POTE" + std::string(16, ' '));
    tara.TipoTara = 1;
    EXPECT_EQ(mgv::registroTaraLongo(tara), "N00031000150002500POTE" + std::string(16, ' '));

    TCargaBalFornecedor f;
    f.Codigo = 9;
    f.Observacao = "O";
    f.Descricao5 = "FIM";
    const std::string forn = mgv::registroFornecedor(f);
    EXPECT_EQ(forn.size(), 384u);
    EXPECT_EQ(campo(forn, 1, 5), "0009O");
    EXPECT_EQ(campo(forn, 329, 56), "FIM" + std::string(53, ' '));

    TCargaBalFracionador fr;
    fr.Codigo = 1;
    fr.Descricao3 = "D3";
    const std::string fracionador = mgv::registroFracionador(fr);
    EXPECT_EQ(fracionador.size(), 272u);
    EXPECT_EQ(campo(fracionador, 217, 56), "D3" + std::string(54, ' '));
    TCargaBalConservacao c;
    c.Codigo = 2;
    c.Descricao1 = "GELADEIRA";
    EXPECT_EQ(campo(mgv::registroConservacao(c), 1, 4), "0002");
    EXPECT_EQ(campo(mgv::registroConservacao(c), 105, 9), "GELADEIRA");

    TCargaBalExtra1 e;
    e.Codigo = 5;
    e.Linha1 = "L1";
    const std::string extra = mgv::registroCampoExtra(e);
    EXPECT_EQ(extra.size(), 384u);
    EXPECT_EQ(campo(extra, 105, 2), "L1");

    TCargaBalItem item = queijo();
    item.Teclado = {7, 2, 123};
    const std::string tecla = mgv::registroTecla(item);
    EXPECT_EQ(tecla.size(), 291u);
    EXPECT_EQ(campo(tecla, 1, 36), "12207000042"
                                   "0"
                                   "QUEIJO MINAS" +
                                       std::string(12, ' '));
    EXPECT_EQ(campo(tecla, 37, 255), std::string(255, ' '));
    const std::string cabecalho = mgv::registroCabecalhoTeclado(item.Teclado);
    EXPECT_EQ(cabecalho, "OBS12TECLADO 123" + std::string(89, ' '));

    TCargaBalSetor s{4, "PADARIA"};
    EXPECT_EQ(mgv::registroDepartamento(s), "04PADARIA" + std::string(33, ' '));
}

TEST(MgvComplementares, OnceOnlyFilesCompareWholeLinesIgnoringCase) {
    TCargaBal carga;
    carga.SetModelo(M::modToledoMGV6);
    const std::vector<std::pair<std::int32_t, std::string>> setores = {
        {1, "AÇOUGUE"}, {1, "Açougue"}, {1, "PADARIA"}, {2, "AÇOUGUE"}, {1, "AÇOUGUE"}};
    std::int32_t codigo = 1;
    for (const auto& [sc, sd] : setores) {
        auto& item = carga.Produtos().New();
        item.Codigo = codigo++;
        item.Setor = {sc, sd};
        item.Fornecedor->Codigo = 3;
        item.Fornecedor->Observacao = codigo == 3 ? "OUTRA" : "";
    }
    const auto g = test::gerarCarga(carga);
    const auto deptos = g.linhas("DEPTO.TXT");
    ASSERT_EQ(deptos.size(), 3u);
    EXPECT_EQ(campo(deptos[0], 1, 9), "01A\xC7OUGUE");
    EXPECT_EQ(campo(deptos[1], 1, 9), "01PADARIA");
    EXPECT_EQ(campo(deptos[2], 1, 9), "02A\xC7OUGUE");
    EXPECT_EQ(g.linhas("TXFORN.TXT").size(), 2u); // same code, different observation
    EXPECT_EQ(g.linhas("ITENSMGV.TXT").size(), 5u);
}

TEST(MgvRun, ExtraInformationTareAndKeyboardPerVariant) {
    auto montar = [](TCargaBal& carga) {
        for (int i = 0; i < 10; ++i) {
            auto& item = carga.Produtos().New();
            item.Codigo = 100 + i;
            item.Teclado.Tecla = i + 1;
            item.Teclado.Codigo_Teclado = i < 8 ? 1 : 2;
            item.InformacaoExtra.Receita = i == 0 ? "AB" : "ABC";
            item.Tara.Codigo = 1;
            item.Tara.Valor = Currency::fromTicks(1500);
        }
    };
    TCargaBal mgv6;
    mgv6.SetModelo(M::modToledoMGV6);
    montar(mgv6);
    const auto g6 = test::gerarCarga(mgv6);
    const auto teclas6 = g6.linhas("TXTECLAS.TXT");
    ASSERT_EQ(teclas6.size(), 12u);
    EXPECT_EQ(campo(teclas6[0], 1, 16), "OBS01TECLADO 1  ");
    EXPECT_EQ(campo(teclas6[1], 1, 16), "OBS02TECLADO 2  ");
    EXPECT_EQ(campo(teclas6[2], 1, 11), "01101000100");
    EXPECT_EQ(campo(teclas6[11], 1, 11), "02110000109");
    const auto info6 = g6.linhas("TXINFO.TXT");
    ASSERT_EQ(info6.size(), 9u); // "AB" has no record
    EXPECT_EQ(campo(info6[0], 1, 6), "000101");
    EXPECT_EQ(campo(g6.linhas("ITENSMGV.TXT")[0], 69, 6), "000000");
    EXPECT_EQ(campo(g6.linhas("ITENSMGV.TXT")[1], 69, 6), "000101");
    ASSERT_EQ(g6.linhas("TARA.TXT").size(), 1u);
    EXPECT_EQ(g6.linhas("TARA.TXT")[0].size(), 38u);

    TCargaBal mgv5;
    mgv5.SetModelo(M::modToledoMGV5);
    montar(mgv5);
    const auto g5 = test::gerarCarga(mgv5);
    const auto teclas5 = g5.linhas("TXTECLAS.TXT");
    ASSERT_EQ(teclas5.size(), 10u);
    EXPECT_EQ(campo(teclas5[0], 1, 11), "01101000100");
    EXPECT_EQ(g5.linhas("TARA.TXT")[0].size(), 30u);

    TCargaBal ver1;
    ver1.SetModelo(M::modToledoMGV5Ver1);
    montar(ver1);
    ver1.Produtos()[1].InformacaoExtra.Codigo = 555; // Ver1 keys the record on the item code
    const auto gv = test::gerarCarga(ver1);
    EXPECT_EQ(gv.bytes.count("TXTECLAS.TXT"), 0u);
    EXPECT_EQ(campo(gv.linhas("TXINFO.TXT")[0], 1, 6), "000101");
}

} // namespace
} // namespace mvf
