#include "app/JanelaAlerta.h"

#include "app/GerenciadorAlertas.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QPropertyAnimation>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

namespace mvf {

JanelaAlerta::JanelaAlerta(const QString& titulo, const QString& mensagem, const QColor& fundo,
                           const TemposAlerta& tempos)
    : QWidget(nullptr,
              Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus),
      titulo_(new QLabel(titulo, this)), mensagem_(new QLabel(mensagem, this)), fundo_(fundo),
      aparecerMs_(tempos.aparecerMs), exibirMs_(tempos.exibirMs), sumirMs_(tempos.sumirMs) {
    setObjectName("JanelaAlerta");
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_DeleteOnClose);
    setFocusPolicy(Qt::NoFocus);

    // Text in the highlight-text colour of the system, 13 points, centred both ways.
    QColor texto = QGuiApplication::palette().color(QPalette::HighlightedText);
    QFont fonte = font();
    fonte.setPointSize(13);
    QPalette paleta = palette();
    paleta.setColor(QPalette::WindowText, texto);
    for (QLabel* l : {titulo_, mensagem_}) {
        l->setFont(fonte);
        l->setPalette(paleta);
        l->setAlignment(Qt::AlignCenter);
        l->setWordWrap(true);
    }
    titulo_->setObjectName("_lblTituloAlerta");
    mensagem_->setObjectName("_lblMensagemAlerta");
    QFont negrito = fonte;
    negrito.setBold(true);
    titulo_->setFont(negrito);
    titulo_->setVisible(!titulo.isEmpty());

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 10, 12, 10);
    layout->addWidget(titulo_);
    layout->addWidget(mensagem_, 1);

    // Fixed width, height fitted to the text but never below the minimum.
    setFixedWidth(GerenciadorAlertas::kLargura);
    int altura = layout->hasHeightForWidth() ? layout->totalHeightForWidth(GerenciadorAlertas::kLargura)
                                             : sizeHint().height();
    setFixedHeight(std::max(altura, GerenciadorAlertas::kAlturaMinima));
}

QString JanelaAlerta::Titulo() const {
    return titulo_->text();
}
QString JanelaAlerta::Mensagem() const {
    return mensagem_->text();
}

void JanelaAlerta::Apresentar() {
    setWindowOpacity(0.0);
    show();
    auto* entrada = new QPropertyAnimation(this, "windowOpacity", this);
    entrada->setDuration(aparecerMs_);
    entrada->setStartValue(0.0);
    entrada->setEndValue(1.0);
    entrada->start(QAbstractAnimation::DeleteWhenStopped);
    QTimer::singleShot(aparecerMs_ + exibirMs_, this, &JanelaAlerta::sumir);
}

void JanelaAlerta::sumir() {
    if (sumindo_)
        return;
    sumindo_ = true;
    auto* saida = new QPropertyAnimation(this, "windowOpacity", this);
    saida->setDuration(sumirMs_);
    saida->setStartValue(windowOpacity());
    saida->setEndValue(0.0);
    connect(saida, &QPropertyAnimation::finished, this, [this] {
        emit encerrada(this);
        close();
    });
    saida->start(QAbstractAnimation::DeleteWhenStopped);
}

void JanelaAlerta::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), fundo_);
}

} // namespace mvf
