#include "scaleload/CargaLinhas.h"

#include "core/CaseFolding.h"

#include <stdexcept>

namespace mvf {

CargaLinhas::CargaLinhas() : index_(0, FoldedHash{this}, FoldedEqual{this}) {}

std::size_t CargaLinhas::FoldedHash::operator()(std::uint32_t index) const {
    return static_cast<std::size_t>(casefold::hashIgnoringCase(owner->Line(index)));
}

bool CargaLinhas::FoldedEqual::operator()(std::uint32_t a, std::uint32_t b) const {
    return casefold::equalIgnoringCase(owner->Line(a), owner->Line(b));
}

void CargaLinhas::Add(std::string_view line) {
    text_.append(line);
    ends_.push_back(text_.size());
}

bool CargaLinhas::AddOnce(std::string_view line) {
    indexPending();
    if (ends_.size() >= UINT32_MAX)
        throw std::length_error("linhas demais em um arquivo de carga");
    Add(line);
    const auto added = static_cast<std::uint32_t>(ends_.size() - 1);
    if (index_.insert(added).second) {
        indexed_ = ends_.size();
        return true;
    }
    // An equal line is there already: take the candidate back out.
    ends_.pop_back();
    text_.resize(ends_.empty() ? 0 : ends_.back());
    return false;
}

void CargaLinhas::AddAll(const CargaLinhas& other) {
    for (std::size_t i = 0; i < other.Count(); ++i)
        Add(other.Line(i));
}

std::string_view CargaLinhas::Line(std::size_t index) const {
    const std::size_t begin = index == 0 ? 0 : ends_[index - 1];
    return std::string_view(text_).substr(begin, ends_[index] - begin);
}

void CargaLinhas::Clear() {
    index_.clear();
    text_.clear();
    ends_.clear();
    indexed_ = 0;
}

void CargaLinhas::indexPending() {
    // Lines added with Add() still count for the once-only check.
    for (; indexed_ < ends_.size(); ++indexed_)
        index_.insert(static_cast<std::uint32_t>(indexed_));
}

} // namespace mvf
