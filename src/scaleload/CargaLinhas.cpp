#include "scaleload/CargaLinhas.h"

#include "core/CaseFolding.h"
#include "core/Utf8.h"

#include <cstring>
#include <stdexcept>

namespace mvf {

namespace {

constexpr std::size_t kTamanhoBloco = 1 << 20;

// In the packed form a byte 0xFF (never part of UTF-8) followed by a count byte stands for that
// many spaces. A stray 0xFF in malformed text is kept as U+FFFD, which is what it reads as anyway.
constexpr unsigned char kEspacos = 0xFF;
constexpr std::size_t kMenorSequencia = 4;
constexpr std::size_t kMaiorSequencia = 255;
constexpr char kSubstituto[] = "\xEF\xBF\xBD";

void empacotar(std::string_view line, std::string& out) {
    out.clear();
    for (std::size_t i = 0; i < line.size();) {
        const char c = line[i];
        if (c == ' ') {
            std::size_t fim = i;
            while (fim < line.size() && line[fim] == ' ')
                ++fim;
            std::size_t n = fim - i;
            i = fim;
            while (n >= kMenorSequencia) {
                const std::size_t parte = n > kMaiorSequencia ? kMaiorSequencia : n;
                out += static_cast<char>(kEspacos);
                out += static_cast<char>(parte);
                n -= parte;
            }
            out.append(n, ' ');
        } else if (static_cast<unsigned char>(c) == kEspacos) {
            out += kSubstituto;
            ++i;
        } else {
            out += c;
            ++i;
        }
    }
}

void desempacotar(std::string_view packed, std::string& out) {
    for (std::size_t i = 0; i < packed.size();) {
        const std::size_t marca = packed.find(static_cast<char>(kEspacos), i);
        if (marca == std::string_view::npos) {
            out.append(packed.substr(i));
            return;
        }
        out.append(packed.substr(i, marca - i));
        out.append(static_cast<unsigned char>(packed[marca + 1]), ' ');
        i = marca + 2;
    }
}

// Reads the characters of a packed line, case-folded, expanding the space counts.
class Leitor {
public:
    explicit Leitor(std::string_view packed) : texto_(packed) {}
    bool fim() const { return espacos_ == 0 && pos_ >= texto_.size(); }
    char32_t proximo() {
        if (espacos_ == 0 && static_cast<unsigned char>(texto_[pos_]) == kEspacos) {
            espacos_ = static_cast<unsigned char>(texto_[pos_ + 1]);
            pos_ += 2;
        }
        if (espacos_ > 0) {
            --espacos_;
            return U' ';
        }
        const auto byte = static_cast<unsigned char>(texto_[pos_]);
        if (byte < 0x80) {
            ++pos_;
            return (byte >= 'A' && byte <= 'Z') ? byte + 32 : byte;
        }
        return casefold::fold(utf8::next(texto_, pos_));
    }

private:
    std::string_view texto_;
    std::size_t pos_ = 0;
    std::size_t espacos_ = 0;
};

} // namespace

CargaLinhas::CargaLinhas() : index_(0, FoldedHash{this}, FoldedEqual{this}) {}

std::size_t CargaLinhas::FoldedHash::operator()(std::uint32_t index) const {
    // FNV-1a over the folded characters.
    std::uint64_t h = 14695981039346656037ull;
    for (Leitor l(owner->linhas_[index]); !l.fim();)
        h = (h ^ static_cast<std::uint64_t>(l.proximo())) * 1099511628211ull;
    return static_cast<std::size_t>(h);
}

bool CargaLinhas::FoldedEqual::operator()(std::uint32_t a, std::uint32_t b) const {
    const std::string_view x = owner->linhas_[a];
    const std::string_view y = owner->linhas_[b];
    if (x == y)
        return true;
    Leitor la(x);
    Leitor lb(y);
    while (!la.fim() && !lb.fim())
        if (la.proximo() != lb.proximo())
            return false;
    return la.fim() && lb.fim();
}

char* CargaLinhas::reservar(std::size_t tamanho) {
    if (blocos_.empty() || tamanhoDoUltimo_ - usadoNoUltimo_ < tamanho) {
        // A line longer than a block gets a block of its own size.
        const std::size_t novo = tamanho > kTamanhoBloco ? tamanho : kTamanhoBloco;
        blocos_.push_back(std::make_unique<char[]>(novo));
        tamanhoDoUltimo_ = novo;
        usadoNoUltimo_ = 0;
    }
    char* destino = blocos_.back().get() + usadoNoUltimo_;
    usadoNoUltimo_ += tamanho;
    return destino;
}

void CargaLinhas::guardar(std::string_view packed) {
    if (packed.empty()) {
        linhas_.emplace_back();
        return;
    }
    char* destino = reservar(packed.size());
    std::memcpy(destino, packed.data(), packed.size());
    linhas_.emplace_back(destino, packed.size());
}

void CargaLinhas::Add(std::string_view line) {
    thread_local std::string packed;
    empacotar(line, packed);
    guardar(packed);
}

std::string CargaLinhas::Line(std::size_t index) const {
    std::string out;
    AppendLine(index, out);
    return out;
}

void CargaLinhas::AppendLine(std::size_t index, std::string& out) const {
    desempacotar(linhas_[index], out);
}

bool CargaLinhas::AddOnce(std::string_view line) {
    indexPending();
    if (linhas_.size() >= UINT32_MAX)
        throw std::length_error("linhas demais em um arquivo de carga");
    Add(line);
    const auto added = static_cast<std::uint32_t>(linhas_.size() - 1);
    if (index_.insert(added).second) {
        indexed_ = linhas_.size();
        return true;
    }
    // An equal line is there already: give the candidate's room back.
    usadoNoUltimo_ -= linhas_.back().size();
    linhas_.pop_back();
    return false;
}

void CargaLinhas::AddAll(const CargaLinhas& other) {
    for (const std::string_view packed : other.linhas_)
        guardar(packed);
}

void CargaLinhas::Clear() {
    index_.clear();
    linhas_.clear();
    blocos_.clear();
    usadoNoUltimo_ = tamanhoDoUltimo_ = 0;
    indexed_ = 0;
}

void CargaLinhas::indexPending() {
    // Lines added with Add() still count for the once-only check.
    for (; indexed_ < linhas_.size(); ++indexed_)
        index_.insert(static_cast<std::uint32_t>(indexed_));
}

} // namespace mvf
