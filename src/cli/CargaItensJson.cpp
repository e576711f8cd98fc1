#include "cli/CargaItensJson.h"

#include "core/Currency.h"

#include <nlohmann/json.hpp>

#include <charconv>
#include <cstdint>
#include <functional>
#include <limits>
#include <map>
#include <set>
#include <type_traits>

namespace mvf::cli {

namespace {

// One scalar of the input: numbers keep the text they were written with, so prices keep
// their decimal digits exactly.
struct Valor {
    enum class Tipo { Booleano, Numero, Texto } tipo;
    bool booleano = false;
    std::string texto;
};

[[noreturn]] void erroTipo(const std::string& chave, const char* esperado) {
    throw ItensJsonError("\"" + chave + "\" deve ser " + esperado);
}

std::int64_t inteiro(const Valor& v, const std::string& chave, std::int64_t minimo, std::int64_t maximo) {
    if (v.tipo != Valor::Tipo::Numero)
        erroTipo(chave, "um número inteiro");
    // "15" and "15.0" are whole numbers; "15.5" and exponent forms are not.
    std::string_view texto = v.texto;
    if (const auto ponto = texto.find('.'); ponto != std::string_view::npos) {
        if (texto.substr(ponto + 1).find_first_not_of('0') != std::string_view::npos)
            erroTipo(chave, "um número inteiro");
        texto = texto.substr(0, ponto);
    }
    std::int64_t numero = 0;
    const auto [fim, ec] = std::from_chars(texto.data(), texto.data() + texto.size(), numero);
    if (ec == std::errc::result_out_of_range || (ec == std::errc() && (numero < minimo || numero > maximo)))
        throw ItensJsonError("\"" + chave + "\" fora da faixa (" + std::to_string(minimo) + " a " +
                             std::to_string(maximo) + "): " + v.texto);
    if (ec != std::errc() || fim != texto.data() + texto.size())
        erroTipo(chave, "um número inteiro");
    return numero;
}

void atribuir(std::int32_t& destino, const Valor& v, const std::string& chave) {
    destino = static_cast<std::int32_t>(inteiro(v, chave, std::numeric_limits<std::int32_t>::min(),
                                                std::numeric_limits<std::int32_t>::max()));
}

void atribuir(std::int16_t& destino, const Valor& v, const std::string& chave) {
    destino = static_cast<std::int16_t>(inteiro(v, chave, std::numeric_limits<std::int16_t>::min(),
                                                std::numeric_limits<std::int16_t>::max()));
}

void atribuir(Currency& destino, const Valor& v, const std::string& chave) {
    if (v.tipo != Valor::Tipo::Numero)
        erroTipo(chave, "um número");
    try {
        destino = Currency::fromDecimalText(v.texto);
    } catch (const std::out_of_range&) {
        throw ItensJsonError("\"" + chave + "\" fora da faixa: " + v.texto);
    }
}

void atribuir(double& destino, const Valor& v, const std::string& chave) {
    if (v.tipo != Valor::Tipo::Numero)
        erroTipo(chave, "um número");
    double numero = 0;
    const auto [fim, ec] = std::from_chars(v.texto.data(), v.texto.data() + v.texto.size(), numero);
    bool cabe = ec == std::errc() && fim == v.texto.data() + v.texto.size();
    if (cabe) {
        // The load formats turn these into Currency; refuse what could never be written.
        try {
            Currency::fromDouble(numero);
        } catch (const std::out_of_range&) {
            cabe = false;
        }
    }
    if (!cabe)
        throw ItensJsonError("\"" + chave + "\" fora da faixa: " + v.texto);
    destino = numero;
}

void atribuir(bool& destino, const Valor& v, const std::string& chave) {
    if (v.tipo != Valor::Tipo::Booleano)
        erroTipo(chave, "true ou false");
    destino = v.booleano;
}

void atribuir(std::string& destino, const Valor& v, const std::string& chave) {
    if (v.tipo != Valor::Tipo::Texto)
        erroTipo(chave, "um texto");
    destino = v.texto;
}

template <typename E, typename = std::enable_if_t<std::is_enum_v<E>>>
void atribuir(E& destino, const Valor& v, const std::string& chave) {
    if (v.tipo != Valor::Tipo::Texto)
        erroTipo(chave, "o nome de um valor (texto)");
    const auto valor = enumFromName<E>(v.texto);
    if (!valor) {
        std::string nomes;
        for (const auto nome : EnumNames<E>::names)
            nomes += (nomes.empty() ? "" : ", ") + std::string(nome);
        throw ItensJsonError("\"" + chave + "\" não aceita \"" + v.texto + "\" (valores: " + nomes + ")");
    }
    destino = *valor;
}

using Setter = std::function<void(TCargaBalItem&, const Valor&, const std::string&)>;

template <typename T> Setter proprio(T TCargaBalItem::*membro) {
    return [membro](TCargaBalItem& item, const Valor& v, const std::string& chave) {
        atribuir(item.*membro, v, chave);
    };
}

template <typename S, typename T> Setter de(S TCargaBalItem::*bloco, T S::*membro) {
    return [bloco, membro](TCargaBalItem& item, const Valor& v, const std::string& chave) {
        atribuir(item.*bloco.*membro, v, chave);
    };
}

template <typename S, typename T> Setter deBloco(BlocoSobDemanda<S> TCargaBalItem::*bloco, T S::*membro) {
    return [bloco, membro](TCargaBalItem& item, const Valor& v, const std::string& chave) {
        atribuir((*(item.*bloco)).*membro, v, chave);
    };
}

// Extra2 has Extra1's members.
template <typename S, typename T>
Setter deExtra(BlocoSobDemanda<S> TCargaBalItem::*bloco, T TCargaBalExtra1::*membro) {
    return [bloco, membro](TCargaBalItem& item, const Valor& v, const std::string& chave) {
        TCargaBalExtra1& extra = *(item.*bloco);
        atribuir(extra.*membro, v, chave);
    };
}

struct Tabela {
    std::map<std::string, Setter, std::less<>> campos; // "Codigo", "Setor.Codigo", ...
    std::set<std::string, std::less<>> blocos;         // "Setor", "Nutricional", ...
};

const Tabela& tabela() {
    static const Tabela t = [] {
        Tabela t;
        auto& c = t.campos;
        using I = TCargaBalItem;
        c["Codigo"] = proprio(&I::Codigo);
        c["Descricao"] = proprio(&I::Descricao);
        c["Tipo"] = proprio(&I::Tipo);
        c["ValorVenda"] = proprio(&I::ValorVenda);
        c["Validade"] = proprio(&I::Validade);
        c["TipoValidade"] = proprio(&I::TipoValidade);
        c["ModeloEtiqueta"] = proprio(&I::ModeloEtiqueta);
        c["Lote"] = proprio(&I::Lote);
        c["ImpValidade"] = proprio(&I::ImpValidade);
        c["ImpEmbalagem"] = proprio(&I::ImpEmbalagem);
        c["CodigoFornecedor"] = proprio(&I::CodigoFornecedor);
        c["CodigoTara"] = proprio(&I::CodigoTara);
        c["CodigoFracionador"] = proprio(&I::CodigoFracionador);
        c["CodigoConservacao"] = proprio(&I::CodigoConservacao);
        c["CodigoExtra1"] = proprio(&I::CodigoExtra1);
        c["CodigoExtra2"] = proprio(&I::CodigoExtra2);
        c["EAN13Fornecedor"] = proprio(&I::EAN13Fornecedor);
        c["CodigoTexto1"] = proprio(&I::CodigoTexto1);
        c["CodigoTexto2"] = proprio(&I::CodigoTexto2);
        c["CodigoTexto3"] = proprio(&I::CodigoTexto3);
        c["CodigoInfoNutr"] = proprio(&I::CodigoInfoNutr);

        c["Setor.Codigo"] = de(&I::Setor, &TCargaBalSetor::Codigo);
        c["Setor.Descricao"] = de(&I::Setor, &TCargaBalSetor::Descricao);

        using N = TCargaBalNutricional;
        const auto nutri = [&](const std::string& nome, Setter s) {
            c["Nutricional." + nome] = std::move(s);
        };
        nutri("Codigo", de(&I::Nutricional, &N::Codigo));
        nutri("Descricao", de(&I::Nutricional, &N::Descricao));
        nutri("Qtd", de(&I::Nutricional, &N::Qtd));
        nutri("UndPorcao", de(&I::Nutricional, &N::UndPorcao));
        nutri("PartInteira", de(&I::Nutricional, &N::PartInteira));
        nutri("PartDecimal", de(&I::Nutricional, &N::PartDecimal));
        nutri("MedCaseira", de(&I::Nutricional, &N::MedCaseira));
        nutri("ValorEnergetico", de(&I::Nutricional, &N::ValorEnergetico));
        nutri("Carboidrato", de(&I::Nutricional, &N::Carboidrato));
        nutri("Proteina", de(&I::Nutricional, &N::Proteina));
        nutri("GorduraTotal", de(&I::Nutricional, &N::GorduraTotal));
        nutri("GorduraSaturada", de(&I::Nutricional, &N::GorduraSaturada));
        nutri("GorduraTrans", de(&I::Nutricional, &N::GorduraTrans));
        nutri("Fibra", de(&I::Nutricional, &N::Fibra));
        nutri("Sodio", de(&I::Nutricional, &N::Sodio));
        nutri("QtdeAutomaticaPorcao429", de(&I::Nutricional, &N::QtdeAutomaticaPorcao429));
        nutri("QtdePorcEmb429", de(&I::Nutricional, &N::QtdePorcEmb429));
        nutri("QtdePorcao429", de(&I::Nutricional, &N::QtdePorcao429));
        nutri("UndPorcao429", de(&I::Nutricional, &N::UndPorcao429));
        nutri("PartIntMedidaCaseira429", de(&I::Nutricional, &N::PartIntMedidaCaseira429));
        nutri("PartDecMedidaCaseira429", de(&I::Nutricional, &N::PartDecMedidaCaseira429));
        nutri("MedCaseira429", de(&I::Nutricional, &N::MedCaseira429));
        nutri("ValorEnergetico429", de(&I::Nutricional, &N::ValorEnergetico429));
        nutri("Carboidrato429", de(&I::Nutricional, &N::Carboidrato429));
        nutri("AcucaresTotais429", de(&I::Nutricional, &N::AcucaresTotais429));
        nutri("AcucaresAdicionados429", de(&I::Nutricional, &N::AcucaresAdicionados429));
        nutri("Proteinas429", de(&I::Nutricional, &N::Proteinas429));
        nutri("GordurasTotais429", de(&I::Nutricional, &N::GordurasTotais429));
        nutri("GordurasSaturadas429", de(&I::Nutricional, &N::GordurasSaturadas429));
        nutri("GordurasTrans429", de(&I::Nutricional, &N::GordurasTrans429));
        nutri("FibraAlimentar429", de(&I::Nutricional, &N::FibraAlimentar429));
        nutri("Sodio429", de(&I::Nutricional, &N::Sodio429));
        nutri("AltoAcucar429", de(&I::Nutricional, &N::AltoAcucar429));
        nutri("AltoGordura429", de(&I::Nutricional, &N::AltoGordura429));
        nutri("AltoSodio429", de(&I::Nutricional, &N::AltoSodio429));
        nutri("Lactose429", de(&I::Nutricional, &N::Lactose429));
        nutri("Galactose429", de(&I::Nutricional, &N::Galactose429));
        nutri("ImprimeLactoseGalactose", de(&I::Nutricional, &N::ImprimeLactoseGalactose));
        nutri("ImprimeCamposEstendido", de(&I::Nutricional, &N::ImprimeCamposEstendido));
        nutri("AcucaresAdicionadosEstendido429", de(&I::Nutricional, &N::AcucaresAdicionadosEstendido429));
        nutri("AcucaresTotaisEstendido429", de(&I::Nutricional, &N::AcucaresTotaisEstendido429));
        nutri("GordurasTotaisEstendido429", de(&I::Nutricional, &N::GordurasTotaisEstendido429));
        nutri("ProteinasEstendido429", de(&I::Nutricional, &N::ProteinasEstendido429));

        c["Tara.Codigo"] = de(&I::Tara, &TCargaBalTaras::Codigo);
        c["Tara.Descricao"] = de(&I::Tara, &TCargaBalTaras::Descricao);
        c["Tara.Valor"] = de(&I::Tara, &TCargaBalTaras::Valor);
        c["Tara.TipoTara"] = de(&I::Tara, &TCargaBalTaras::TipoTara);
        c["Tara.ValorMaximoTara"] = de(&I::Tara, &TCargaBalTaras::ValorMaximoTara);

        using F = TCargaBalFornecedor;
        c["Fornecedor.Codigo"] = deBloco(&I::Fornecedor, &F::Codigo);
        c["Fornecedor.Observacao"] = deBloco(&I::Fornecedor, &F::Observacao);
        c["Fornecedor.Descricao1"] = deBloco(&I::Fornecedor, &F::Descricao1);
        c["Fornecedor.Descricao2"] = deBloco(&I::Fornecedor, &F::Descricao2);
        c["Fornecedor.Descricao3"] = deBloco(&I::Fornecedor, &F::Descricao3);
        c["Fornecedor.Descricao4"] = deBloco(&I::Fornecedor, &F::Descricao4);
        c["Fornecedor.Descricao5"] = deBloco(&I::Fornecedor, &F::Descricao5);

        using Fr = TCargaBalFracionador;
        c["Fracionador.Codigo"] = deBloco(&I::Fracionador, &Fr::Codigo);
        c["Fracionador.Observacao"] = deBloco(&I::Fracionador, &Fr::Observacao);
        c["Fracionador.Descricao1"] = deBloco(&I::Fracionador, &Fr::Descricao1);
        c["Fracionador.Descricao2"] = deBloco(&I::Fracionador, &Fr::Descricao2);
        c["Fracionador.Descricao3"] = deBloco(&I::Fracionador, &Fr::Descricao3);

        using Co = TCargaBalConservacao;
        c["Conservacao.Codigo"] = deBloco(&I::Conservacao, &Co::Codigo);
        c["Conservacao.Observacao"] = deBloco(&I::Conservacao, &Co::Observacao);
        c["Conservacao.Descricao1"] = deBloco(&I::Conservacao, &Co::Descricao1);
        c["Conservacao.Descricao2"] = deBloco(&I::Conservacao, &Co::Descricao2);
        c["Conservacao.Descricao3"] = deBloco(&I::Conservacao, &Co::Descricao3);

        c["InformacaoExtra.Codigo"] = de(&I::InformacaoExtra, &TCargaBalInformacaoExtra::Codigo);
        c["InformacaoExtra.Observacao"] = de(&I::InformacaoExtra, &TCargaBalInformacaoExtra::Observacao);
        c["InformacaoExtra.Receita"] = de(&I::InformacaoExtra, &TCargaBalInformacaoExtra::Receita);

        c["Teclado.Tecla"] = de(&I::Teclado, &TCargaBalTeclado::Tecla);
        c["Teclado.Pagina_Teclado"] = de(&I::Teclado, &TCargaBalTeclado::Pagina_Teclado);
        c["Teclado.Codigo_Teclado"] = de(&I::Teclado, &TCargaBalTeclado::Codigo_Teclado);

        using E = TCargaBalExtra1;
        for (const auto& [nome, bloco] :
             {std::pair{std::string("Extra1"), 1}, std::pair{std::string("Extra2"), 2}}) {
            const auto extra = [&, bloco = bloco](auto membro) {
                return bloco == 1 ? deExtra(&I::Extra1, membro) : deExtra(&I::Extra2, membro);
            };
            c[nome + ".Codigo"] = extra(&E::Codigo);
            c[nome + ".Observacao"] = extra(&E::Observacao);
            c[nome + ".Linha1"] = extra(&E::Linha1);
            c[nome + ".Linha2"] = extra(&E::Linha2);
            c[nome + ".Linha3"] = extra(&E::Linha3);
            c[nome + ".Linha4"] = extra(&E::Linha4);
            c[nome + ".Linha5"] = extra(&E::Linha5);
        }
        t.blocos = {"Setor",       "Nutricional",     "Tara",    "Fornecedor", "Fracionador",
                    "Conservacao", "InformacaoExtra", "Teclado", "Extra1",     "Extra2"};
        return t;
    }();
    return t;
}

// Walks the parser's events: an array (depth 1) of item objects (depth 2) whose sub-objects
// (depth 3) hold scalars.
class Leitor : public nlohmann::json_sax<nlohmann::json> {
public:
    explicit Leitor(TCargaBalItens& itens) : itens_(itens) {}

    bool null() override {
        valor(nullptr);
        return true;
    }
    bool boolean(bool b) override {
        Valor v{Valor::Tipo::Booleano, b, {}};
        valor(&v);
        return true;
    }
    bool number_integer(number_integer_t n) override { return numero(std::to_string(n)); }
    bool number_unsigned(number_unsigned_t n) override { return numero(std::to_string(n)); }
    bool number_float(number_float_t, const string_t& texto) override { return numero(texto); }
    bool string(string_t& s) override {
        Valor v{Valor::Tipo::Texto, false, std::move(s)};
        valor(&v);
        return true;
    }
    bool binary(binary_t&) override { return true; }

    bool start_object(std::size_t) override {
        if (profundidade_ == 0)
            throw ItensJsonError("o arquivo deve conter uma lista (array) de itens");
        if (profundidade_ == 1) {
            item_ = &itens_.New();
            ++posicao_;
        } else if (profundidade_ == 2) {
            if (!tabela().blocos.count(chave_))
                erroNoItem(tabela().campos.count(chave_) ? "\"" + chave_ + "\" não é um objeto"
                                                         : "chave desconhecida \"" + chave_ + "\"");
            bloco_ = chave_;
        } else {
            erroNoItem("\"" + bloco_ + "." + chave_ + "\" não pode ser um objeto");
        }
        ++profundidade_;
        return true;
    }
    bool end_object() override {
        --profundidade_;
        return true;
    }
    bool start_array(std::size_t) override {
        if (profundidade_ != 0) {
            if (profundidade_ == 1)
                throw ItensJsonError("o item " + std::to_string(posicao_ + 1) + " da lista não é um objeto");
            erroNoItem("\"" + nomeCompleto() + "\" não pode ser uma lista");
        }
        ++profundidade_;
        return true;
    }
    bool end_array() override {
        --profundidade_;
        return true;
    }
    bool key(string_t& k) override {
        chave_ = k;
        return true;
    }
    bool parse_error(std::size_t posicao, const std::string&, const nlohmann::detail::exception& e) override {
        throw ItensJsonError("JSON inválido (byte " + std::to_string(posicao) + "): " + e.what());
    }

private:
    bool numero(const std::string& texto) {
        Valor v{Valor::Tipo::Numero, false, texto};
        valor(&v);
        return true;
    }

    std::string nomeCompleto() const { return profundidade_ == 3 ? bloco_ + "." + chave_ : chave_; }

    [[noreturn]] void erroNoItem(const std::string& mensagem) const {
        throw ItensJsonError("item " + std::to_string(posicao_) + " da lista: " + mensagem);
    }

    // A scalar at the current place; null keeps the item's value.
    void valor(const Valor* v) {
        if (profundidade_ == 0)
            throw ItensJsonError("o arquivo deve conter uma lista (array) de itens");
        if (profundidade_ == 1)
            throw ItensJsonError("o item " + std::to_string(posicao_ + 1) + " da lista não é um objeto");
        const std::string nome = nomeCompleto();
        const auto& campos = tabela().campos;
        const auto campo = campos.find(nome);
        if (campo == campos.end()) {
            if (profundidade_ == 2 && tabela().blocos.count(nome)) {
                if (!v)
                    return;
                erroNoItem("\"" + nome + "\" deve ser um objeto");
            }
            erroNoItem("chave desconhecida \"" + nome + "\"");
        }
        if (!v)
            return;
        try {
            campo->second(*item_, *v, nome);
        } catch (const ItensJsonError& e) {
            erroNoItem(e.what());
        }
    }

    TCargaBalItens& itens_;
    TCargaBalItem* item_ = nullptr;
    std::size_t posicao_ = 0; // 1-based position of the current item
    int profundidade_ = 0;
    std::string chave_;
    std::string bloco_;
};

} // namespace

void lerItensJson(std::string_view json, TCargaBalItens& itens) {
    Leitor leitor(itens);
    if (!nlohmann::json::sax_parse(json, &leitor))
        throw ItensJsonError("JSON inválido");
}

} // namespace mvf::cli
