#include "app/pages/PaginaLog.h"

#include "app/pages/EstiloPagina.h"

#include <QLabel>
#include <QMetaObject>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace mvf {

PaginaLog::PaginaLog(QWidget* parent) : QWidget(parent), _cxmLog(new QPlainTextEdit(this)) {
    setObjectName("_abaLog");
    _cxmLog->setObjectName("_cxmLog");
    _cxmLog->setReadOnly(true);
    _cxmLog->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    _cxmLog->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(CriarTituloPagina("Log sistema", this));
    layout->addWidget(_cxmLog, 1);
}

void PaginaLog::AdicionarLinha(const std::string& linha) {
    QString texto = QString::fromStdString(linha);
    QMetaObject::invokeMethod(
        this, [this, texto] { _cxmLog->appendPlainText(texto); }, Qt::AutoConnection);
}

} // namespace mvf
