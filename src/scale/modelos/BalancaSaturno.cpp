#include "scale/modelos/BalancaSaturno.h"

#include "core/NumberText.h"
#include "scale/ConversaoPeso.h"
#include "scale/TextoResposta.h"

namespace mvf {

using namespace texto;

TBalancaSaturno::TBalancaSaturno(TBalanca* AOwner) : TBalancaClass(AOwner) {
    fpModeloStr = "Saturno";
}

double TBalancaSaturno::InterpretarRepostaPeso(const std::string& aResposta) {
    // Some units send the digits with the top bit set.
    std::string texto = Trim(aResposta);
    for (char& c : texto) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0xB0 && b <= 0xB9)
            c = static_cast<char>('0' + (b - 0xB0));
    }
    texto = Remover(Remover(Remover(Remover(texto, "\r"), "\n"), "[CR]"), "[LF]");
    texto = Maiusculas(Trim(texto));
    if (texto.empty())
        return peso::SemPeso;
    std::string campo;
    const int e = Pos("E", texto);
    const int o = Pos("O", texto);
    if (e == 0 && o == 0)
        campo = Copy(texto, 1, 9);
    else
        campo = Copy(texto, 1, (e > 0 ? e : o) - 1);
    if (campo.empty())
        return peso::SemPeso;
    double valor = 0;
    if (tryParseDecimal(campo, valor))
        return valor;
    return LetraStatus(campo);
}

} // namespace mvf
