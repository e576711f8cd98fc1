#include "app/loadtool/ServicosCargaDados.h"

#include "data/StatusDados.h"
#include "data/TUsuarioLogado.h"
#include "data/T_dmDados.h"

namespace mvf {

ServicosCargaDados::ServicosCargaDados(T_dmDados& dados, Ligacoes ligacoes)
    : dados_(dados), ligacoes_(std::move(ligacoes)) {}

void ServicosCargaDados::LimparStatus() {
    if (ligacoes_.TextoStatus)
        ligacoes_.TextoStatus("");
}

bool ServicosCargaDados::UsuarioCarregado() {
    return !UsuarioLogado().NomeLogin.empty();
}

void ServicosCargaDados::paramentrosInicias() {
    if (ligacoes_.paramentrosInicias)
        ligacoes_.paramentrosInicias();
}

bool ServicosCargaDados::RetornaUsuario(std::string& erro) {
    TUsuarioLogado usuario = UsuarioLogado();
    return dados_.RetornaUsuario(usuario.NomeLogin, usuario.senha, erro);
}

bool ServicosCargaDados::GetDadosProdutos(std::string& erro) {
    StatusDados status;
    status.setTexto = ligacoes_.TextoStatus;
    status.produtosAtualizados = [this](int, const std::string& linha) {
        if (ligacoes_.LinhaLog)
            ligacoes_.LinhaLog(linha);
    };
    status.Tag = tag_.load();
    bool ok = dados_.GetDados("Produtos", status, erro);
    if (status.Tag > 0)
        tag_.store(status.Tag);
    return ok;
}

void ServicosCargaDados::StatusdConfiguracaoInicial(const std::string& LoStatus) {
    dados_.StatusdConfiguracaoInicial(LoStatus);
}

std::vector<ProdutoCarga> ServicosCargaDados::ConsultarProdutos(const std::string& sql,
                                                                const std::string& colunaCodigo) {
    auto query = dados_.getInstanciaQuery();
    query->setSQL(sql);
    query->open();
    std::vector<ProdutoCarga> produtos;
    for (; !query->eof(); query->next())
        produtos.push_back(ProdutoCargaDaLinha(
            [&](const std::string& coluna) { return query->fieldByName(coluna).asString(); }, colunaCodigo));
    query->close();
    return produtos;
}

bool ServicosCargaDados::PostUltimaSincronia(std::string& erro) {
    return dados_.PostUltimaSincronia(erro);
}

std::string ServicosCargaDados::GetUltimaSincronia() {
    return dados_.GetUltimaSincronia();
}

} // namespace mvf
