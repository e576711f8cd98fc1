#include "app/Programa.h"

#include "app/GanchosJanela.h"
#include "app/ServicosDados.h"
#include "app/TMensageAnimada.h"
#include "app/T_frmFerramentasMv.h"
#include "app/pages/PaginaLogin.h"
#include "app/pages/PaginaSincronizacao.h"
#include "core/Locale.h"
#include "data/ProgramFolder.h"
#include "data/T_dmDados.h"
#include "platform/SingleInstance.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QMetaObject>
#include <clocale>
#include <filesystem>
#include <iostream>

namespace mvf {

namespace {

const char* const kJaEmExecucao = "O Programa já está em Execução nessa Maquina!";

// Without a screen (offscreen, minimal) nobody could press OK, so the warning goes to stderr.
bool semTela() {
    const QString plataforma = QGuiApplication::platformName();
    return plataforma == "offscreen" || plataforma == "minimal";
}

void avisarJaEmExecucao() {
    if (semTela()) {
        std::cerr << kJaEmExecucao << std::endl;
        return;
    }
    QMessageBox::warning(nullptr, QCoreApplication::applicationName(), QString::fromUtf8(kJaEmExecucao),
                         QMessageBox::Ok);
}

} // namespace

int ExecutarPrograma(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("MariveltaFerramentas");
    // The window's closing ends the program; notices and dialogs left on screen do not keep it up.
    QApplication::setQuitOnLastWindowClosed(false);
    Locale::setCurrent(Locale::fromSystem());
    // Qt adopts the environment's C locale; the program's own Locale object carries the regional
    // separators, so the C library must keep reading and writing numbers with "." (prices read
    // back from SQLite, for one).
    std::setlocale(LC_NUMERIC, "C");

    std::filesystem::path pasta = programFolder();
    std::error_code ec;
    std::filesystem::create_directories(pasta, ec);

    SingleInstance instancia(pasta);
    if (instancia.outraEmExecucao()) {
        avisarJaEmExecucao();
        instancia.avisarInstanciaEmExecucao();
        return 0;
    }

    // A database that cannot be opened is reported; the program keeps running and later database
    // operations report their own errors.
    T_dmDados dados(pasta);
    std::string erroConexao;
    try {
        dados.ConectarBanco();
    } catch (const std::exception& e) {
        erroConexao = e.what();
        std::cerr << erroConexao << std::endl;
    }

    T_frmFerramentasMv janela(FonteParametrosDe(dados), GanchosDoPrograma(), &dados);
    janela._abaLogin->setServico(ServicoLoginDe(dados));
    janela._abaSincronizacao->setServico(ServicoSincronizacaoDe(dados));
    if (!erroConexao.empty())
        TMensageAnimada::Show("", erroConexao, MsgBoxTypes::mabtErro);
    QObject::connect(&janela, &T_frmFerramentasMv::encerrada, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    instancia.escutar([&janela] {
        QMetaObject::invokeMethod(
            &janela, [&janela] { janela.MostrarEmPrimeiroPlano(); }, Qt::QueuedConnection);
    });
    if (!GanchosDoPrograma().PrepararInicio)
        janela.showMaximized();
    return app.exec();
}

} // namespace mvf
