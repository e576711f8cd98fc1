#pragma once

#include "data/ErpClient.h"
#include "data/Query.h"
#include "data/SqliteConnection.h"
#include "data/StatusDados.h"
#include "data/TUsuarioLogado.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

namespace mvf {

// The data module: owns the one connection to banco.db (shared by the UI thread and the
// workers; every operation is safe to call from any thread), the schema, the CONFIG row
// operations, the query factory and the ERP calls.
class T_dmDados {
public:
    // Nothing is opened yet; call ConectarBanco().
    explicit T_dmDados(std::filesystem::path pasta);
    // Uses programFolder() (MARIVELTA_HOME, otherwise the executable's folder).
    T_dmDados();
    ~T_dmDados();
    T_dmDados(const T_dmDados&) = delete;
    T_dmDados& operator=(const T_dmDados&) = delete;

    // Opens banco.db in the folder and runs the schema set-up. On failure raises
    // std::runtime_error("Erro de conexão com o banco de dados: " + cause); the file is left
    // as it was and the module stays usable in the sense that later operations raise
    // DatabaseError. busyTimeoutMs is how long to wait for another program's lock.
    void ConectarBanco(int busyTimeoutMs = 3000);
    bool conectado() const;
    std::filesystem::path caminhoBanco() const { return pasta_ / "banco.db"; }
    const std::filesystem::path& pasta() const { return pasta_; }

    // A new, closed query on the shared connection; the caller owns it.
    std::unique_ptr<Query> getInstanciaQuery();
    SqliteConnection& conexao() { return conexao_; }

    // 20 characters etc.: count characters drawn from the alphabet of kind 1..7; other kinds
    // and counts below 1 give the empty text.
    static std::string GerarCodigoAleatorio(int count, int kind);

    // CONFIG row. Database errors propagate as DatabaseError, except PostUltimaSincronia.
    bool ConfiguracaoInicial();
    void StatusdConfiguracaoInicial(const std::string& LoStatus);
    void LembrarLogin(const std::string& LoStatus);
    void LoginValidado(const std::string& LoStatus);
    // "Data da ultima sicronização : dd/mm/yyyy hh:mm:ss" once CONFIG_INICIAL is "false",
    // otherwise empty.
    std::string GetUltimaSincronia();
    bool PostUltimaSincronia(std::string& erro);
    // Writes key BANCO of section CONFIG in config.ini beside banco.db.
    void salvarBancoConfig(const std::string& LoNome);

    // The database half of paramentrosInicias: reads the CONFIG row into a fresh record and
    // installs it with Tutil::setUsuario, also when the reading fails part-way (then the
    // error is raised again after the install). Returns the record installed.
    TUsuarioLogado CarregarUsuarioLogado();

    // ERP login (any thread). True when accepted and stored; false with the user message in erro.
    bool RetornaUsuario(const std::string& Login, const std::string& Senha, std::string& erro);
    bool GravarRetornaUsuario(const std::string& Login, const std::string& Senha, const std::string& razao,
                              const std::string& fantasia, const std::string& acessavendas,
                              const std::string& acessagerencial, const std::string& PermiteAlterarValor,
                              const std::string& token, std::int64_t id_marivelta, std::int64_t grupoid,
                              std::int64_t empresacodigo, const std::string& Cnpj,
                              const std::string& Telefone, const std::string& Endereco,
                              const std::string& Bairro, const std::string& cidade, const std::string& uf,
                              const std::string& Numero, std::string& erro);

    // Catalogue (any thread, normally a worker). GetDados dispatches by exact name:
    // "Vendedores", "Formas de pagamento", "Clientes", "Produtos", "Tabela de preço";
    // another name gives false with "EndPoint não encontrado". A non-200 answer gives false
    // with its "Message"; other failures raise std::exception with their message.
    bool GetDados(const std::string& LoDados, StatusDados& Status, std::string& erro);
    bool Vendedores(StatusDados& Status, std::string& erro);
    bool FormadePagamento(StatusDados& Status, std::string& erro);
    bool Clientes(StatusDados& Status, std::string& erro);
    bool Produtos(StatusDados& Status, std::string& erro);
    bool TabeladePreco(StatusDados& Status, std::string& erro);
    // The fixed city script (5,563 rows) in one execution; nothing stays on failure.
    void ExecutarScriptCidades();

    // The worker's part of a full synchronisation: log in again with the record's stored
    // credentials, fetch the five entities, and on the first run (record's ConfigInicial not
    // "false") the cities. Status.setTexto receives the status-line texts in order:
    // "Obtendo autorização...", "Vendedores...", progress lines, ..., "Cidades...".
    // Raises std::runtime_error with the user message on any failure.
    void SincronizaDados(StatusDados& Status);
    // The database part of the finishing step: CONFIG_INICIAL "false" and DATA_SINCRONIA now.
    // Returns GetUltimaSincronia() for the last-synchronisation labels.
    std::string ConcluirSincronizacao();

    // How the ERP is reached (base URL, extra CA file, time-outs); taken from the environment.
    ErpConfig& erpConfig() { return erp_; }

private:
    void CriarEstrutura();
    void AtualizarEstrutura();

    std::filesystem::path pasta_;
    SqliteConnection conexao_;
    ErpConfig erp_;
};

} // namespace mvf
