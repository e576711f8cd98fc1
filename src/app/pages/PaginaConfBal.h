#pragma once

#include "scaleload/TCargaBal.h"

#include <QWidget>
#include <atomic>
#include <string>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QStackedWidget;

namespace mvf {

class T_frmFerramentasMv;

// Scale loads: sub-page 0 holds the load settings, sub-page 1 the load generation. The window
// selects the sub-page; the load control (ControleCargaBalanca) answers the buttons.
class PaginaConfBal : public QWidget {
    Q_OBJECT
public:
    explicit PaginaConfBal(T_frmFerramentasMv& janela, QWidget* parent = nullptr);

    QStackedWidget* _lytConfBal;

    // Settings view.
    QComboBox* _cbbModelo;
    QLineEdit* _edtDiretorio;
    QComboBox* _cbbCampo;
    QCheckBox* _swtchMonitorDeCarga;
    QCheckBox* _swtchIniciaWin;
    QSpinBox* _edtTimerMonitor;
    QLabel* _lblUltimoMonitoramento;
    QPushButton* _btn1;
    QLabel* _lblAtencao;
    QLabel* _lblDicaRamuza;

    // Load view.
    QPushButton* _btn2;
    QLabel* _lblData;
    QLabel* _lblUltimaSincFrente;
    QProgressBar* _pro1;

    // The load writer of the page, its progress shown on _pro1.
    TCargaBal CargaBal1;

    void SelecionarSubPagina(int indice);
    int SubPaginaAtiva() const;

    // The interval shown on the page, readable from any thread.
    int IntervaloMonitor() const { return intervaloMonitor_.load(); }
    // The busy mark as the monitor switch's hint; callable from any thread.
    void MostrarMarca(const std::string& marca);

    // The writer's progress: text, maximum and position, then the window repaints.
    void CargaBal1Progresso(const std::string& Mensagem, int ProgressoAtual, int ProgressoTotal);

    // The red ATTENTION notice in the page's bracket markup, and that markup as rich text.
    static QString TextoAtencao();
    static QString MarcacaoParaHtml(const QString& marcacao);
    static QString TextoDicaRamuza();

signals:
    void salvarClicado();        // _btn1
    void gerarArquivoClicado();  // _btn2
    void escolherPastaClicado(); // the button inside _edtDiretorio

private:
    std::atomic<int> intervaloMonitor_{3};
};

} // namespace mvf
