#include "data/T_dmDados.h"

#include "core/DateTimeText.h"
#include "data/CatalogoErp.h"
#include "data/CidadesScript.h"
#include "data/DatabaseError.h"
#include "data/EsquemaBanco.h"
#include "data/IniChave.h"
#include "data/LoginErp.h"
#include "data/ProgramFolder.h"
#include "data/TextoBooleano.h"
#include "data/TransacaoLote.h"
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

bool T_dmDados::RetornaUsuario(const std::string& Login, const std::string& Senha, std::string& erro) {
    return LoginErp(*this).RetornaUsuario(Login, Senha, erro);
}

bool T_dmDados::GravarRetornaUsuario(const std::string& Login, const std::string& Senha,
                                     const std::string& razao, const std::string& fantasia,
                                     const std::string& acessavendas, const std::string& acessagerencial,
                                     const std::string& PermiteAlterarValor, const std::string& token,
                                     std::int64_t id_marivelta, std::int64_t grupoid,
                                     std::int64_t empresacodigo, const std::string& Cnpj,
                                     const std::string& Telefone, const std::string& Endereco,
                                     const std::string& Bairro, const std::string& cidade,
                                     const std::string& uf, const std::string& Numero, std::string& erro) {
    erro.clear();
    try {
        auto query = getInstanciaQuery();
        query->setSQL(
            "UPDATE CONFIG SET  LOGIN = :PLOGIN, SENHA = :PSENHA,ACESSA_GERENCIAL= :PACESSA_GERENCIAL,RAZAO "
            "= "
            ":PRAZAO,FANTASIA = :PFANTASIA, ACESSA_VENDA = :PACESSA_VENDA,TOKEN = :PTOKEN ,ID_MARIVELTA = "
            ":PID_MARIVELTA,LOGADO = :PLOGADO, CNPJ = :PCNPJ,TELEFONE = :PTELEFONE,ENDERECO = "
            ":PENDERECO,BAIRRO = :PBAIRRO,CIDADE = :PCIDADE,UF = :PUF,NUMERO = "
            ":PNUMERO,PERMITE_ALTERAR_VALOR = :PPERMITE_ALTERAR_VALOR ,GRUPO_EMPRESA_ID = "
            ":PGRUPO_EMPRESA_ID,EMPRESA_CODIGO = :PEMPRESA_CODIGO WHERE ID = 1");
        query->paramText("PLOGIN", Login);
        query->paramText("PSENHA", Senha);
        query->paramText("PACESSA_GERENCIAL", acessagerencial);
        query->paramText("PRAZAO", razao);
        query->paramText("PFANTASIA", fantasia);
        query->paramText("PACESSA_VENDA", acessavendas);
        query->paramText("PTOKEN", token);
        query->paramInteger("PID_MARIVELTA", id_marivelta);
        query->paramText("PLOGADO", "S");
        query->paramText("PCNPJ", Cnpj);
        query->paramText("PTELEFONE", Telefone);
        query->paramText("PENDERECO", Endereco);
        query->paramText("PBAIRRO", Bairro);
        query->paramText("PCIDADE", cidade);
        query->paramText("PUF", uf);
        query->paramText("PNUMERO", Numero);
        query->paramText("PPERMITE_ALTERAR_VALOR", PermiteAlterarValor);
        query->paramInteger("PGRUPO_EMPRESA_ID", grupoid);
        query->paramInteger("PEMPRESA_CODIGO", empresacodigo);
        if (query->execSQL() > 0)
            Tutil::alterarUsuario([&](TUsuarioLogado& u) {
                u.NomeLogin = Login;
                u.senha = Senha;
                u.Fantasia = fantasia;
                u.Token = token;
                u.CodigoEmpresa = empresacodigo;
                u.Codigogrupo = grupoid;
            });
        return true;
    } catch (const std::exception& e) {
        erro = std::string("Erro : ") + e.what();
        return false;
    }
}

bool T_dmDados::GetDados(const std::string& LoDados, StatusDados& Status, std::string& erro) {
    erro.clear();
    if (LoDados == "Vendedores")
        return Vendedores(Status, erro);
    if (LoDados == "Formas de pagamento")
        return FormadePagamento(Status, erro);
    if (LoDados == "Clientes")
        return Clientes(Status, erro);
    if (LoDados == "Produtos")
        return Produtos(Status, erro);
    if (LoDados == "Tabela de preço")
        return TabeladePreco(Status, erro);
    erro = "EndPoint não encontrado";
    return false;
}

bool T_dmDados::Vendedores(StatusDados& Status, std::string& erro) {
    return CatalogoErp(*this).Vendedores(Status, erro);
}

bool T_dmDados::FormadePagamento(StatusDados& Status, std::string& erro) {
    return CatalogoErp(*this).FormadePagamento(Status, erro);
}

bool T_dmDados::Clientes(StatusDados& Status, std::string& erro) {
    return CatalogoErp(*this).Clientes(Status, erro);
}

bool T_dmDados::Produtos(StatusDados& Status, std::string& erro) {
    return CatalogoErp(*this).Produtos(Status, erro);
}

bool T_dmDados::TabeladePreco(StatusDados& Status, std::string& erro) {
    return CatalogoErp(*this).TabeladePreco(Status, erro);
}

void T_dmDados::ExecutarScriptCidades() {
    // All cities or none: a run that stops part-way must not block every later run with
    // uniqueness errors.
    TransacaoLote transacao(conexao_, TransacaoLote::NaFalha::Desfazer);
    transacao.garantir();
    auto query = getInstanciaQuery();
    query->setSQL(CidadesScript());
    query->execSQL();
    transacao.concluir();
}

void T_dmDados::SincronizaDados(StatusDados& Status) {
    auto status = [&Status](const std::string& texto) {
        if (Status.setTexto)
            Status.setTexto(texto);
    };
    status("Obtendo autorização...");
    TUsuarioLogado usuario = UsuarioLogado();
    std::string erro;
    if (!RetornaUsuario(usuario.NomeLogin, usuario.senha, erro))
        throw std::runtime_error(erro);
    for (const char* entidade :
         {"Vendedores", "Formas de pagamento", "Clientes", "Produtos", "Tabela de preço"}) {
        status(std::string(entidade) + "...");
        if (!GetDados(entidade, Status, erro))
            throw std::runtime_error(erro);
    }
    if (UsuarioLogado().ConfigInicial != "false") {
        status("Cidades...");
        ExecutarScriptCidades();
    }
}

std::string T_dmDados::ConcluirSincronizacao() {
    StatusdConfiguracaoInicial("false");
    std::string erro;
    PostUltimaSincronia(erro); // its failure leaves the previous moment, as before
    return GetUltimaSincronia();
}

} // namespace mvf
