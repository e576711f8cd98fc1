#include "app/pages/PaginaBalancaIntegrada.h"

#include "app/pages/EstiloPagina.h"
#include "scale/TBalancaModelo.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace mvf {

namespace {

QComboBox* lista(const char* nome, const QStringList& itens, const QString& atual, QWidget* parent) {
    auto* c = new QComboBox(parent);
    c->setObjectName(nome);
    c->addItems(itens);
    c->setCurrentText(atual);
    return c;
}

} // namespace

PaginaBalancaIntegrada::PaginaBalancaIntegrada(T_frmFerramentasMv&, QWidget* parent) : QWidget(parent) {
    setObjectName("_cxtabBalancaIntegrada");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(CriarTituloPagina("Configuração de balança integrada", this));

    auto* form = new QFormLayout;
    _cbbBalanca = new QComboBox(this);
    _cbbBalanca->setObjectName("_cbbBalanca");
    _cbbPortaSerial =
        lista("_cbbPortaSerial", {"COM1", "COM2", "COM3", "COM4", "TCP:192.168.0.100:9600"}, "COM1", this);
    _cbbPortaSerial->setEditable(true);
    _cbbBaudRate = lista(
        "_cbbBaudRate",
        {"110", "300", "600", "1200", "2400", "4800", "9600", "14400", "19200", "38400", "56000", "57600"},
        "9600", this);
    _cbbDataBits = lista("_cbbDataBits", {"5", "6", "7", "8"}, "8", this);
    _cbbParity = lista("_cbbParity", {"none", "odd", "even", "mark", "space"}, "none", this);
    _cbbStopBits = lista("_cbbStopBits", {"s1", "s1,5", "s2"}, "s1", this);
    _cbbHandshaking = lista("_cbbHandshaking", {"Nenhum", "XON/XOFF", "RTS/CTS", "DTR/DSR"}, "Nenhum", this);
    _edtTimeOut = new QLineEdit("2000", this);
    _edtTimeOut->setObjectName("_edtTimeOut");
    _cxcUsarBalanca = new QCheckBox("Usar balança nesse terminal", this);
    _cxcUsarBalanca->setObjectName("_cxcUsarBalanca");
    form->addRow("Balança", _cbbBalanca);
    form->addRow("Porta Serial", _cbbPortaSerial);
    form->addRow("Baud rate", _cbbBaudRate);
    form->addRow("Data Bits", _cbbDataBits);
    form->addRow("Parity", _cbbParity);
    form->addRow("Stop Bits", _cbbStopBits);
    form->addRow("Handshaking", _cbbHandshaking);
    form->addRow("TimeOut", _edtTimeOut);
    form->addRow(_cxcUsarBalanca);
    layout->addLayout(form);

    _lbl11 =
        new QLabel("Lembrete : Caso use um adaptador Serial USB, será necessário instalar o driver referente "
                   "a marca e modelo do cabo!",
                   this);
    _lbl11->setObjectName("_lbl11");
    _lbl11->setWordWrap(true);
    layout->addWidget(_lbl11);
    _btnConfirmado4 = new QPushButton("Salvar", this);
    _btnConfirmado4->setObjectName("_btnConfirmado4");
    _btnConfirmado4->setToolTip("CONFIRMADO");
    layout->addWidget(_btnConfirmado4, 0, Qt::AlignLeft);
    layout->addStretch();

    connect(_btnConfirmado4, &QPushButton::clicked, this, &PaginaBalancaIntegrada::salvarClicado);
}

void PaginaBalancaIntegrada::PreencherModelos() {
    _cbbBalanca->clear();
    for (int i = 0;; ++i) {
        auto modelo = ModeloPorOrdinal(i);
        if (!modelo)
            break;
        _cbbBalanca->addItem(QString::fromStdString(NomeModelo(*modelo)));
    }
    _cbbBalanca->setCurrentIndex(0);
}

} // namespace mvf
