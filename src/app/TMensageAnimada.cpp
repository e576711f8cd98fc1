#include "app/TMensageAnimada.h"

#include "app/GerenciadorAlertas.h"
#include "app/ThreadUi.h"

#include <QString>
#include <atomic>

namespace mvf {

namespace {

// The program-wide background colour, shared by every notice.
std::atomic<QRgb>& corAtual() {
    static std::atomic<QRgb> cor{qRgb(37, 73, 104)};
    return cor;
}

void mostrarNaThreadUi(const std::string& titulo, const std::string& mensagem, MsgBoxTypes tipo) {
    TMensageAnimada::CorPorTipo(tipo);
    GerenciadorAlertas::Instancia()->Mostrar(QString::fromStdString(titulo), QString::fromStdString(mensagem),
                                             TMensageAnimada::CorAtual());
}

} // namespace

GerenciadorAlertas* TMensageAnimada::Show(const std::string& LnTitulo, const std::string& LnMensagem,
                                          MsgBoxTypes TypeBox) {
    GerenciadorAlertas* gerenciador = GerenciadorAlertas::Instancia();
    if (NaThreadUi())
        mostrarNaThreadUi(LnTitulo, LnMensagem, TypeBox);
    else
        PostarNaThreadUi(
            [LnTitulo, LnMensagem, TypeBox] { mostrarNaThreadUi(LnTitulo, LnMensagem, TypeBox); });
    return gerenciador;
}

void TMensageAnimada::CorPorTipo(MsgBoxTypes TypeBox) {
    switch (TypeBox) {
    case MsgBoxTypes::mabtAlerta:
        corAtual() = qRgb(37, 73, 104);
        break;
    case MsgBoxTypes::mabtErro:
        corAtual() = qRgb(229, 0, 0);
        break;
    case MsgBoxTypes::mabtOk:
        corAtual() = qRgb(34, 177, 76);
        break;
    }
}

QColor TMensageAnimada::CorAtual() {
    return QColor::fromRgb(corAtual().load());
}

} // namespace mvf
