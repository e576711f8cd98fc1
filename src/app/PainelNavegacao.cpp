#include "app/PainelNavegacao.h"

#include <QToolButton>
#include <QVBoxLayout>

namespace mvf {

PainelNavegacao::PainelNavegacao(QWidget* parent) : QWidget(parent), hamburguer_(new QToolButton(this)) {
    setObjectName("dxNavBar1");
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet("#dxNavBar1 { background: rgb(37,73,104); }"
                  "#dxNavBar1 QToolButton { color: white; border: none; padding: 8px; text-align: left; }"
                  "#dxNavBar1 QToolButton:hover { background: rgba(255,255,255,40); }"
                  "#dxNavBar1 QToolButton:disabled { color: rgb(160,170,180); }");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 4, 0, 4);
    layout->setSpacing(0);

    hamburguer_->setObjectName("_btnHamburguer");
    hamburguer_->setText(QString::fromUtf8("☰"));
    hamburguer_->setToolTip("Recolher ou expandir o menu");
    connect(hamburguer_, &QToolButton::clicked, this, [this] { setRecolhido(!recolhido_); });
    layout->addWidget(hamburguer_);

    QList<QWidget*> rodape;
    QToolButton* grupoAtual = nullptr;
    for (const EntradaNavegacao& e : EntradasNavegacao()) {
        auto* b = new QToolButton(this);
        b->setObjectName(QString::fromStdString(e.nome));
        b->setText(QString::fromStdString(e.texto));
        b->setToolTip(b->text());
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        if (e.tipo == TipoEntrada::Item)
            b->setStyleSheet("padding-left: 28px;");
        else
            grupoAtual = e.tipo == TipoEntrada::GrupoExpansivel ? b : nullptr;
        if (e.tipo == TipoEntrada::GrupoExpansivel) {
            b->setCheckable(true);
            b->setChecked(true);
            connect(b, &QToolButton::toggled, this, [this] { atualizarVisibilidade(); });
        } else {
            AcaoNavegacao acao = e.acao;
            connect(b, &QToolButton::clicked, this, [this, acao] {
                if (acao != AcaoNavegacao::Nenhuma)
                    emit acionada(acao);
            });
        }
        botoes_.append({b, e, e.tipo == TipoEntrada::Item ? grupoAtual : nullptr});
        if (e.rodape)
            rodape.append(b);
        else
            layout->addWidget(b);
    }
    layout->addStretch(1);
    for (QWidget* w : rodape)
        layout->addWidget(w);
    setRecolhido(false);
}

void PainelNavegacao::setRecolhido(bool recolhido) {
    recolhido_ = recolhido;
    setFixedWidth(recolhido ? kLarguraRecolhida : kLarguraExpandida);
    atualizarVisibilidade();
}

QToolButton* PainelNavegacao::Entrada(const QString& nome) const {
    for (const Botao& b : botoes_)
        if (b.botao->objectName() == nome)
            return b.botao;
    return nullptr;
}

bool PainelNavegacao::GrupoAberto(const QString& nome) const {
    QToolButton* b = Entrada(nome);
    return b && b->isCheckable() && b->isChecked();
}

void PainelNavegacao::setGrupoAberto(const QString& nome, bool aberto) {
    if (QToolButton* b = Entrada(nome); b && b->isCheckable())
        b->setChecked(aberto);
}

void PainelNavegacao::atualizarVisibilidade() {
    // A collapsed pane is a strip with the hamburger only; hidden items never show.
    for (const Botao& b : botoes_) {
        bool visivel = !recolhido_ && !b.entrada.oculta && (!b.grupo || b.grupo->isChecked());
        b.botao->setVisible(visivel);
    }
}

} // namespace mvf
