#include "app/pages/PaginaSincronizacao.h"

#include "app/pages/EstiloPagina.h"
#include "app/pages/ImagemAnimada.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace mvf {

PaginaSincronizacao::PaginaSincronizacao(QWidget* parent)
    : QWidget(parent), _lblStatus(new QLabel(this)), _imgSinc(new ImagemAnimada(this)),
      _btnSincronizar(new QPushButton("Sincronizar", this)),
      _imgSucesso(new QLabel(QString::fromUtf8("✔"), this)), _lblDataHoraSinc(new QLabel(this)) {
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
}

} // namespace mvf
