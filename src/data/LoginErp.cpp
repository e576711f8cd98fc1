#include "data/LoginErp.h"

#include "data/ErpClient.h"
#include "data/JsonLeitura.h"
#include "data/T_dmDados.h"

namespace mvf {

namespace jl = json_leitura;

std::string LoginErp::CorpoLogin(const std::string& Login, const std::string& Senha) {
    return JsonObjetoDeTextos({{"login", Login}, {"senha", Senha}});
}

bool LoginErp::RetornaUsuario(const std::string& Login, const std::string& Senha, std::string& erro) {
    erro.clear();
    dm_.LoginValidado("N");
    const std::string corpo = CorpoLogin(Login, Senha);
    try {
        ErpClient cliente(dm_.erpConfig());
        ErpResposta resposta = cliente.post("retornausuario", corpo, "", "application/json");
        if (resposta.status != 200) {
            erro = MensagemDeErroErp(resposta);
            return false;
        }
        const nlohmann::json json = jl::analisar(resposta.body);
        const auto& r = jl::objeto(json, "A resposta do login");
        // Read in this order: the first missing member is the one reported.
        std::string razao = jl::texto(r, "Nome");
        std::string fantasia = jl::texto(r, "EmpresaNome");
        std::string acessaVendas = jl::texto(r, "AcessoVendas");
        std::string acessaGerencial = jl::texto(r, "AcessoGerencial");
        std::string permiteAlterar = jl::booleano(r, "PermiteAlterarUnitario") ? "S" : "N";
        std::string token = jl::texto(r, "TokenAcesso");
        std::int64_t id = jl::inteiro(r, "Id", 0);
        std::int64_t grupo = jl::inteiro(r, "GrupoDeEmpresaId", 0);
        std::int64_t empresa = jl::inteiro(r, "EmpresaCodigo", 0);
        std::string cnpj = jl::texto(r, "EmpresaCNPJ", "");
        std::string telefone = jl::texto(r, "EmpresaTelefone", "");
        std::string endereco = jl::texto(r, "EmpresaEndereco");
        std::string bairro = jl::texto(r, "EmpresaBairro");
        std::string cidade = jl::texto(r, "EmpresaCidade");
        std::string uf = jl::texto(r, "EmpresaUF");
        std::string numero = jl::texto(r, "EmpresaEnderecoNumero");
        if (!dm_.GravarRetornaUsuario(Login, Senha, razao, fantasia, acessaVendas, acessaGerencial,
                                      permiteAlterar, token, id, grupo, empresa, cnpj, telefone, endereco,
                                      bairro, cidade, uf, numero, erro))
            return false;
        dm_.LoginValidado("S");
        return true;
    } catch (const std::exception& e) {
        erro = TraduzirErroConexao(e.what());
        return false;
    }
}

} // namespace mvf
