#pragma once

#include <QString>

class QLabel;
class QWidget;

namespace mvf {

// Shared look of the pages: the title line and the program's logo.
QLabel* CriarTituloPagina(const QString& texto, QWidget* parent);
QLabel* CriarLogo(QWidget* parent);

} // namespace mvf
