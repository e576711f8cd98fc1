#include "cli/Commands.h"

#include <iostream>

namespace mvf::cli {

int runBalanca(const std::vector<std::string>&) {
    std::cerr << "mvf balanca: ainda não disponível\n";
    return 2;
}

} // namespace mvf::cli
