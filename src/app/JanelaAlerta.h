#pragma once

#include <QColor>
#include <QWidget>

class QLabel;
class QPropertyAnimation;
class QTimer;

namespace mvf {

struct TemposAlerta;

// One notice on screen: frameless, never takes the focus, fades in, stays, fades out and deletes
// itself. Its background is the colour the notice was shown with.
class JanelaAlerta : public QWidget {
    Q_OBJECT
public:
    JanelaAlerta(const QString& titulo, const QString& mensagem, const QColor& fundo,
                 const TemposAlerta& tempos);

    QString Titulo() const;
    QString Mensagem() const;
    QColor Fundo() const { return fundo_; }

    // Starts the fade-in now and the fade-out after the display time.
    void Apresentar();

signals:
    // Emitted once, just before the window goes away.
    void encerrada(mvf::JanelaAlerta* janela);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void sumir();

    QLabel* titulo_;
    QLabel* mensagem_;
    QColor fundo_;
    int aparecerMs_;
    int exibirMs_;
    int sumirMs_;
    bool sumindo_ = false;
};

} // namespace mvf
