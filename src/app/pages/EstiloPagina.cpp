#include "app/pages/EstiloPagina.h"

#include <QLabel>

namespace mvf {

QLabel* CriarTituloPagina(const QString& texto, QWidget* parent) {
    auto* l = new QLabel(texto, parent);
    l->setObjectName("_lblTituloPagina");
    l->setStyleSheet("font-size: 22px; font-weight: bold; color: rgb(37,73,104);");
    return l;
}

QLabel* CriarLogo(QWidget* parent) {
    auto* l = new QLabel("Marivelta", parent);
    l->setAlignment(Qt::AlignCenter);
    l->setStyleSheet("font-size: 30px; font-weight: bold; color: rgb(37,73,104);");
    return l;
}

} // namespace mvf
