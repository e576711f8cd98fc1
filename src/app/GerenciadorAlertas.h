#pragma once

#include <QColor>
#include <QList>
#include <QObject>
#include <QRect>

namespace mvf {

class JanelaAlerta;

// Durations of a notice's life, in milliseconds.
struct TemposAlerta {
    int aparecerMs = 100;
    int exibirMs = 2000;
    int sumirMs = 100;
};

// The program-wide manager of notices: places each new notice in the lowest free slot of the
// screen's bottom-right corner, never moving the ones already shown, and forgets them when they
// go away. Lives on the UI thread until the program ends.
class GerenciadorAlertas : public QObject {
    Q_OBJECT
public:
    static constexpr int kLargura = 400;
    static constexpr int kAlturaPadrao = 150;
    static constexpr int kAlturaMinima = 95;

    static GerenciadorAlertas* Instancia();

    JanelaAlerta* Mostrar(const QString& titulo, const QString& mensagem, const QColor& fundo);

    // The notices on screen, oldest first. A copy: closing or deleting notices while walking it is
    // safe.
    QList<JanelaAlerta*> Janelas() const { return janelas_; }

    // Tests shorten the notice's life; the defaults are the ones users see.
    void DefinirTempos(const TemposAlerta& tempos) { tempos_ = tempos; }
    const TemposAlerta& Tempos() const { return tempos_; }

private:
    GerenciadorAlertas() = default;
    QRect posicaoLivre(const QSize& tamanho) const;

    QList<JanelaAlerta*> janelas_;
    TemposAlerta tempos_;
};

} // namespace mvf
