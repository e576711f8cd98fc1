#include "app/loadtool/GeracaoCarga.h"

#include "scaleload/tool/CampoCodigoProduto.h"

#include <stdexcept>

namespace mvf {

namespace {

std::string trimmed(const std::string& text) {
    std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

class Marca {
public:
    explicit Marca(bool& flag) : flag_(flag) { flag_ = true; }
    ~Marca() { flag_ = false; }
    Marca(const Marca&) = delete;
    Marca& operator=(const Marca&) = delete;

private:
    bool& flag_;
};

} // namespace

GeracaoCarga::GeracaoCarga(TCargaBal& carga, ServicosCarga& servicos, PaginaCargaGeracao pagina)
    : carga_(carga), servicos_(servicos), pagina_(std::move(pagina)) {}

bool GeracaoCarga::Executar() {
    if (emExecucao_)
        return false;
    Marca marca(emExecucao_);
    executar();
    return true;
}

void GeracaoCarga::executar() {
    pagina_.CarregarConfiguracao();
    servicos_.ZerarTagStatus();
    std::string erro;
    if (!servicos_.RetornaUsuario(erro))
        throw std::runtime_error(erro);
    if (!servicos_.GetDadosProdutos(erro))
        throw std::runtime_error(erro);
    servicos_.StatusdConfiguracaoInicial("false");

    const std::string diretorio = pagina_.Diretorio();
    if (trimmed(diretorio).empty()) {
        pagina_.Aviso(MsgBoxTypes::mabtErro, "informe o Diretório onde serão gerados os arquivos");
        return;
    }
    const std::string coluna = CampoCodigoProduto(pagina_.Campo());
    std::vector<ProdutoCarga> produtos = servicos_.ConsultarProdutos(ConsultaProdutosCarga(coluna), coluna);

    try {
        GerarCargaProdutos(carga_, pagina_.Modelo(), produtos, diretorio);
        pagina_.GravarDataUltimaCarga();
        pagina_.CarregarConfiguracao();
    } catch (const std::exception& e) {
        pagina_.Aviso(MsgBoxTypes::mabtErro, std::string("Ocorreu o seguinte erro:\n") + e.what());
    }
}

} // namespace mvf
