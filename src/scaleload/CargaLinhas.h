#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace mvf {

// The lines of one load file, kept back to back in one buffer. AddOnce() gives the once-only
// files their meaning: a line goes in only when no line equal to it, ignoring letter case, is
// there yet. A hash index of the case-folded lines keeps that check constant-time, so large
// loads stay linear.
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

    std::size_t Count() const { return ends_.size(); }
    bool Empty() const { return ends_.empty(); }
    std::string_view Line(std::size_t index) const;
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

    void indexPending();

    std::string text_;
    std::vector<std::size_t> ends_;
    std::unordered_set<std::uint32_t, FoldedHash, FoldedEqual> index_;
    std::size_t indexed_ = 0;
};

} // namespace mvf
