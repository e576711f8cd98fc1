#include "scaleload/tool/ProdutoCarga.h"

#include "core/PathText.h"
#include "scaleload/tool/AjustarArquivoRamuza.h"
#include "scaleload/tool/ConverterTara.h"
#include "scaleload/tool/ValidadeDescricao.h"

#include <cstdint>
#include <limits>
#include <stdexcept>

namespace mvf {

namespace {

// Decimal text with blanks before it and leading zeros allowed, within 32 bits.
std::int32_t codigoInteiro(const std::string& texto) {
    std::size_t i = 0;
    while (i < texto.size() && (texto[i] == ' ' || texto[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < texto.size() && (texto[i] == '-' || texto[i] == '+'))
        negative = texto[i++] == '-';
    if (i >= texto.size())
        throw std::invalid_argument("'" + texto + "' não é um número inteiro válido");
    std::int64_t value = 0;
    for (; i < texto.size(); ++i) {
        char c = texto[i];
        if (c < '0' || c > '9')
            throw std::invalid_argument("'" + texto + "' não é um número inteiro válido");
        value = value * 10 + (c - '0');
        if (value > static_cast<std::int64_t>(std::numeric_limits<std::int32_t>::max()) + 1)
            throw std::invalid_argument("'" + texto + "' não é um número inteiro válido");
    }
    value = negative ? -value : value;
    if (value > std::numeric_limits<std::int32_t>::max())
        throw std::invalid_argument("'" + texto + "' não é um número inteiro válido");
    return static_cast<std::int32_t>(value);
}

std::int16_t low16(std::int32_t value) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(value & 0xFFFF));
}

std::string produtoNaMensagem(const ProdutoCarga& produto) {
    return "Produto " + produto.codigo + " (" + produto.descricao + "): ";
}

} // namespace

ProdutoCarga ProdutoCargaDaLinha(const std::function<std::string(const std::string& coluna)>& coluna,
                                 const std::string& colunaCodigo) {
    ProdutoCarga produto;
    produto.codigo = coluna(colunaCodigo);
    produto.descricao = coluna("Descricao");
    produto.unidade = coluna("Unidade");
    std::string valor = coluna("VALOR");
    // A C library set to a comma locale prints decimals with a comma.
    for (char& c : valor)
        if (c == ',')
            c = '.';
    produto.valor = valor.empty() ? Currency() : Currency::fromDecimalText(valor);
    produto.codFab = coluna("COD_FAB");
    return produto;
}

void PreencherItemCarga(TCargaBalItem& item, const ProdutoCarga& produto) {
    std::int32_t codigo;
    try {
        codigo = codigoInteiro(produto.codigo);
    } catch (const std::invalid_argument& e) {
        throw std::invalid_argument(produtoNaMensagem(produto) + "código " + e.what());
    }
    item.ModeloEtiqueta = 1;
    item.Tipo = produto.unidade == "PC" || produto.unidade == "UN" ? TCargaBalTipoVenda::tpvUnidade
                                                                   : TCargaBalTipoVenda::tpvPeso;
    item.Codigo = codigo;
    item.CodigoFornecedor = low16(codigo);
    std::string descricao = produto.descricao;
    RetirarValidadeDescricao(descricao, "VC");
    item.Descricao = descricao;
    item.Validade = low16(ExtrairDiasValidade(produto.descricao));
    item.ValorVenda = produto.valor;
    if (!produto.codFab.empty()) {
        item.Tara.TipoTara = 0;
        try {
            item.Tara.Valor = ConverterTara(produto.codFab);
        } catch (const std::invalid_argument& e) {
            throw std::invalid_argument(produtoNaMensagem(produto) + e.what());
        }
    }
    item.Teclado.Codigo_Teclado = codigo;
    item.Teclado.Pagina_Teclado = 0;
    item.Teclado.Tecla = codigo;
    item.InformacaoExtra.Receita = "Receita do item 1";
    item.Setor.Codigo = 1;
    item.Setor.Descricao = "GERAL";
}

void GerarCargaProdutos(TCargaBal& carga, int modelo, const std::vector<ProdutoCarga>& produtos,
                        const std::string& pasta) {
    carga.SetModelo(static_cast<TCargaBalModelo>(modelo));
    carga.Produtos().Clear();
    for (const ProdutoCarga& produto : produtos)
        PreencherItemCarga(carga.Produtos().New(), produto);
    carga.GerarArquivos(pasta);
    if (carga.ModeloStr() == "Ramuza")
        AjustarArquivoRamuza(pathFromUtf8(pasta) / "RAMUZA_ORIGINAL.TXT");
}

} // namespace mvf
