#include "data/CatalogoErp.h"

#include "core/DateTimeText.h"
#include "data/ErpClient.h"
#include "data/JsonLeitura.h"
#include "data/LimitadorProgresso.h"
#include "data/SqlTexto.h"
#include "data/T_dmDados.h"
#include "data/TextoUtf8.h"
#include "data/TransacaoLote.h"
#include "data/Tutil.h"

#include <stdexcept>

namespace mvf {

namespace jl = json_leitura;

namespace {

const char* const sqlProduto =
    "INSERT INTO PRODUTO(ID, "
    "DESCRICAO,COD_BARRA,UNIDADE,VALOR,DESC_MAXIMO,ESTOQUE,URL1,URL2,URL3,ATIVO,COD_ORIG,"
    "COD_FAB,VALOR_REAL,VALOR_PROMOCAO) VALUES(:PID, :PDESCRICAO,:PCOD_BARRA,:PUNIDADE,:PVALOR,:PDESC_MAXIMO,"
    ":PESTOQUE,:PURL1,:PURL2,:PURL3,:PATIVO,:PCOD_ORIG,:PCOD_FAB,:PVALOR_REAL,:PVALOR_PROMOCAO) \n"
    "ON CONFLICT(ID) DO UPDATE SET DESCRICAO = :PDESCRICAO ,COD_BARRA =:PCOD_BARRA,UNIDADE = "
    ":PUNIDADE,VALOR_REAL "
    "= :PVALOR_REAL,VALOR_PROMOCAO = :PVALOR_PROMOCAO, VALOR =:PVALOR,DESC_MAXIMO = :PDESC_MAXIMO ,ESTOQUE = "
    ":PESTOQUE,URL1 = :PURL1, URL2 = :PURL2 ,URL3 = :PURL3,ATIVO = :PATIVO, COD_ORIG = :PCOD_ORIG, COD_FAB = "
    ":PCOD_FAB ;";

const char* const sqlTabela =
    "INSERT OR REPLACE INTO TABELA(ID_ITEM,ID, ID_PARTICIPANTE,ID_PRODUTO,NOME_TABELA,"
    "VALOR) VALUES(:PID_ITEM,:PID, :PID_PARTICIPANTE,:PID_PRODUTO,:PNOME_TABELA,:PVALOR)";

// What one entity request needs from the logged-in user record.
struct Sessao {
    std::string token;
    std::string empresa;
};

Sessao sessao() {
    TUsuarioLogado u = UsuarioLogado();
    return {u.Token, std::to_string(u.CodigoEmpresa)};
}

// The answer's array, or false with the answer's message for a status other than 200.
bool lerLista(const ErpResposta& resposta, nlohmann::json& lista, std::string& erro) {
    if (resposta.status != 200) {
        erro = MensagemDeErroErp(resposta);
        return false;
    }
    lista = jl::analisar(resposta.body);
    if (!lista.is_array())
        throw JsonErro("A resposta do servidor não é uma lista JSON");
    return true;
}

const nlohmann::json& elemento(const nlohmann::json& lista, std::size_t i) {
    return jl::objeto(lista[i], "Um elemento da resposta do servidor");
}

void mostrar(StatusDados& status, const std::string& prefixo, std::size_t i, std::size_t n) {
    if (status.setTexto)
        status.setTexto(prefixo + std::to_string(i) + " de " + std::to_string(n));
}

// An image address as the original client stored it: the element's ASCII JSON text with
// double quotes and backslashes removed.
std::string url(const nlohmann::json& urls, std::size_t i) {
    if (i >= urls.size())
        return {};
    std::string texto = JsonAscii(urls[i]);
    std::string out;
    for (char c : texto)
        if (c != '"' && c != '\\')
            out += c;
    return out;
}

void executarLote(T_dmDados& dm, const std::string& lote) {
    TransacaoLote transacao(dm.conexao());
    transacao.garantir();
    auto query = dm.getInstanciaQuery();
    query->setSQL(lote);
    query->execSQL();
    transacao.concluir();
}

} // namespace

std::string CatalogoErp::CorpoComum() {
    TUsuarioLogado u = UsuarioLogado();
    return JsonObjetoDeTextos({{"identificacao", u.Identificador},
                               {"configuracaoinicial", u.ConfigInicial},
                               {"empresacodigo", std::to_string(u.CodigoEmpresa)}});
}

bool CatalogoErp::Vendedores(StatusDados& Status, std::string& erro) {
    erro.clear();
    Sessao s = sessao();
    ErpResposta resposta =
        ErpClient(dm_.erpConfig()).get("RetornaVendedores?empresaCodigo=" + s.empresa, s.token);
    nlohmann::json lista;
    if (!lerLista(resposta, lista, erro))
        return false;
    LimitadorProgresso limitador;
    std::string lote;
    for (std::size_t i = 0; i < lista.size(); ++i) {
        const auto& e = elemento(lista, i);
        lote += "INSERT OR REPLACE INTO VENDEDOR(ID, NOME) VALUES(" +
                std::to_string(jl::inteiro(e, "Codigo", 0)) + "," + QuotedStr(jl::texto(e, "Nome", "")) +
                ");\n";
        if (limitador.mostrar(i + 1, lista.size()))
            mostrar(Status, "Vendedores - ", i + 1, lista.size());
    }
    // The old list goes only together with the new one: an answer that cannot be read or
    // stored leaves the salespeople as they were.
    TransacaoLote transacao(dm_.conexao(), TransacaoLote::NaFalha::Desfazer);
    transacao.garantir();
    try {
        auto apagar = dm_.getInstanciaQuery();
        apagar->setSQL("DELETE FROM VENDEDOR  ");
        apagar->execSQL();
    } catch (const std::exception& e) {
        throw std::runtime_error(std::string("Operação abortada: ") + e.what());
    }
    if (!lista.empty()) {
        auto query = dm_.getInstanciaQuery();
        query->setSQL(lote);
        query->execSQL();
    }
    transacao.concluir();
    return true;
}

bool CatalogoErp::FormadePagamento(StatusDados& Status, std::string& erro) {
    erro.clear();
    Sessao s = sessao();
    ErpResposta resposta =
        ErpClient(dm_.erpConfig()).get("RetornaFormasPagamento?empresaCodigo=" + s.empresa, s.token);
    nlohmann::json lista;
    if (!lerLista(resposta, lista, erro))
        return false;
    LimitadorProgresso limitador;
    std::string lote;
    for (std::size_t i = 0; i < lista.size(); ++i) {
        if (limitador.mostrar(i + 1, lista.size()))
            mostrar(Status, "Formas de pagamento - ", i + 1, lista.size());
        const auto& e = elemento(lista, i);
        std::string codigo = jl::texto(e, "Codigo", "");
        std::string descricao = MaiusculasUtf8(jl::texto(e, "Descricao", ""));
        std::int64_t parcelas = jl::inteiro(e, "MaximoParcelas", 1);
        lote += "INSERT OR REPLACE INTO FORMA_PAGAMENTO(CODIGO, DESCRICAO,MAX_PARCELA) VALUES(" +
                QuotedStr(codigo) + "," + QuotedStr(descricao) + "," + std::to_string(parcelas) + ");\n";
    }
    executarLote(dm_, lote); // an empty list runs an empty script
    return true;
}

bool CatalogoErp::Clientes(StatusDados& Status, std::string& erro) {
    erro.clear();
    Sessao s = sessao();
    ErpResposta resposta = ErpClient(dm_.erpConfig()).post("RetornaTodosClientes", CorpoComum(), s.token);
    nlohmann::json lista;
    if (!lerLista(resposta, lista, erro))
        return false;
    LimitadorProgresso limitador;
    std::string lote;
    for (std::size_t i = 0; i < lista.size(); ++i) {
        if (limitador.mostrar(i + 1, lista.size()))
            mostrar(Status, "Clientes - ", i + 1, lista.size());
        const auto& e = elemento(lista, i);
        std::int64_t id = jl::inteiro(e, "Codigo", 0);
        std::string nome = MaiusculasUtf8(AparaTexto(jl::texto(e, "Nome", "")));
        std::string cpf = jl::texto(e, "CNPJ_CPF", "");
        std::string endereco = jl::texto(e, "Endereco", "");
        std::string numero = jl::texto(e, "EnderecoNumero", "");
        std::string bairro = jl::texto(e, "Bairro", "");
        std::string telefone = jl::texto(e, "Telefone", "");
        std::string cidade = jl::texto(e, "Cidade", "");
        std::string ativo = jl::texto(e, "Ativo", "");
        std::int64_t tabela = jl::inteiro(e, "TabelaDePrecoCodigo", 0);
        std::string uf = jl::texto(e, "UF", "");
        lote += "INSERT OR REPLACE INTO CLIENTE "
                "(ID,NOME,RAZAO,SINCRONIZADO,CPF_CNPJ,IE_RG,ENDERECO,NUMERO,BAIRRO,"
                "TELEFONE,CIDADE,CEP,EMAIL,ATIVO,ID_TABELA,UF) VALUES(" +
                std::to_string(id) + "," + QuotedStr(nome) + "," + QuotedStr(nome) + ",'S'," +
                QuotedStr(cpf) + ",''," + QuotedStr(endereco) + "," + QuotedStr(numero) + "," +
                QuotedStr(bairro) + "," + QuotedStr(telefone) + "," + QuotedStr(cidade) + ",'',''," +
                QuotedStr(ativo) + "," + std::to_string(tabela) + "," + QuotedStr(uf) + ");\n";
    }
    if (!lista.empty())
        executarLote(dm_, lote);
    return true;
}

bool CatalogoErp::Produtos(StatusDados& Status, std::string& erro) {
    erro.clear();
    Sessao s = sessao();
    ErpResposta resposta = ErpClient(dm_.erpConfig()).post("RetornaTodosProdutos", CorpoComum(), s.token);
    nlohmann::json lista;
    if (!lerLista(resposta, lista, erro))
        return false;
    if (!lista.empty()) {
        Status.Tag = 10;
        if (Status.produtosAtualizados)
            Status.produtosAtualizados(10, "Produtos Atualizados - " + dateTimeToDisplay(DateTime::now()));
    }
    auto query = dm_.getInstanciaQuery();
    query->setSQL(sqlProduto);
    LimitadorProgresso limitador;
    // Products stored before a failure stay stored: the open part is committed on the way out.
    TransacaoLote transacao(dm_.conexao());
    for (std::size_t i = 0; i < lista.size(); ++i) {
        if (limitador.mostrar(i + 1, lista.size())) {
            transacao.pausar();
            mostrar(Status, "Produtos - ", i + 1, lista.size());
        }
        const auto& e = elemento(lista, i);
        query->paramInteger("PID", jl::inteiro(e, "Codigo", 0));
        query->paramText("PDESCRICAO", jl::texto(e, "Descricao", ""));
        query->paramText("PCOD_BARRA", jl::texto(e, "CodigoDeBarras", ""));
        query->paramText("PUNIDADE", jl::texto(e, "Unidade", ""));
        query->paramFloat("PVALOR", jl::real(e, "PrecoUnitario", 0));
        query->paramFloat("PVALOR_REAL", jl::real(e, "PrecoNormal", 0));
        query->paramFloat("PVALOR_PROMOCAO", jl::real(e, "PrecoPromocional", 0));
        query->paramFloat("PDESC_MAXIMO", jl::real(e, "PorcDescontoMaximo", 0));
        query->paramFloat("PESTOQUE", jl::real(e, "Saldo", 0));
        const auto& urls = jl::lista(e, "UrlImagens");
        query->paramText("PURL1", url(urls, 0));
        query->paramText("PURL2", url(urls, 1));
        query->paramText("PURL3", url(urls, 2));
        query->paramText("PATIVO", jl::booleano(e, "Ativo", true) ? "S" : "N");
        query->paramText("PCOD_ORIG", jl::texto(e, "CodigoOriginal", ""));
        query->paramText("PCOD_FAB", jl::texto(e, "CodigoFabricante", ""));
        transacao.garantir();
        query->execSQL();
        transacao.ceder();
    }
    transacao.concluir();
    return true;
}

bool CatalogoErp::TabeladePreco(StatusDados& Status, std::string& erro) {
    erro.clear();
    Sessao s = sessao();
    ErpResposta resposta = ErpClient(dm_.erpConfig())
                               .post("RetornaTabelasDePrecoComItens?empresaCodigo=1", CorpoComum(), s.token);
    nlohmann::json lista;
    if (!lerLista(resposta, lista, erro))
        return false;
    auto query = dm_.getInstanciaQuery();
    query->setSQL(sqlTabela);
    LimitadorProgresso limitador;
    TransacaoLote transacao(dm_.conexao());
    for (std::size_t i = 0; i < lista.size(); ++i) {
        if (limitador.mostrar(i + 1, lista.size())) {
            transacao.pausar();
            mostrar(Status, "Tabela de preço - ", i + 1, lista.size());
        }
        const auto& t = elemento(lista, i);
        std::int64_t codigo = jl::inteiro(t, "Codigo", 0);
        std::int64_t participante = jl::inteiro(t, "TipoDeParticipanteCodigo", 0);
        std::string descricao = jl::texto(t, "Descricao", "");
        const auto& itens = jl::lista(t, "TabelaDePrecosItens");
        for (std::size_t k = 0; k < itens.size(); ++k) {
            const auto& item = jl::objeto(itens[k], "Um item da tabela de preço");
            query->paramInteger("PID", codigo);
            query->paramInteger("PID_PARTICIPANTE", participante);
            query->paramText("PNOME_TABELA", descricao);
            query->paramInteger("PID_PRODUTO", jl::inteiro(item, "ProdutoCodigo", 0));
            query->paramInteger("PID_ITEM", jl::inteiro(item, "Id", 0));
            query->paramFloat("PVALOR", jl::real(item, "Valor", 0));
            transacao.garantir();
            query->execSQL();
            transacao.ceder();
        }
    }
    transacao.concluir();
    return true;
}

} // namespace mvf
