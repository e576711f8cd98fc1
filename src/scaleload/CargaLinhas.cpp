#include "scaleload/CargaLinhas.h"

#include "core/CaseFolding.h"

#include <cstring>
#include <stdexcept>

namespace mvf {

namespace {

constexpr std::size_t kTamanhoBloco = 1 << 20;

} // namespace

CargaLinhas::CargaLinhas() : index_(0, FoldedHash{this}, FoldedEqual{this}) {}

std::size_t CargaLinhas::FoldedHash::operator()(std::uint32_t index) const {
    return static_cast<std::size_t>(casefold::hashIgnoringCase(owner->Line(index)));
}

bool CargaLinhas::FoldedEqual::operator()(std::uint32_t a, std::uint32_t b) const {
    return casefold::equalIgnoringCase(owner->Line(a), owner->Line(b));
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

void CargaLinhas::Add(std::string_view line) {
    if (line.empty()) {
        linhas_.emplace_back();
        return;
    }
    char* destino = reservar(line.size());
    std::memcpy(destino, line.data(), line.size());
    linhas_.emplace_back(destino, line.size());
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
    usadoNoUltimo_ -= line.size();
    linhas_.pop_back();
    return false;
}

void CargaLinhas::AddAll(const CargaLinhas& other) {
    for (std::size_t i = 0; i < other.Count(); ++i)
        Add(other.Line(i));
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
