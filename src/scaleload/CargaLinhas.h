#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace mvf {

// The lines of one load file, packed into fixed-size blocks so a large load neither wastes a
// header per line nor copies everything when it grows. Fixed-width records are mostly padding,
// so runs of spaces are kept as a count (the lines read back exactly as added). AddOnce() gives the once-only
// files their meaning: a line goes in only when no line equal to it, ignoring letter case, is there yet. A
// hash index of the case-folded lines keeps that check constant-time, so large loads stay
// linear.
class CargaLinhas {
public:
    CargaLinhas();
    CargaLinhas(const CargaLinhas&) = delete;
    CargaLinhas& operator=(const CargaLinhas&) = delete;

    void Add(std::string_view line);
    // Returns whether the line was added.
    bool AddOnce(std::string_view line);
    // Appends every line of another list, in order.
    void AddAll(const CargaLinhas& other);

    std::size_t Count() const { return linhas_.size(); }
    bool Empty() const { return linhas_.empty(); }
    std::string Line(std::size_t index) const;
    // Appends the line to `out`, as added.
    void AppendLine(std::size_t index, std::string& out) const;
    void Clear();

private:
    struct FoldedHash {
        const CargaLinhas* owner;
        std::size_t operator()(std::uint32_t index) const;
    };
    struct FoldedEqual {
        const CargaLinhas* owner;
        bool operator()(std::uint32_t a, std::uint32_t b) const;
    };

    char* reservar(std::size_t tamanho);
    void guardar(std::string_view line);
    void indexPending();

    std::vector<std::unique_ptr<char[]>> blocos_;
    std::size_t usadoNoUltimo_ = 0;
    std::size_t tamanhoDoUltimo_ = 0;
    std::vector<std::string_view> linhas_; // the packed form
    std::unordered_set<std::uint32_t, FoldedHash, FoldedEqual> index_;
    std::size_t indexed_ = 0;
};

} // namespace mvf
