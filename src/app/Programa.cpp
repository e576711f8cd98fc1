#include "app/Programa.h"

#include "app/GanchosJanela.h"
#include "app/T_frmFerramentasMv.h"
#include "core/Locale.h"
#include "platform/SingleInstance.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QMetaObject>
#include <cstdlib>
#include <filesystem>
#include <iostream>

namespace mvf {

namespace {

const char* const kJaEmExecucao = "O Programa já está em Execução nessa Maquina!";

std::filesystem::path pastaDoPrograma() {
    if (const char* home = std::getenv("MARIVELTA_HOME"); home && *home)
        return std::filesystem::path(home);
    return std::filesystem::path(QCoreApplication::applicationDirPath().toStdString());
}

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

    std::filesystem::path pasta = pastaDoPrograma();
    std::error_code ec;
    std::filesystem::create_directories(pasta, ec);

    SingleInstance instancia(pasta);
    if (instancia.outraEmExecucao()) {
        avisarJaEmExecucao();
        instancia.avisarInstanciaEmExecucao();
        return 0;
    }

    FonteParametros fonte;
    T_frmFerramentasMv janela(fonte, GanchosDoPrograma());
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
