#include "cli/Commands.h"

#ifdef MVF_HAS_DATA

#include "cli/BarraProgresso.h"
#include "cli/Terminal.h"
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
#include <optional>

namespace mvf::cli {

namespace {

constexpr const char* kUso =
    "uso: mvf carga --modelo M --dir PASTA --banco BANCO.db [--campo 0|1|2] [--decimal C]\n"
    "  M: 0 a 10 ou o nome do modelo (modFilizola ... modTriunfoRdc429)\n"
    "  campo: 0 CodigoOriginal (COD_ORIG, o padrão), 1 Codigo (ID), 2 CodigoFabricante (COD_FAB)\n"
    "  decimal: o separador decimal das taras em COD_FAB (o do sistema quando omitido)\n";

struct UsoInvalido {
    std::string mensagem;
};

std::map<std::string, std::string> opcoes(const std::vector<std::string>& args) {
    static const std::vector<std::string> conhecidas = {"--modelo", "--dir", "--banco", "--campo",
                                                        "--decimal"};
    std::map<std::string, std::string> valores;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string nome = args[i];
        std::optional<std::string> valor;
        if (auto igual = nome.find('='); nome.rfind("--", 0) == 0 && igual != std::string::npos) {
            valor = nome.substr(igual + 1);
            nome = nome.substr(0, igual);
        }
        if (std::find(conhecidas.begin(), conhecidas.end(), nome) == conhecidas.end())
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
    for (const char* obrigatoria : {"--modelo", "--dir", "--banco"})
        if (!valores.count(obrigatoria))
            throw UsoInvalido{std::string("falta ") + obrigatoria};
    return valores;
}

int modeloDe(const std::string& texto) {
    if (texto.size() == 1 || texto.size() == 2) {
        if (texto.find_first_not_of("0123456789") == std::string::npos) {
            int n = std::stoi(texto);
            if (n <= 10)
                return n;
        }
    }
    if (auto m = enumFromName<TCargaBalModelo>(texto))
        return ordinal(*m);
    throw UsoInvalido{"modelo desconhecido: " + texto};
}

int campoDe(const std::string& texto) {
    if (texto == "0" || texto == "1" || texto == "2")
        return texto[0] - '0';
    throw UsoInvalido{"--campo deve ser 0, 1 ou 2"};
}

void imprimirArquivos(const TCargaBal& carga) {
    for (const auto& caminho : carga.ArquivosGerados()) {
        std::error_code ec;
        auto absoluto = std::filesystem::absolute(pathFromUtf8(caminho), ec);
        std::cout << (ec ? caminho : pathToUtf8(absoluto)) << "\n";
    }
    std::cout << std::flush;
}

} // namespace

int runCargaBanco(const std::vector<std::string>& args) {
    std::map<std::string, std::string> valores;
    int modelo = 0;
    int campo = 0;
    Locale locale = Locale::current();
    try {
        valores = opcoes(args);
        modelo = modeloDe(valores["--modelo"]);
        if (valores.count("--campo"))
            campo = campoDe(valores["--campo"]);
        if (valores.count("--decimal")) {
            const std::string& d = valores["--decimal"];
            if (d.size() != 1 || static_cast<unsigned char>(d[0]) >= 0x80 || d[0] < ' ')
                throw UsoInvalido{"--decimal deve ser um único caractere, por exemplo \",\" ou \".\""};
            locale.decimalSeparator = d[0];
        }
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
    if (stderrIsTerminal())
        carga.SetOnProgresso([&barra](std::string mensagem, int atual, int total) {
            barra.atualizar(mensagem, atual, total);
        });
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
