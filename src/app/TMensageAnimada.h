#pragma once

#include "app/MsgBoxTypes.h"

#include <QColor>
#include <string>

namespace mvf {

class GerenciadorAlertas;

// The program's notice: a small window at a screen corner that shows a message for two seconds
// on a background coloured by its kind. Class routines only.
class TMensageAnimada {
public:
    TMensageAnimada() = delete;

    // Callable from any thread: off the UI thread the notice is handed to it and shown there.
    // Returns the manager of notices at once, without waiting for the notice to close.
    static GerenciadorAlertas* Show(const std::string& LnTitulo, const std::string& LnMensagem,
                                    MsgBoxTypes TypeBox);

    // Sets the program-wide background colour from a kind; any other value keeps the previous one.
    static void CorPorTipo(MsgBoxTypes TypeBox);
    static QColor CorAtual();
};

} // namespace mvf
