#include "cli/BarraProgresso.h"
#include "cli/CargaItensJson.h"
#include "cli/CargaOpcoes.h"
#include "cli/Commands.h"
#include "core/FileWriteError.h"
#include "core/Locale.h"
#include "core/PathText.h"
#include "scaleload/TCargaBal.h"

#include <fstream>
#include <iostream>
#include <map>
#include <sstream>

namespace mvf::cli {

namespace {

constexpr const char* kUso =
    "uso: mvf carga --modelo M --dir PASTA --itens ITENS.json [--decimal C] [--milhar C]\n"
    "     mvf carga --modelo M --dir PASTA --banco BANCO.db [--campo 0|1|2]\n"
    "  M: 0 a 10 ou o nome do modelo (modFilizola, modToledo, modUrano, modUranoS,\n"
    "     modToledoMGV5, modToledoMGV6, modToledoMGV7, modUranoURF32, modRamuza,\n"
    "     modToledoMGV5Ver1, modTriunfoRdc429)\n";

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
        valores = lerOpcoes(args, {"--modelo", "--dir", "--itens", "--decimal", "--milhar"},
                            {"--modelo", "--dir", "--itens"});
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
    mostrarProgresso(carga, barra);
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
