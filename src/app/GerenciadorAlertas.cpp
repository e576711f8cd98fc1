#include "app/GerenciadorAlertas.h"

#include "app/JanelaAlerta.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

namespace mvf {

namespace {
constexpr int kMargem = 8;
}

GerenciadorAlertas* GerenciadorAlertas::Instancia() {
    // Created on the UI thread at the first notice and kept until the program ends.
    static GerenciadorAlertas* instancia = [] {
        auto* g = new GerenciadorAlertas();
        if (QCoreApplication* app = QCoreApplication::instance()) {
            g->moveToThread(app->thread());
            QObject::connect(app, &QObject::destroyed, [g] { delete g; });
        }
        return g;
    }();
    return instancia;
}

JanelaAlerta* GerenciadorAlertas::Mostrar(const QString& titulo, const QString& mensagem,
                                          const QColor& fundo) {
    auto* janela = new JanelaAlerta(titulo, mensagem, fundo, tempos_);
    janela->setGeometry(posicaoLivre(janela->size()));
    janelas_.append(janela);
    connect(janela, &JanelaAlerta::encerrada, this, [this](JanelaAlerta* j) { janelas_.removeAll(j); });
    connect(janela, &QObject::destroyed, this, [this, janela] { janelas_.removeAll(janela); });
    janela->Apresentar();
    return janela;
}

QRect GerenciadorAlertas::posicaoLivre(const QSize& tamanho) const {
    QScreen* tela = QGuiApplication::primaryScreen();
    QRect area = tela ? tela->availableGeometry() : QRect(0, 0, 1280, 800);
    // Columns from the right, slots from the bottom; the first rectangle that overlaps no notice on
    // screen wins, so a notice that goes away leaves its slot free and moves nobody.
    for (int x = area.right() - kMargem - tamanho.width() + 1; x >= area.left();
         x -= tamanho.width() + kMargem) {
        int y = area.bottom() - kMargem - tamanho.height() + 1;
        while (y >= area.top()) {
            QRect candidato(QPoint(x, y), tamanho);
            const JanelaAlerta* choque = nullptr;
            for (const JanelaAlerta* j : janelas_)
                if (j->geometry()
                        .adjusted(-kMargem / 2, -kMargem / 2, kMargem / 2, kMargem / 2)
                        .intersects(candidato))
                    choque = j;
            if (!choque)
                return candidato;
            y = std::min(y, choque->geometry().top() - kMargem - tamanho.height());
            y = std::min(y, candidato.top() - 1);
        }
    }
    // The screen is full: stack over the corner rather than not show the message at all.
    return QRect(
        QPoint(area.right() - kMargem - tamanho.width() + 1, area.bottom() - kMargem - tamanho.height() + 1),
        tamanho);
}

} // namespace mvf
