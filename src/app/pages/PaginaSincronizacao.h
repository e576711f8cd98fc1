#pragma once

#include "data/StatusDados.h"

#include <QWidget>
#include <functional>
#include <string>

class QLabel;
class QPushButton;

namespace mvf {

class ImagemAnimada;
class Trabalhadores;

// What a synchronisation needs from the data layer; tests put stand-ins here.
struct ServicoSincronizacao {
    // The worker's part: log in again with the stored credentials and fetch every entity (and the
    // cities on the first run), reporting through the status. Throws with the user message.
    std::function<void(StatusDados& status)> Sincronizar;
    // The finishing part, on the UI thread: marks the first synchronisation done, records now as
    // the last one and returns the new last-synchronisation line.
    std::function<std::string()> Concluir;
};

// "Sincronizar Dados": copies the ERP catalogue into the local database on a worker thread.
class PaginaSincronizacao : public QWidget {
    Q_OBJECT
public:
    PaginaSincronizacao(Trabalhadores& trabalhadores, QWidget* parent = nullptr);

    void setServico(ServicoSincronizacao servico) { servico_ = std::move(servico); }

    QLabel* _lblStatus;
    ImagemAnimada* _imgSinc;
    QPushButton* _btnSincronizar;
    QLabel* _imgSucesso;
    QLabel* _lblDataHoraSinc;

    void _btnSincronizarClick();
    // Starts a full synchronisation; the button stays disabled until it ends.
    void SincronizaDados();

signals:
    // UI thread, at the end of a successful run: the new last-synchronisation line.
    void ultimaSincroniaAlterada(const QString& texto);
    // UI thread, at the end of a successful run: reload the stored login state.
    void recarregarParametros();
    // UI thread: a line for the log page (products updated).
    void linhaDeLog(const QString& linha);

private:
    void finalizar();
    void emRepouso();

    Trabalhadores& trabalhadores_;
    ServicoSincronizacao servico_;
};

} // namespace mvf
