#include "cli/BarraProgresso.h"
#include "cli/CargaItensJson.h"
#include "cli/Commands.h"
#include "cli/Terminal.h"
#include "core/FileWriteError.h"
#include "core/Locale.h"
#include "core/PathText.h"
#include "scaleload/TCargaBal.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <sstream>

namespace mvf::cli {

namespace {

constexpr const char* kUso =
    "uso: mvf carga --modelo M --dir PASTA --itens ITENS.json [--decimal C] [--milhar C]\n"
    "     mvf carga --modelo M --dir PASTA --banco BANCO.db [--campo 0|1|2]\n"
    "  M: 0 a 10 ou o nome do modelo (modFilizola, modToledo, modUrano, modUranoS,\n"
    "     modToledoMGV5, modToledoMGV6, modToledoMGV7, modUranoURF32, modRamuza,\n"
    "     modToledoMGV5Ver1, modTriunfoRdc429)\n";

struct UsoInvalido {
    std::string mensagem;
};

std::optional<TCargaBalModelo> modeloDe(const std::string& texto) {
    if (!texto.empty() && texto.size() <= 2 && texto.find_first_not_of("0123456789") == std::string::npos) {
        const int n = std::stoi(texto);
        if (n >= 0 && n <= 10)
            return static_cast<TCargaBalModelo>(n);
        return std::nullopt;
    }
    return enumFromName<TCargaBalModelo>(texto);
}

char separadorDe(const std::string& opcao, const std::string& texto) {
    if (texto.size() != 1 || static_cast<unsigned char>(texto[0]) >= 0x80 || texto[0] < ' ')
        throw UsoInvalido{opcao + " deve ser um único caractere, por exemplo \",\" ou \".\""};
    return texto[0];
}

std::map<std::string, std::string> opcoes(const std::vector<std::string>& args) {
    static const char* conhecidas[] = {"--modelo", "--dir", "--itens", "--decimal", "--milhar"};
    std::map<std::string, std::string> valores;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string nome = args[i];
        std::optional<std::string> valor;
        if (const auto igual = nome.find('='); nome.rfind("--", 0) == 0 && igual != std::string::npos) {
            valor = nome.substr(igual + 1);
            nome = nome.substr(0, igual);
        }
        if (std::find(std::begin(conhecidas), std::end(conhecidas), nome) == std::end(conhecidas))
            throw UsoInvalido{"opção desconhecida: " + args[i]};
        if (!valor) {
            if (i + 1 >= args.size())
                throw UsoInvalido{"falta o valor de " + nome};
            valor = args[++i];
        }
        if (valores.count(nome))
            throw UsoInvalido{nome + " informado mais de uma vez"};
        valores[nome] = *valor;
    }
    for (const char* obrigatoria : {"--modelo", "--dir", "--itens"})
        if (!valores.count(obrigatoria))
            throw UsoInvalido{std::string("falta ") + obrigatoria};
    return valores;
}

// The written files as full paths, whatever form the folder was given in.
void imprimirArquivos(const TCargaBal& carga) {
    for (const auto& caminho : carga.ArquivosGerados()) {
        std::error_code ec;
        const auto absoluto = std::filesystem::absolute(pathFromUtf8(caminho), ec);
        std::cout << (ec ? caminho : pathToUtf8(absoluto)) << "\n";
    }
    std::cout << std::flush;
}

std::string lerArquivo(const std::string& caminho) {
    std::ifstream in(pathFromUtf8(caminho), std::ios::binary);
    if (!in)
        throw ItensJsonError("não foi possível ler o arquivo de itens \"" + caminho + "\"");
    std::ostringstream conteudo;
    conteudo << in.rdbuf();
    return conteudo.str();
}

} // namespace

int runCarga(const std::vector<std::string>& args) {
#ifdef MVF_HAS_DATA
    for (const std::string& a : args)
        if (a == "--banco" || a.rfind("--banco=", 0) == 0)
            return runCargaBanco(args);
#endif
    std::map<std::string, std::string> valores;
    TCargaBalModelo modelo{};
    Locale locale = Locale::current();
    try {
        valores = opcoes(args);
        const auto m = modeloDe(valores["--modelo"]);
        if (!m)
            throw UsoInvalido{"modelo desconhecido: " + valores["--modelo"]};
        modelo = *m;
        if (valores.count("--decimal"))
            locale.decimalSeparator = separadorDe("--decimal", valores["--decimal"]);
        if (valores.count("--milhar"))
            locale.thousandSeparator = separadorDe("--milhar", valores["--milhar"]);
    } catch (const UsoInvalido& e) {
        std::cerr << "mvf carga: " << e.mensagem << "\n" << kUso;
        return 2;
    }
    const ScopedLocale escopo(locale);

    TCargaBal carga;
    carga.SetModelo(modelo);
    try {
        lerItensJson(lerArquivo(valores["--itens"]), carga.Produtos());
    } catch (const ItensJsonError& e) {
        std::cerr << "mvf carga: " << valores["--itens"] << ": " << e.what() << "\n";
        return 1;
    }

    BarraProgresso barra(std::cerr);
    if (stderrIsTerminal())
        carga.SetOnProgresso([&barra](std::string mensagem, int atual, int total) {
            barra.atualizar(mensagem, atual, total);
        });
    try {
        carga.GerarArquivos(valores["--dir"]);
    } catch (const ECargaBal& e) {
        barra.concluir();
        std::cerr << e.what() << "\n";
        return 1;
    } catch (const std::exception& e) {
        barra.concluir();
        imprimirArquivos(carga);
        std::cerr << e.what() << "\n";
        return 1;
    }
    barra.concluir();
    imprimirArquivos(carga);
    return 0;
}

} // namespace mvf::cli
