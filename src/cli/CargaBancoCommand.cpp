#include "cli/Commands.h"

#ifdef MVF_HAS_DATA

#include "cli/BarraProgresso.h"
#include "cli/CargaOpcoes.h"
#include "core/Locale.h"
#include "core/PathText.h"
#include "data/Query.h"
#include "data/SqliteConnection.h"
#include "scaleload/TCargaBal.h"
#include "scaleload/tool/CampoCodigoProduto.h"
#include "scaleload/tool/ProdutoCarga.h"

#include <filesystem>
#include <iostream>
#include <map>

namespace mvf::cli {

namespace {

constexpr const char* kUso =
    "uso: mvf carga --modelo M --dir PASTA --banco BANCO.db [--campo 0|1|2] [--decimal C]\n"
    "  M: 0 a 10 ou o nome do modelo (modFilizola ... modTriunfoRdc429)\n"
    "  campo: 0 CodigoOriginal (COD_ORIG, o padrão), 1 Codigo (ID), 2 CodigoFabricante (COD_FAB)\n"
    "  decimal: o separador decimal das taras em COD_FAB (o do sistema quando omitido)\n";

int campoDe(const std::string& texto) {
    if (texto == "0" || texto == "1" || texto == "2")
        return texto[0] - '0';
    throw UsoInvalido{"--campo deve ser 0, 1 ou 2"};
}

} // namespace

int runCargaBanco(const std::vector<std::string>& args) {
    std::map<std::string, std::string> valores;
    int modelo = 0;
    int campo = 0;
    Locale locale = Locale::current();
    try {
        valores = lerOpcoes(args, {"--modelo", "--dir", "--banco", "--campo", "--decimal"},
                            {"--modelo", "--dir", "--banco"});
        const auto m = modeloDe(valores["--modelo"]);
        if (!m)
            throw UsoInvalido{"modelo desconhecido: " + valores["--modelo"]};
        modelo = ordinal(*m);
        if (valores.count("--campo"))
            campo = campoDe(valores["--campo"]);
        if (valores.count("--decimal"))
            locale.decimalSeparator = separadorDe("--decimal", valores["--decimal"]);
    } catch (const UsoInvalido& e) {
        std::cerr << "mvf carga: " << e.mensagem << "\n" << kUso;
        return 2;
    }

    const ScopedLocale escopo(locale);
    const std::filesystem::path banco = pathFromUtf8(valores["--banco"]);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(banco, ec)) {
        std::cerr << "mvf carga: banco de dados não encontrado: " << valores["--banco"] << "\n";
        return 1;
    }

    std::vector<ProdutoCarga> produtos;
    try {
        SqliteConnection conexao;
        conexao.open(banco);
        const std::string coluna = CampoCodigoProduto(campo);
        Query query(conexao);
        query.setSQL(ConsultaProdutosCarga(coluna));
        query.open();
        for (; !query.eof(); query.next())
            produtos.push_back(ProdutoCargaDaLinha(
                [&](const std::string& nome) { return query.fieldByName(nome).asString(); }, coluna));
        query.close();
    } catch (const std::exception& e) {
        std::cerr << "mvf carga: " << e.what() << "\n";
        return 1;
    }

    TCargaBal carga;
    BarraProgresso barra(std::cerr);
    mostrarProgresso(carga, barra);
    try {
        GerarCargaProdutos(carga, modelo, produtos, valores["--dir"]);
    } catch (const std::exception& e) {
        barra.concluir();
        imprimirArquivos(carga);
        std::cerr << "Ocorreu o seguinte erro:\n" << e.what() << "\n";
        return 1;
    }
    barra.concluir();
    imprimirArquivos(carga);
    return 0;
}

} // namespace mvf::cli

#endif
