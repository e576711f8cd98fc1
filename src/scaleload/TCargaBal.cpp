#include "scaleload/TCargaBal.h"

#include "core/AtomicFileWriter.h"
#include "core/PathText.h"
#include "core/Windows1252.h"
#include "scaleload/CargaBalArquivos.h"
#include "scaleload/CargaBalWriter.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <filesystem>

namespace mvf {

namespace {

#ifdef _WIN32
constexpr char kSeparador = '\\';
bool terminaEmSeparador(const std::string& pasta) {
    return !pasta.empty() && (pasta.back() == '\\' || pasta.back() == '/');
}
#else
constexpr char kSeparador = '/';
bool terminaEmSeparador(const std::string& pasta) {
    return !pasta.empty() && pasta.back() == '/';
}
#endif

bool soBrancos(const std::string& texto) {
    return std::all_of(texto.begin(), texto.end(),
                       [](char c) { return static_cast<unsigned char>(c) <= ' '; });
}

// Encodes the lines in blocks, so a large file never needs a second full copy in memory.
void gravarLinhas(const std::string& caminho, const CargaLinhas& linhas) {
    AtomicFileWriter arquivo(pathFromUtf8(caminho));
    std::string bloco;
    bloco.reserve(1 << 17);
    std::string linha;
    for (std::size_t i = 0; i < linhas.Count(); ++i) {
        linha.clear();
        linhas.AppendLine(i, linha);
        windows1252::append(bloco, linha);
        bloco += "\r\n";
        if (bloco.size() >= (1 << 16)) {
            arquivo.write(bloco);
            bloco.clear();
        }
    }
    arquivo.write(bloco);
    arquivo.commit();
}

int comoInteiro(std::size_t n) {
    return n > INT_MAX ? INT_MAX : static_cast<int>(n);
}

} // namespace

std::string TCargaBal::GetModeloStr() const {
    switch (modelo_) {
    case TCargaBalModelo::modFilizola:
        return "Filizola";
    case TCargaBalModelo::modToledo:
        return "Toledo";
    case TCargaBalModelo::modUrano:
        return "Urano";
    case TCargaBalModelo::modUranoS:
        return "Urano (S)";
    case TCargaBalModelo::modToledoMGV5:
        return "Toledo MGV5";
    case TCargaBalModelo::modToledoMGV6:
        return "Toledo MGV6";
    case TCargaBalModelo::modToledoMGV7:
        return "Toledo MGV7";
    case TCargaBalModelo::modUranoURF32:
        return "Urano URF32";
    case TCargaBalModelo::modRamuza:
        return "Ramuza";
    case TCargaBalModelo::modToledoMGV5Ver1:
        return "Toledo MGV5 Ver1";
    case TCargaBalModelo::modTriunfoRdc429:
        return "Triunfo MGV5 Ver2 RDC429";
    }
    return {};
}

std::string TCargaBal::MensagemProduto(std::int32_t codigo, const std::string& descricao) {
    const std::int64_t valor = codigo;
    std::string digitos = std::to_string(valor < 0 ? -valor : valor);
    if (digitos.size() < 6)
        digitos.insert(0, 6 - digitos.size(), '0');
    return "Gerando produto " + std::string(valor < 0 ? "-" : "") + digitos + " " + descricao;
}

void TCargaBal::progresso(const std::string& mensagem, int atual, int total) const {
    if (onProgresso_)
        onProgresso_(mensagem, atual, total);
}

void TCargaBal::GerarArquivos(const std::string& ADiretorio) {
    if (soBrancos(ADiretorio))
        throw ECargaBal("Informe o diretório onde serão gerados os arquivos de carga!");
    std::error_code ec;
    if (!std::filesystem::is_directory(pathFromUtf8(ADiretorio), ec))
        throw ECargaBal("Diretorio informado não existe!");
    if (produtos_.Count() == 0)
        throw ECargaBal("Não foram informados os produtos para a geração!");

    arquivosGerados_.clear();
    CargaBalListas listas;
    const int total = comoInteiro(produtos_.Count());
    progresso("Iniciando a geração dos arquivos", 0, total);

    if (auto writer = criarCargaBalWriter(modelo_)) {
        writer->Gerar(produtos_, listas, [this, total](std::size_t posicao, const TCargaBalItem& item) {
            progresso(MensagemProduto(item.Codigo, item.Descricao), comoInteiro(posicao), total);
        });
    }

    const std::string pasta = terminaEmSeparador(ADiretorio) ? ADiretorio : ADiretorio + kSeparador;
    for (std::size_t p = 0; p < kPapeisCarga; ++p) {
        const auto papel = static_cast<CargaBalPapel>(p);
        const CargaLinhas& linhas = listas[papel];
        const std::string_view nome = nomeArquivoCarga(modelo_, papel);
        if (linhas.Empty() || nome.empty())
            continue;
        const std::string caminho = pasta + std::string(nome);
        gravarLinhas(caminho, linhas);
        arquivosGerados_.push_back(caminho);
    }

    progresso("Terminado", total, total);
}

} // namespace mvf
