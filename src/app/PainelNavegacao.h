#pragma once

#include "app/NavegacaoEntradas.h"

#include <QWidget>

class QToolButton;
class QVBoxLayout;

namespace mvf {

// The navigation pane on the left: groups and items of EntradasNavegacao(), collapsible to a narrow
// strip by its hamburger button. It only reports which action was picked.
class PainelNavegacao : public QWidget {
    Q_OBJECT
public:
    static constexpr int kLarguraExpandida = 264;
    static constexpr int kLarguraRecolhida = 48;

    explicit PainelNavegacao(QWidget* parent = nullptr);

    void setRecolhido(bool recolhido);
    bool recolhido() const { return recolhido_; }

    // The button of an entry, by its object name.
    QToolButton* Entrada(const QString& nome) const;
    QToolButton* BotaoHamburguer() const { return hamburguer_; }

    // Whether an expandable group shows its items.
    bool GrupoAberto(const QString& nome) const;
    void setGrupoAberto(const QString& nome, bool aberto);

signals:
    void acionada(mvf::AcaoNavegacao acao);

private:
    struct Botao {
        QToolButton* botao;
        EntradaNavegacao entrada;
        QToolButton* grupo; // expandable group of an item
    };
    void atualizarVisibilidade();

    QList<Botao> botoes_;
    QToolButton* hamburguer_;
    bool recolhido_ = false;
};

} // namespace mvf
