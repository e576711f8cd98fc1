#include "cli/BarraProgresso.h"

#include "core/Utf8.h"

#include <algorithm>

namespace mvf::cli {

void BarraProgresso::atualizar(const std::string& mensagem, int atual, int total) {
    const int percentual = total > 0 ? static_cast<int>(std::clamp(100LL * atual / total, 0LL, 100LL)) : 100;
    const bool ultimo = mensagem == "Terminado";
    if (percentual == ultimoPercentual_ && !ultimo)
        return;
    ultimoPercentual_ = percentual;
    const int cheios = largura_ * percentual / 100;
    // Keep the line short enough for an 80-column terminal.
    const std::string texto(mensagem.substr(0, utf8::offsetOf(mensagem, 36)));
    out_ << "\r[" << std::string(static_cast<std::size_t>(cheios), '#')
         << std::string(static_cast<std::size_t>(largura_ - cheios), '.') << "] "
         << (percentual < 10    ? "  "
             : percentual < 100 ? " "
                                : "")
         << percentual << "% " << texto << "\x1b[K" << std::flush;
    desenhou_ = true;
}

void BarraProgresso::concluir() {
    if (desenhou_)
        out_ << "\n" << std::flush;
    desenhou_ = false;
}

} // namespace mvf::cli
