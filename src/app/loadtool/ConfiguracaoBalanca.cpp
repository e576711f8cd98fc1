#include "app/loadtool/ConfiguracaoBalanca.h"

#include "app/pages/PaginaBalancaIntegrada.h"
#include "app/pages/PaginaConfBal.h"
#include "core/DateTimeText.h"
#include "scaleload/CargaBalTipos.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

namespace mvf {

namespace {

const char* const kConfig = "CONFIG";
const char* const kBalanca = "BALANCA";
const char* const kUltimaCargaZerada = "Útima garga : 00/00/0000 00:00:00";

std::string texto(const QString& s) {
    return s.toStdString();
}
QString qtexto(const std::string& s) {
    return QString::fromStdString(s);
}

// A stored index outside the list leaves nothing selected.
void selecionar(QComboBox* lista, int indice) {
    lista->setCurrentIndex(indice < lista->count() ? indice : -1);
}

} // namespace

ConfiguracaoBalanca::ConfiguracaoBalanca(std::filesystem::path arquivo, PaginaConfBal& carga,
                                         PaginaBalancaIntegrada& balanca)
    : arquivo_(std::move(arquivo)), carga_(carga), balanca_(balanca) {}

void ConfiguracaoBalanca::PreencherModelosCarga() {
    if (carga_._cbbModelo->currentIndex() >= 0)
        return;
    carga_._cbbModelo->clear();
    for (std::string_view nome : EnumNames<TCargaBalModelo>::names)
        carga_._cbbModelo->addItem(qtexto(std::string(nome)));
    carga_._cbbModelo->setCurrentIndex(-1);
}

void ConfiguracaoBalanca::CarregarConfiguracao(const std::function<void()>& iniciarMonitor,
                                               const std::function<void()>& criarLePeso) {
    PreencherModelosCarga();
    IniFile ini(arquivo_);
    if (!ini.Exists()) {
        ini.Update([&](IniDocument& doc) {
            doc.setValue(kConfig, "MODELO", texto(carga_._cbbModelo->currentText()));
            doc.setValue(kConfig, "IDMODELO", std::to_string(carga_._cbbModelo->currentIndex()));
            doc.setValue(kConfig, "DIRETORIO_TXT", texto(carga_._edtDiretorio->text()));
            doc.setValue(kConfig, "CAMPO", std::to_string(carga_._cbbCampo->currentIndex()));
        });
        carga_._lblData->setText(kUltimaCargaZerada);
    } else {
        selecionar(carga_._cbbModelo,
                   ini.ReadInteger(kConfig, "IDMODELO", carga_._cbbModelo->currentIndex()));
        selecionar(carga_._cbbCampo, ini.ReadInteger(kConfig, "CAMPO", carga_._cbbCampo->currentIndex()));
        carga_._edtDiretorio->setText(
            qtexto(ini.ReadString(kConfig, "DIRETORIO_TXT", texto(carga_._edtDiretorio->text()))));
        if (ini.ValueExists(kConfig, "DATA"))
            carga_._lblData->setText(qtexto("Útima garga : " + ini.ReadString(kConfig, "DATA", "")));
        else
            carga_._lblData->setText(kUltimaCargaZerada);
        carga_._swtchMonitorDeCarga->setChecked(
            ini.ReadBool(kConfig, "MONITOR_BALANCA", carga_._swtchMonitorDeCarga->isChecked()));
        carga_._swtchIniciaWin->setChecked(
            ini.ReadBool(kConfig, "INICIA_WIN", carga_._swtchIniciaWin->isChecked()));
        carga_._edtTimerMonitor->setValue(
            ini.ReadInteger(kConfig, "TIMER_MONITOR", carga_._edtTimerMonitor->value()));

        selecionar(balanca_._cbbBalanca,
                   ini.ReadInteger(kBalanca, "MODELO", balanca_._cbbBalanca->currentIndex()));
        balanca_._cbbPortaSerial->setCurrentText(
            qtexto(ini.ReadString(kBalanca, "PORTA", texto(balanca_._cbbPortaSerial->currentText()))));
        selecionar(balanca_._cbbBaudRate,
                   ini.ReadInteger(kBalanca, "BAUD", balanca_._cbbBaudRate->currentIndex()));
        selecionar(balanca_._cbbDataBits,
                   ini.ReadInteger(kBalanca, "DATA", balanca_._cbbDataBits->currentIndex()));
        selecionar(balanca_._cbbParity,
                   ini.ReadInteger(kBalanca, "PARITY", balanca_._cbbParity->currentIndex()));
        selecionar(balanca_._cbbStopBits,
                   ini.ReadInteger(kBalanca, "STOP", balanca_._cbbStopBits->currentIndex()));
        selecionar(balanca_._cbbHandshaking,
                   ini.ReadInteger(kBalanca, "HAND", balanca_._cbbHandshaking->currentIndex()));
        balanca_._edtTimeOut->setText(
            qtexto(ini.ReadString(kBalanca, "TIMEOUT", texto(balanca_._edtTimeOut->text()))));
        balanca_._cxcUsarBalanca->setChecked(ini.ReadBool(kBalanca, "USAR_BALANCA", false));
        if (balanca_._cxcUsarBalanca->isChecked() && criarLePeso)
            criarLePeso();
    }
    if (carga_._swtchMonitorDeCarga->isChecked() && iniciarMonitor)
        iniciarMonitor();
}

void ConfiguracaoBalanca::GravarConfiguracao() {
    auto bit = [](bool on) { return std::string(on ? "1" : "0"); };
    IniFile(arquivo_).Update([&](IniDocument& doc) {
        doc.setValue(kConfig, "MODELO", texto(carga_._cbbModelo->currentText()));
        doc.setValue(kConfig, "IDMODELO", std::to_string(carga_._cbbModelo->currentIndex()));
        doc.setValue(kConfig, "DIRETORIO_TXT", texto(carga_._edtDiretorio->text()));
        doc.setValue(kConfig, "CAMPO", std::to_string(carga_._cbbCampo->currentIndex()));
        doc.setValue(kConfig, "MONITOR_BALANCA", bit(carga_._swtchMonitorDeCarga->isChecked()));
        doc.setValue(kConfig, "TIMER_MONITOR", std::to_string(carga_._edtTimerMonitor->value()));
        doc.setValue(kConfig, "INICIA_WIN", bit(carga_._swtchIniciaWin->isChecked()));
        doc.setValue(kBalanca, "MODELO", std::to_string(balanca_._cbbBalanca->currentIndex()));
        doc.setValue(kBalanca, "PORTA", texto(balanca_._cbbPortaSerial->currentText()));
        doc.setValue(kBalanca, "BAUD", std::to_string(balanca_._cbbBaudRate->currentIndex()));
        doc.setValue(kBalanca, "DATA", std::to_string(balanca_._cbbDataBits->currentIndex()));
        doc.setValue(kBalanca, "BAUD_TEXT", texto(balanca_._cbbBaudRate->currentText()));
        doc.setValue(kBalanca, "DATA_TEXT", texto(balanca_._cbbDataBits->currentText()));
        doc.setValue(kBalanca, "PARITY", std::to_string(balanca_._cbbParity->currentIndex()));
        doc.setValue(kBalanca, "STOP", std::to_string(balanca_._cbbStopBits->currentIndex()));
        doc.setValue(kBalanca, "HAND", std::to_string(balanca_._cbbHandshaking->currentIndex()));
        doc.setValue(kBalanca, "TIMEOUT", texto(balanca_._edtTimeOut->text()));
        doc.setValue(kBalanca, "USAR_BALANCA", bit(balanca_._cxcUsarBalanca->isChecked()));
    });
    carga_._lblData->setText(qtexto("Útima garga enviada para balança : " + dateTimeToText(DateTime::now())));
}

void ConfiguracaoBalanca::GravarDataUltimaCarga() {
    IniFile(arquivo_).WriteString(kConfig, "DATA", dateTimeToText(DateTime::now()));
}

} // namespace mvf
