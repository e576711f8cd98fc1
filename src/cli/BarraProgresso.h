#pragma once

#include <ostream>
#include <string>

namespace mvf::cli {

// A one-line progress bar redrawn in place with "\r"; redraws only when the shown percentage
// or the phase changes, so a large load is not slowed by the terminal.
class BarraProgresso {
public:
    explicit BarraProgresso(std::ostream& out, int largura = 30) : out_(out), largura_(largura) {}
    void atualizar(const std::string& mensagem, int atual, int total);
    // Ends the line when a bar was drawn.
    void concluir();

private:
    std::ostream& out_;
    int largura_;
    int ultimoPercentual_ = -1;
    bool desenhou_ = false;
};

} // namespace mvf::cli
