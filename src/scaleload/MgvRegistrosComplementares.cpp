#include "scaleload/MgvRegistrosComplementares.h"

#include "core/RecordLine.h"

namespace mvf::mgv {

namespace {

std::string blocoTresLinhas(std::int64_t codigo, const std::string& observacao, const std::string& l1,
                            const std::string& l2, const std::string& l3) {
    return RecordLine(272).N(codigo, 4).A(observacao, 100).A(l1, 56).A(l2, 56).A(l3, 56).str();
}

std::string blocoCincoLinhas(std::int64_t codigo, const std::string& observacao, const std::string& l1,
                             const std::string& l2, const std::string& l3, const std::string& l4,
                             const std::string& l5) {
    return RecordLine(384)
        .N(codigo, 4)
        .A(observacao, 100)
        .A(l1, 56)
        .A(l2, 56)
        .A(l3, 56)
        .A(l4, 56)
        .A(l5, 56)
        .str();
}

} // namespace

std::string registroInformacaoExtra(std::int32_t codigo, const TCargaBalInformacaoExtra& info) {
    return RecordLine(946).N(codigo, 6).A(info.Observacao, 100).A(info.Receita, 840).str();
}

std::string registroTaraCurto(const TCargaBalTaras& tara) {
    return RecordLine(30).N(tara.Codigo, 4).V(tara.Valor, 6, 3).A(tara.Descricao, 20).str();
}

std::string registroTaraLongo(const TCargaBalTaras& tara) {
    RecordLine line(38);
    line.Lit('N').N(tara.Codigo, 4).N(tara.TipoTara, 1).V(tara.Valor, 6, 3);
    if (tara.TipoTara == 1)
        line.V(tara.ValorMaximoTara, 6, 3);
    else
        line.Lit("000000");
    return std::move(line.A(tara.Descricao, 20)).str();
}

std::string registroFornecedor(const TCargaBalFornecedor& f) {
    return blocoCincoLinhas(f.Codigo, f.Observacao, f.Descricao1, f.Descricao2, f.Descricao3, f.Descricao4,
                            f.Descricao5);
}

std::string registroFracionador(const TCargaBalFracionador& f) {
    return blocoTresLinhas(f.Codigo, f.Observacao, f.Descricao1, f.Descricao2, f.Descricao3);
}

std::string registroConservacao(const TCargaBalConservacao& c) {
    return blocoTresLinhas(c.Codigo, c.Observacao, c.Descricao1, c.Descricao2, c.Descricao3);
}

std::string registroCampoExtra(const TCargaBalExtra1& e) {
    return blocoCincoLinhas(e.Codigo, e.Observacao, e.Linha1, e.Linha2, e.Linha3, e.Linha4, e.Linha5);
}

std::string registroTecla(const TCargaBalItem& item) {
    return RecordLine(291)
        .N(item.Teclado.Codigo_Teclado, 2)
        .N(item.Teclado.Pagina_Teclado, 1)
        .N(item.Teclado.Tecla, 2)
        .N(item.Codigo, 6)
        .Lit('0')
        .A(item.Descricao, 24)
        .A("", 255)
        .str();
}

std::string registroCabecalhoTeclado(const TCargaBalTeclado& teclado) {
    return RecordLine(105)
        .Lit("OBS")
        .N(teclado.Codigo_Teclado, 2)
        .A("TECLADO " + std::to_string(teclado.Codigo_Teclado), 100)
        .str();
}

std::string registroDepartamento(const TCargaBalSetor& setor) {
    return RecordLine(42).N(setor.Codigo, 2).A(setor.Descricao, 40).str();
}

} // namespace mvf::mgv
