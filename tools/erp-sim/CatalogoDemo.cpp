#include "CatalogoDemo.h"

#include <cmath>
#include <cstdio>
#include <vector>

namespace erpsim {

namespace {

using nlohmann::json;

struct Base {
    const char* descricao;
    const char* unidade;
    double preco;
};

const std::vector<Base> bases = {
    {"QUEIJO MUSSARELA", "KG", 42.90},
    {"QUEIJO PRATO", "KG", 45.90},
    {"PRESUNTO COZIDO", "KG", 32.90},
    {"MORTADELA BOLOGNA", "KG", 19.90},
    {"SALAME ITALIANO", "KG", 89.90},
    {"PEITO DE PERU DEFUMADO", "KG", 64.90},
    {"PAO FRANCES", "KG", 14.99},
    {"PAO DE QUEIJO", "KG", 39.90},
    {"BANANA PRATA", "KG", 6.49},
    {"MACA GALA", "KG", 9.98},
    {"TOMATE ITALIANO", "KG", 7.99},
    {"BATATA INGLESA", "KG", 5.49},
    {"CEBOLA", "KG", 4.99},
    {"ALCATRA BOVINA", "KG", 46.90},
    {"PICANHA BOVINA", "KG", 79.90},
    {"COXAO MOLE", "KG", 41.90},
    {"FRANGO INTEIRO CONGELADO", "KG", 11.90},
    {"LINGUICA TOSCANA", "KG", 21.90},
    {"COSTELA SUINA", "KG", 27.90},
    {"FILE DE TILAPIA", "KG", 54.90},
    {"ARROZ TIPO 1 5KG", "UN", 27.90},
    {"FEIJAO CARIOCA 1KG", "UN", 8.49},
    {"ACUCAR CRISTAL 1KG", "UN", 4.79},
    {"CAFE TORRADO E MOIDO 500G", "UN", 18.90},
    {"LEITE INTEGRAL 1L", "UN", 5.29},
    {"OLEO DE SOJA 900ML", "UN", 7.49},
    {"MACARRAO ESPAGUETE 500G", "UN", 4.29},
    {"FARINHA DE TRIGO 1KG", "UN", 5.99},
    {"SABAO EM PO 1KG", "UN", 14.90},
    {"DETERGENTE LIQUIDO 500ML", "UN", 2.79},
    {"REFRIGERANTE COLA 2L", "UN", 9.99},
    {"AGUA MINERAL 500ML", "UN", 2.19},
    {"BISCOITO RECHEADO 140G", "UN", 3.49},
    {"IOGURTE MORANGO 170G", "UN", 2.99},
    {"MANTEIGA COM SAL 200G", "UN", 12.90},
    {"SARDINHA EM OLEO 125G", "UN", 6.79},
    {"BOLO DE CENOURA", "PC", 18.00},
    {"TORTA DE FRANGO", "PC", 32.00},
    {"PIZZA MUSSARELA", "PC", 29.90},
    {"ROCAMBOLE DE DOCE DE LEITE", "PC", 24.00},
    {"PAO DE FORMA CASEIRO", "PC", 11.50},
    {"QUICHE DE ALHO-PORO", "PC", 27.00},
};

const std::vector<const char*> marcas = {"DA CASA", "BOM SABOR", "SERRANA", "NOBRE",
                                         "FAZENDA", "PREMIUM",   "TRADICAO"};

std::string ean13(const std::string& doze) {
    int soma = 0;
    for (std::size_t i = 0; i < 12; ++i)
        soma += (doze[i] - '0') * (i % 2 ? 3 : 1);
    return doze + std::to_string((10 - soma % 10) % 10);
}

double centavos(double valor) {
    return std::round(valor * 100) / 100;
}

} // namespace

json CatalogoDemo::vendedores() {
    return json::array({{{"Codigo", 1}, {"Nome", "Ana Paula Ribeiro"}},
                        {{"Codigo", 2}, {"Nome", "Carlos Eduardo Souza"}},
                        {{"Codigo", 3}, {"Nome", "Márcia D'Ávila"}},
                        {{"Codigo", 4}, {"Nome", "João Batista"}},
                        {{"Codigo", 5}, {"Nome", "Loja (balcão)"}}});
}

json CatalogoDemo::formasPagamento() {
    return json::array({{{"Codigo", "01"}, {"Descricao", "Dinheiro"}, {"MaximoParcelas", 1}},
                        {{"Codigo", "03"}, {"Descricao", "Cartão de crédito"}, {"MaximoParcelas", 12}},
                        {{"Codigo", "04"}, {"Descricao", "Cartão de débito"}, {"MaximoParcelas", 1}},
                        {{"Codigo", "05"}, {"Descricao", "Pix"}},
                        {{"Codigo", "06"}, {"Descricao", "Boleto bancário"}, {"MaximoParcelas", 3}},
                        {{"Codigo", "99"}, {"Descricao", "Crediário da loja"}, {"MaximoParcelas", 6}}});
}

json CatalogoDemo::clientes() {
    const char* nomes[] = {"  maria das graças silva ", "José Carlos Pereira", "Padaria Pão Quente Ltda",
                           "restaurante sabor d'água",  "Ana Beatriz Costa",   "Supermercado Bom Preço",
                           "Luiz Fernando Alves",       "Cantina da Nonna",    "Hotel Praia Azul",
                           "Consumidor Final"};
    const char* cidades[] = {"Vitória", "Vila Velha", "Serra", "Cariacica", "Guarapari"};
    json lista = json::array();
    for (int i = 0; i < 30; ++i) {
        json c = {{"Codigo", i + 1},
                  {"Nome", std::string(nomes[i % 10]) +
                               (i >= 10 ? std::string(" ") + std::to_string(i / 10 + 1) : std::string())},
                  {"CNPJ_CPF", i % 3 ? std::string("123.456.789-0") + std::to_string(i % 10)
                                     : std::string("12.345.678/0001-9") + std::to_string(i % 10)},
                  {"Endereco", "Rua das Palmeiras"},
                  {"EnderecoNumero", std::to_string(10 + i * 7)},
                  {"Bairro", i % 2 ? "Centro" : "Jardim Camburi"},
                  {"Telefone", "(27) 99999-00" + std::to_string(10 + i)},
                  {"Cidade", cidades[i % 5]},
                  {"Ativo", i % 9 != 8},
                  {"TabelaDePrecoCodigo", i % 4 == 0 ? 2 : 1},
                  {"UF", "ES"}};
        if (i % 11 == 10)
            c.erase("Telefone");
        lista.push_back(c);
    }
    return lista;
}

json CatalogoDemo::produtos(int quantidade) {
    json lista = json::array();
    for (int i = 1; i <= quantidade; ++i) {
        const Base& base = bases[(i - 1) % bases.size()];
        const std::size_t rodada = (i - 1) / bases.size();
        std::string descricao = base.descricao;
        descricao += std::string(" ") + marcas[rodada % marcas.size()];
        if (rodada >= marcas.size())
            descricao += std::string(" ") + std::to_string(rodada / marcas.size() + 1);
        const std::string unidade = base.unidade;
        const bool pesado = unidade == "KG";
        if (unidade != "UN" && i % 4 == 0)
            descricao += " VC" + std::to_string(3 + i % 28);
        const double normal = centavos(base.preco * (1.0 + (i % 13) / 50.0));
        const double promocao = i % 7 == 0 ? centavos(normal * 0.9) : 0.0;
        char doze[16];
        if (pesado)
            std::snprintf(doze, sizeof doze, "2%05d000000", i % 100000);
        else
            std::snprintf(doze, sizeof doze, "789%09d", 100000000 + i);
        json p = {{"Codigo", i},
                  {"Descricao", descricao},
                  {"CodigoDeBarras", ean13(doze)},
                  {"Unidade", unidade},
                  {"PrecoUnitario", promocao > 0 ? promocao : normal},
                  {"PrecoNormal", normal},
                  {"PrecoPromocional", promocao},
                  {"PorcDescontoMaximo", i % 5 == 0 ? 10.0 : 5.0},
                  {"Saldo", pesado ? centavos((i * 37 % 5000) / 10.0) : static_cast<double>(i * 13 % 500)},
                  {"UrlImagens", json::array()},
                  {"Ativo", i % 25 != 0},
                  {"CodigoOriginal", std::to_string(1000 + i)},
                  {"CodigoFabricante", pesado && i % 3 == 0 ? (i % 2 ? "0,150" : "0,050") : ""}};
        for (int k = 0; k < i % 5; ++k)
            p["UrlImagens"].push_back("https://img.marivelta.com.br/produtos/" + std::to_string(i) + "/" +
                                      std::to_string(k + 1) + ".jpg");
        if (i % 40 == 0)
            p.erase("Ativo");
        lista.push_back(std::move(p));
    }
    return lista;
}

json CatalogoDemo::tabelasDePreco(int quantidadeProdutos) {
    json lista = json::array();
    const char* nomes[] = {"Varejo", "Atacado"};
    int id = 1;
    for (int t = 0; t < 2; ++t) {
        json itens = json::array();
        for (int p = 1; p <= std::min(quantidadeProdutos, 60); ++p)
            itens.push_back(
                {{"ProdutoCodigo", p}, {"Id", id++}, {"Valor", centavos(5 + p * (t ? 0.9 : 1.0))}});
        lista.push_back({{"Codigo", t + 1},
                         {"TipoDeParticipanteCodigo", t + 1},
                         {"Descricao", nomes[t]},
                         {"TabelaDePrecosItens", itens}});
    }
    return lista;
}

} // namespace erpsim
