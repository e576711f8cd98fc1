#include "app/pages/PaginaHome.h"

#include "app/pages/EstiloPagina.h"

#include <QLabel>
#include <QVBoxLayout>

namespace mvf {

PaginaHome::PaginaHome(QWidget* parent) : QWidget(parent) {
    setObjectName("_abaHome");
    auto* layout = new QVBoxLayout(this);
    layout->addStretch();
    auto* logo = CriarLogo(this);
    logo->setObjectName("_imgLogoHome");
    layout->addWidget(logo);
    for (const char* texto : {"Versão 1.0.1", "Gerenciador de ferramentas do Marivelta-ERP", "Bem vindo!"}) {
        auto* l = new QLabel(QString::fromUtf8(texto), this);
        l->setAlignment(Qt::AlignCenter);
        layout->addWidget(l);
    }
    layout->addStretch();
}

} // namespace mvf
