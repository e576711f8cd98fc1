#pragma once

#include <string>
#include <vector>

namespace mvf::cli {

// Each command takes the arguments after its own name and returns the process exit code.
int runCarga(const std::vector<std::string>& args);
int runBalanca(const std::vector<std::string>& args);
#ifdef MVF_HAS_DATA
int runLogin(const std::vector<std::string>& args);
int runSincronizar(const std::vector<std::string>& args);
// mvf carga --banco: the load of the products of a database, as the load tool builds it.
int runCargaBanco(const std::vector<std::string>& args);
#endif

} // namespace mvf::cli
