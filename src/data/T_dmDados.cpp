#include "data/T_dmDados.h"

#include "core/DateTimeText.h"
#include "data/DatabaseError.h"
#include "data/EsquemaBanco.h"
#include "data/IniChave.h"
#include "data/ProgramFolder.h"
#include "data/TextoBooleano.h"
#include "data/Tutil.h"

#include <chrono>
#include <mutex>
#include <random>
#include <stdexcept>

namespace mvf {

namespace {

const char* const alfabetos[] = {
    "1234567890ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz",
    "1234567890ABCDEFGHIJKLMNOPQRSTUVWXYZ",
    "1234567890abcdefghijklmnopqrstuvwxyz",
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz",
    "1234567890",
    "ABCDEFGHIJKLMNOPQRSTUVWXYZ",
    "abcdefghijklmnopqrstuvwxyz",
};

std::mt19937& geradorAleatorio() {
    // Seeded once from the clock (and the system's entropy), as the run-time generator was.
    static std::mt19937 gerador([] {
        std::random_device device;
        auto clock =
            static_cast<std::uint32_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
        std::seed_seq seed{clock, device(), device()};
        return std::mt19937(seed);
    }());
    return gerador;
}

std::mutex& geradorMutex() {
    static std::mutex m;
    return m;
}

} // namespace

T_dmDados::T_dmDados(std::filesystem::path pasta)
    : pasta_(std::move(pasta)), erp_(ErpConfig::fromEnvironment()) {}

T_dmDados::T_dmDados() : T_dmDados(programFolder()) {}

T_dmDados::~T_dmDados() = default;

void T_dmDados::ConectarBanco(int busyTimeoutMs) {
    try {
        conexao_.open(caminhoBanco(), busyTimeoutMs);
        EsquemaBanco::Criar(conexao_);
    } catch (const std::exception& e) {
        conexao_.close();
        throw std::runtime_error(std::string("Erro de conexão com o banco de dados: ") + e.what());
    }
}

bool T_dmDados::conectado() const {
    return conexao_.isOpen();
}

std::unique_ptr<Query> T_dmDados::getInstanciaQuery() {
    return std::make_unique<Query>(conexao_);
}

std::string T_dmDados::GerarCodigoAleatorio(int count, int kind) {
    if (count <= 0 || kind < 1 || kind > 7)
        return {};
    const std::string alfabeto = alfabetos[kind - 1];
    std::uniform_int_distribution<std::size_t> sorteio(0, alfabeto.size() - 1);
    std::string codigo;
    codigo.reserve(static_cast<std::size_t>(count));
    std::lock_guard<std::mutex> guard(geradorMutex());
    for (int i = 0; i < count; ++i)
        codigo += alfabeto[sorteio(geradorAleatorio())];
    return codigo;
}

bool T_dmDados::ConfiguracaoInicial() {
    auto query = getInstanciaQuery();
    query->setSQL("SELECT CONFIG_INICIAL FROM CONFIG WHERE ID=1 ");
    query->open();
    return !query->eof() && query->fieldByName("CONFIG_INICIAL").asString() == "true";
}

void T_dmDados::StatusdConfiguracaoInicial(const std::string& LoStatus) {
    auto query = getInstanciaQuery();
    query->setSQL("UPDATE CONFIG SET  CONFIG_INICIAL = :PSTATUS");
    query->paramText("PSTATUS", LoStatus);
    query->execSQL();
}

void T_dmDados::LembrarLogin(const std::string& LoStatus) {
    auto query = getInstanciaQuery();
    query->setSQL("UPDATE CONFIG SET  LEMBRAR = :PSTATUS");
    query->paramText("PSTATUS", LoStatus);
    query->execSQL();
}

void T_dmDados::LoginValidado(const std::string& LoStatus) {
    auto query = getInstanciaQuery();
    query->setSQL("UPDATE CONFIG SET  LOGIN_VALIDO = :PSTATUS");
    query->paramText("PSTATUS", LoStatus);
    query->execSQL();
}

std::string T_dmDados::GetUltimaSincronia() {
    auto query = getInstanciaQuery();
    query->setSQL("SELECT DATA_SINCRONIA,CONFIG_INICIAL FROM CONFIG WHERE ID=1");
    query->open();
    if (query->eof() || query->fieldByName("CONFIG_INICIAL").asString() != "false")
        return {};
    return "Data da ultima sicronização : " +
           dateTimeToDisplay(textToDateTime(query->fieldByName("DATA_SINCRONIA").asString()));
}

bool T_dmDados::PostUltimaSincronia(std::string& erro) {
    erro.clear();
    try {
        auto query = getInstanciaQuery();
        query->setSQL("UPDATE CONFIG SET  DATA_SINCRONIA = :PDATA");
        query->paramText("PDATA", dateTimeToText(DateTime::now()));
        return query->execSQL() > 0;
    } catch (const std::exception& e) {
        erro = std::string("Erro : ") + e.what();
        return false;
    }
}

void T_dmDados::salvarBancoConfig(const std::string& LoNome) {
    GravarChaveIni(pasta_ / "config.ini", "CONFIG", "BANCO", LoNome);
    Tutil::setNomeBanco(LoNome);
}

TUsuarioLogado T_dmDados::CarregarUsuarioLogado() {
    TUsuarioLogado usuario;
    try {
        auto query = getInstanciaQuery();
        query->setSQL(
            "SELECT DATA_SINCRONIA,OLHO_ABERTO,GRUPO_EMPRESA_ID,ACESSA_GERENCIAL,CONFIG_INICIAL,"
            "EMPRESA_CODIGO,LOGIN,SENHA,FANTASIA,ID_VENDEDOR_PADRAO,LEMBRAR,IDENTIFICADOR,"
            "PERMITE_ALTERAR_VALOR,CNPJ,TELEFONE,ENDERECO,BAIRRO,CIDADE,UF,NUMERO,NOME_VENDEDOR_PADRAO "
            "FROM CONFIG");
        query->open();
        auto campo = [&query](const char* nome) -> const SqlValue& { return query->fieldByName(nome); };
        usuario.ConfigInicial = campo("CONFIG_INICIAL").asString();
        usuario.Identificador = campo("IDENTIFICADOR").asString();
        usuario.NomeLogin = campo("LOGIN").asString();
        usuario.senha = campo("SENHA").asString();
        usuario.Fantasia = campo("FANTASIA").asString();
        usuario.Bairro = campo("BAIRRO").asString();
        usuario.Telefone = campo("TELEFONE").asString();
        usuario.Endereco = campo("ENDERECO").asString();
        usuario.Numero = campo("NUMERO").asString();
        usuario.Cnpj = campo("CNPJ").asString();
        usuario.Lembrar = campo("LEMBRAR").asString();
        usuario.PermiteAlterar = campo("PERMITE_ALTERAR_VALOR").asString();
        usuario.Id_vendedor = campo("ID_VENDEDOR_PADRAO").asInteger();
        usuario.CodigoEmpresa = campo("EMPRESA_CODIGO").asInteger();
        usuario.Codigogrupo = campo("GRUPO_EMPRESA_ID").asInteger();
        usuario.AcessoGerencial = TextoBooleano(campo("ACESSA_GERENCIAL").asString());
        usuario.NomeVendedor = campo("NOME_VENDEDOR_PADRAO").asString();
        usuario.uf = campo("UF").asString();
        usuario.UltimaSinc = campo("DATA_SINCRONIA").asString();
        if (usuario.UltimaSinc != "00/00/0000 00:00:00")
            usuario.Alerta = "Última sincronzação : " + dateTimeToDisplay(textToDateTime(usuario.UltimaSinc));
        usuario.cidade = campo("CIDADE").asString();
    } catch (...) {
        Tutil::setUsuario(usuario);
        throw;
    }
    Tutil::setUsuario(usuario);
    return usuario;
}

bool T_dmDados::RetornaUsuario(const std::string&, const std::string&, std::string& erro) {
    erro = "não implementado";
    return false;
}

bool T_dmDados::GravarRetornaUsuario(const std::string&, const std::string&, const std::string&,
                                     const std::string&, const std::string&, const std::string&,
                                     const std::string&, const std::string&, std::int64_t, std::int64_t,
                                     std::int64_t, const std::string&, const std::string&, const std::string&,
                                     const std::string&, const std::string&, const std::string&,
                                     const std::string&, std::string& erro) {
    erro = "não implementado";
    return false;
}

bool T_dmDados::GetDados(const std::string&, StatusDados&, std::string& erro) {
    erro = "EndPoint não encontrado";
    return false;
}

bool T_dmDados::Vendedores(StatusDados&, std::string&) {
    return false;
}
bool T_dmDados::FormadePagamento(StatusDados&, std::string&) {
    return false;
}
bool T_dmDados::Clientes(StatusDados&, std::string&) {
    return false;
}
bool T_dmDados::Produtos(StatusDados&, std::string&) {
    return false;
}
bool T_dmDados::TabeladePreco(StatusDados&, std::string&) {
    return false;
}
void T_dmDados::ExecutarScriptCidades() {}

} // namespace mvf
