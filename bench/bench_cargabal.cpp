// Generates a 100,000-item load for every model and prints the time, items per second and peak
// memory of each run; then repeats the once-only work of the MGV6 companion files the linear
// way (search every earlier line) beside the hashed way, and prints the ratio.
//
//   bench_cargabal [items] [--como-ferramenta]
//
// items defaults to 100000. --como-ferramenta fills the items the way the load tool does: every
// item with the same short recipe text and a scale key, the heaviest case for the once-only
// recipe file, whose lines all differ by the item code.

#include "core/CaseFolding.h"
#include "scaleload/CargaLinhas.h"
#include "scaleload/MgvRegistros.h"
#include "scaleload/MgvRegistrosComplementares.h"
#include "scaleload/TCargaBal.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace fs = std::filesystem;
using namespace mvf;
using Relogio = std::chrono::steady_clock;

namespace {

// Peak resident memory of the process in MB, after resetting the peak where the system allows.
#ifdef __linux__
void zerarPico() {
    std::ofstream("/proc/self/clear_refs") << "5";
}
double picoMb() {
    std::ifstream status("/proc/self/status");
    std::string linha;
    while (std::getline(status, linha))
        if (linha.rfind("VmHWM:", 0) == 0)
            return std::atof(linha.c_str() + 6) / 1024.0;
    return -1;
}
#else
void zerarPico() {}
double picoMb() {
    return -1;
}
#endif

double segundosDesde(Relogio::time_point inicio) {
    return std::chrono::duration<double>(Relogio::now() - inicio).count();
}

std::string palavras(std::mt19937& rng, const std::vector<std::string>& lista, int n) {
    std::string s;
    for (int i = 0; i < n; ++i)
        s += (i ? " " : "") + lista[rng() % lista.size()];
    return s;
}

// A catalogue with the spread of a large supermarket: a few hundred departments, tares,
// suppliers and recipe texts shared by many items, half the items with nutrition data, some on
// scale keys.
void montarItens(TCargaBalItens& itens, int quantidade, bool comoFerramenta) {
    std::mt19937 rng(2024);
    const std::vector<std::string> nomes = {
        "QUEIJO", "PRESUNTO", "MUSSARELA", "PÃO",     "FRANCÊS",  "LINGUIÇA", "AÇÚCAR",   "CAFÉ",     "FILÉ",
        "PEITO",  "FRANGO",   "BOVINO",    "SUÍNO",   "MAÇÃ",     "BANANA",   "TOMATE",   "COXÃO",    "MOLE",
        "DURO",   "FATIADO",  "KG",        "BANDEJA", "INTEGRAL", "LIGHT",    "DEFUMADO", "TEMPERADO"};
    const std::vector<std::string> ingredientes = {"farinha de trigo",
                                                   "água",
                                                   "sal",
                                                   "açúcar",
                                                   "fermento",
                                                   "leite",
                                                   "ovos",
                                                   "manteiga",
                                                   "conservante INS 202",
                                                   "corante natural",
                                                   "pode conter traços de leite"};
    std::vector<TCargaBalSetor> setores;
    for (int i = 0; i < 300; ++i)
        setores.push_back({1 + i % 99, "SETOR " + palavras(rng, nomes, 2)});
    std::vector<TCargaBalTaras> taras;
    for (int i = 0; i < 200; ++i) {
        TCargaBalTaras t;
        t.Codigo = 1 + i;
        t.Descricao = "TARA " + std::to_string(i);
        t.Valor = Currency::fromTicks(50 * (1 + rng() % 100));
        t.TipoTara = i % 3 == 0 ? 1 : 0;
        t.ValorMaximoTara = Currency::fromTicks(10000);
        taras.push_back(t);
    }
    std::vector<TCargaBalFornecedor> fornecedores;
    for (int i = 0; i < 200; ++i) {
        TCargaBalFornecedor f;
        f.Codigo = static_cast<std::int16_t>(1 + i);
        f.Observacao = "FORNECEDOR " + std::to_string(i);
        f.Descricao1 = palavras(rng, nomes, 4);
        f.Descricao2 = "CNPJ 00.000.000/0001-" + std::to_string(10 + i % 90);
        fornecedores.push_back(f);
    }
    std::vector<std::string> receitas;
    for (int i = 0; i < 300; ++i)
        receitas.push_back("Ingredientes: " + palavras(rng, ingredientes, 5 + static_cast<int>(rng() % 40)) +
                           ".");

    for (int i = 0; i < quantidade; ++i) {
        TCargaBalItem& item = itens.New();
        item.Codigo = 1 + i;
        item.Descricao = palavras(rng, nomes, 2 + static_cast<int>(rng() % 3));
        item.Tipo = rng() % 3 == 0 ? TCargaBalTipoVenda::tpvUnidade : TCargaBalTipoVenda::tpvPeso;
        item.ValorVenda = Currency::fromTicks(static_cast<std::int64_t>(rng() % 20000) * 100);
        item.Validade = static_cast<std::int16_t>(rng() % 120);
        item.Setor = setores[rng() % setores.size()];
        if (rng() % 2 == 0) {
            auto& n = item.Nutricional;
            const int tabela = static_cast<int>(rng() % 2000);
            n.Codigo = 1 + tabela;
            n.Descricao = "TABELA " + std::to_string(tabela);
            n.Qtd = 50 + tabela % 100;
            n.ValorEnergetico = 100 + tabela % 300;
            n.Carboidrato = Currency::fromTicks(1000 * (tabela % 300));
            n.Proteina = Currency::fromTicks(500 * (tabela % 200));
            n.Sodio = Currency::fromTicks(10000 * (tabela % 500));
            n.QtdePorcao429 = n.Qtd;
            n.Sodio429 = (tabela % 500) * 1.0;
            n.AcucaresTotais429 = (tabela % 70) * 0.35;
        }
        if (rng() % 3 == 0)
            item.InformacaoExtra.Receita = receitas[rng() % receitas.size()];
        if (rng() % 4 == 0) {
            item.Tara = taras[rng() % taras.size()];
            item.CodigoTara = item.Tara.Codigo;
        }
        if (rng() % 5 == 0) {
            item.Fornecedor = fornecedores[rng() % fornecedores.size()];
            item.CodigoFornecedor = item.Fornecedor->Codigo;
        }
        if (rng() % 10 == 0) {
            item.Teclado.Tecla = 1 + static_cast<int>(rng() % 99);
            item.Teclado.Codigo_Teclado = 1 + static_cast<int>(rng() % 5);
        }
        if (comoFerramenta) {
            item.InformacaoExtra.Receita = "Receita do item 1";
            item.Teclado.Tecla = item.Codigo;
            item.Teclado.Codigo_Teclado = item.Codigo;
            item.Teclado.Pagina_Teclado = 0;
        }
    }
}

// The once-only candidates of an MGV6 run, file by file.
std::vector<std::vector<std::string>> candidatosMgv6(TCargaBalItens& itens) {
    std::vector<std::vector<std::string>> arquivos(6);
    for (std::size_t i = 0; i < itens.Count(); ++i) {
        TCargaBalItem& item = itens[i];
        if (item.InformacaoExtra.Receita.size() > 2)
            arquivos[0].push_back(mgv::registroInformacaoExtra(
                item.CodigoInformacaoExtra(TCargaBalModelo::modToledoMGV6), item.InformacaoExtra));
        if (item.Nutricional.Codigo > 0)
            arquivos[1].push_back(mgv::registroNutricional(item.Nutricional, TCargaBalModelo::modToledoMGV6));
        if (item.Tara.Codigo > 0)
            arquivos[2].push_back(mgv::registroTaraLongo(item.Tara));
        if (std::as_const(item).Fornecedor->Codigo > 0)
            arquivos[3].push_back(mgv::registroFornecedor(*std::as_const(item).Fornecedor));
        if (item.Setor.Codigo > 0)
            arquivos[4].push_back(mgv::registroDepartamento(item.Setor));
        if (item.Teclado.Tecla > 0)
            arquivos[5].push_back(mgv::registroCabecalhoTeclado(item.Teclado));
    }
    return arquivos;
}

std::size_t unicosLinear(const std::vector<std::string>& candidatos) {
    std::vector<const std::string*> linhas;
    for (const auto& c : candidatos) {
        bool existe = false;
        for (const std::string* l : linhas)
            if (l->size() == c.size() && casefold::equalIgnoringCase(*l, c)) {
                existe = true;
                break;
            }
        if (!existe)
            linhas.push_back(&c);
    }
    return linhas.size();
}

std::size_t unicosHash(const std::vector<std::string>& candidatos) {
    CargaLinhas linhas;
    for (const auto& c : candidatos)
        linhas.AddOnce(c);
    return linhas.Count();
}

} // namespace

int main(int argc, char** argv) {
    int quantidade = 100000;
    bool comoFerramenta = false;
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--como-ferramenta")
            comoFerramenta = true;
        else
            quantidade = std::atoi(argv[i]);
    }
    const fs::path pasta =
        fs::temp_directory_path() / ("mvf-bench-cargabal-" + std::to_string(std::random_device{}()));
    fs::create_directories(pasta);

    TCargaBal carga;
    auto inicio = Relogio::now();
    montarItens(carga.Produtos(), quantidade, comoFerramenta);
    std::printf("%d itens montados em %.2f s; memória com os itens: %.0f MB\n\n", quantidade,
                segundosDesde(inicio), picoMb());
    std::printf("%-26s %9s %12s %10s %10s\n", "modelo", "tempo (s)", "itens/s", "pico (MB)", "arquivos");
    for (int m = 0; m <= 10; ++m) {
        carga.SetModelo(static_cast<TCargaBalModelo>(m));
        zerarPico();
        inicio = Relogio::now();
        carga.GerarArquivos(pasta.string());
        const double s = segundosDesde(inicio);
        std::printf("%-26s %9.3f %12.0f %10.0f %10zu\n", carga.ModeloStr().c_str(), s, quantidade / s,
                    picoMb(), carga.ArquivosGerados().size());
    }

    std::printf("\nArquivos de registro único do MGV6 (TXINFO, INFNUTRI, TARA, TXFORN, DEPTO, cabeçalhos de "
                "TXTECLAS):\n");
    const auto arquivos = candidatosMgv6(carga.Produtos());
    std::size_t candidatos = 0;
    for (const auto& a : arquivos)
        candidatos += a.size();
    inicio = Relogio::now();
    std::size_t unicosH = 0;
    for (const auto& a : arquivos)
        unicosH += unicosHash(a);
    const double tHash = segundosDesde(inicio);
    inicio = Relogio::now();
    std::size_t unicosL = 0;
    for (const auto& a : arquivos)
        unicosL += unicosLinear(a);
    const double tLinear = segundosDesde(inicio);
    std::printf("  %zu linhas candidatas, %zu únicas (hash) / %zu (linear)%s\n", candidatos, unicosH, unicosL,
                unicosH == unicosL ? "" : "  <-- DIFERENTES");
    std::printf("  hash: %.3f s   linear: %.3f s   razão: %.0fx\n", tHash, tLinear, tLinear / tHash);

    std::error_code ec;
    fs::remove_all(pasta, ec);
    return unicosH == unicosL ? 0 : 1;
}
