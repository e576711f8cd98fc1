#include "cli/Commands.h"
#include "core/Locale.h"

#include <cstdio>
#include <exception>
#include <functional>
#include <iostream>
#include <map>

namespace {

void printUsage() {
    std::cerr << "uso: mvf <comando> [opções]\n"
                 "comandos:\n"
                 "  carga     gera os arquivos de carga de balança\n"
                 "  balanca   interpreta respostas ou lê o peso de uma balança\n"
#ifdef MVF_HAS_DATA
                 "  login     entra no ERP e guarda o usuário no banco local\n"
                 "  sincronizar  copia o catálogo do ERP para o banco local\n"
#endif
        ;
}

} // namespace

int main(int argc, char** argv) {
    using Command = std::function<int(const std::vector<std::string>&)>;
    const std::map<std::string, Command> commands = {
        {"carga", mvf::cli::runCarga},
        {"balanca", mvf::cli::runBalanca},
#ifdef MVF_HAS_DATA
        {"login", mvf::cli::runLogin},
        {"sincronizar", mvf::cli::runSincronizar},
#endif
    };
    if (argc < 2) {
        printUsage();
        return 2;
    }
    auto it = commands.find(argv[1]);
    if (it == commands.end()) {
        std::cerr << "comando desconhecido: " << argv[1] << "\n";
        printUsage();
        return 2;
    }
    mvf::Locale::setCurrent(mvf::Locale::fromSystem());
    try {
        return it->second(std::vector<std::string>(argv + 2, argv + argc));
    } catch (const std::exception& e) {
        std::cerr << e.what() << "\n";
        return 1;
    }
}
