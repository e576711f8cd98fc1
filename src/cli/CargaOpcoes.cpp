#include "cli/CargaOpcoes.h"

#include "cli/BarraProgresso.h"
#include "cli/Terminal.h"
#include "core/PathText.h"

#include <algorithm>
#include <filesystem>
#include <iostream>

namespace mvf::cli {

std::map<std::string, std::string> lerOpcoes(const std::vector<std::string>& args,
                                             std::initializer_list<const char*> conhecidas,
                                             std::initializer_list<const char*> obrigatorias) {
    std::map<std::string, std::string> valores;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string nome = args[i];
        std::optional<std::string> valor;
        if (const auto igual = nome.find('='); nome.rfind("--", 0) == 0 && igual != std::string::npos) {
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
    for (const char* obrigatoria : obrigatorias)
        if (!valores.count(obrigatoria))
            throw UsoInvalido{std::string("falta ") + obrigatoria};
    return valores;
}

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

void mostrarProgresso(TCargaBal& carga, BarraProgresso& barra) {
    if (stderrIsTerminal())
        carga.SetOnProgresso([&barra](std::string mensagem, int atual, int total) {
            barra.atualizar(mensagem, atual, total);
        });
}

void imprimirArquivos(const TCargaBal& carga) {
    for (const auto& caminho : carga.ArquivosGerados()) {
        std::error_code ec;
        const auto absoluto = std::filesystem::absolute(pathFromUtf8(caminho), ec);
        std::cout << (ec ? caminho : pathToUtf8(absoluto)) << "\n";
    }
    std::cout << std::flush;
}

} // namespace mvf::cli
