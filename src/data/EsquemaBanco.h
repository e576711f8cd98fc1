#pragma once

#include <string>

namespace mvf {

class SqliteConnection;

// The statements that build banco.db, and the set-up that runs them in order on a fresh
// connection. Existing tables are never altered except by the migrations.
class EsquemaBanco {
public:
    // The CONFIG creation, with the installation code and the creation moment as defaults.
    static std::string sqlConfig(const std::string& identificador, const std::string& dataSincronia);
    static std::string sqlTriggers();

    // Creates what is missing and runs the migrations; raises std::runtime_error
    // "erro na criação do banco: " + cause.
    static void Criar(SqliteConnection& conexao);
    static void AtualizarEstrutura(SqliteConnection& conexao);
};

} // namespace mvf
