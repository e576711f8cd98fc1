#include "app/pages/PaginaSincronizacao.h"

#include "app/TMensageAnimada.h"
#include "app/ThreadUi.h"
#include "app/Trabalhadores.h"
#include "app/pages/EstiloPagina.h"
#include "app/pages/ImagemAnimada.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <stdexcept>

namespace mvf {

PaginaSincronizacao::PaginaSincronizacao(Trabalhadores& trabalhadores, QWidget* parent)
    : QWidget(parent), _lblStatus(new QLabel(this)), _imgSinc(new ImagemAnimada(this)),
      _btnSincronizar(new QPushButton("Sincronizar", this)),
      _imgSucesso(new QLabel(QString::fromUtf8("✔"), this)), _lblDataHoraSinc(new QLabel(this)),
      trabalhadores_(trabalhadores) {
    setObjectName("_abaSincronizacao");
    _lblStatus->setObjectName("_lblStatus");
    _imgSinc->setObjectName("_imgSinc");
    _btnSincronizar->setObjectName("_btnSincronizar");
    _imgSucesso->setObjectName("_imgSucesso");
    _imgSucesso->setStyleSheet("font-size: 40px; color: rgb(34,177,76);");
    _imgSucesso->setVisible(false);
    _lblDataHoraSinc->setObjectName("_lblDataHoraSinc");

    auto* dica = new QLabel(
        QString::fromUtf8(
            "Sincronizar dados, matenha sua base local atualizada para ter acesso aos dados recentes!"),
        this);
    dica->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(CriarTituloPagina(QString::fromUtf8("Sincronização de dados"), this));
    layout->addWidget(dica);
    layout->addWidget(_imgSinc, 0, Qt::AlignHCenter);
    layout->addWidget(_imgSucesso, 0, Qt::AlignHCenter);
    layout->addWidget(_lblStatus, 0, Qt::AlignHCenter);
    layout->addWidget(_btnSincronizar, 0, Qt::AlignHCenter);
    layout->addWidget(_lblDataHoraSinc);
    layout->addStretch();

    connect(_btnSincronizar, &QPushButton::clicked, this, &PaginaSincronizacao::_btnSincronizarClick);
}

void PaginaSincronizacao::_btnSincronizarClick() {
    SincronizaDados();
}

void PaginaSincronizacao::SincronizaDados() {
    _imgSinc->setAnimado(true);
    _btnSincronizar->setEnabled(false);
    _imgSucesso->setVisible(false);

    ServicoSincronizacao servico = servico_;
    trabalhadores_.Iniciar(
        [this, servico] {
            if (!servico.Sincronizar)
                throw std::runtime_error("Erro : sincronização indisponível");
            StatusDados status;
            status.setTexto = [this](const std::string& texto) {
                QString t = QString::fromStdString(texto);
                ExecutarNaThreadUi([this, &t] { _lblStatus->setText(t); });
            };
            status.produtosAtualizados = [this](int, const std::string& linha) {
                QString l = QString::fromStdString(linha);
                ExecutarNaThreadUi([this, &l] { emit linhaDeLog(l); });
            };
            servico.Sincronizar(status);
            ExecutarNaThreadUi([this] { finalizar(); });
        },
        [this](const std::optional<std::string>& erro) {
            emRepouso();
            if (erro)
                TMensageAnimada::Show("", *erro, MsgBoxTypes::mabtErro);
        });
}

void PaginaSincronizacao::emRepouso() {
    _lblStatus->clear();
    _imgSinc->setAnimado(false);
    _btnSincronizar->setEnabled(true);
}

void PaginaSincronizacao::finalizar() {
    emRepouso();
    _lblDataHoraSinc->setText(
        QString::fromStdString(servico_.Concluir ? servico_.Concluir() : std::string()));
    emit ultimaSincroniaAlterada(_lblDataHoraSinc->text());
    TMensageAnimada::Show("", "Dados sincronizado com sucesso!", MsgBoxTypes::mabtOk);
    emit recarregarParametros();
    _imgSucesso->setVisible(true);
}

} // namespace mvf
