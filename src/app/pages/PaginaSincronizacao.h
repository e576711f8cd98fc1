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

// What a synchronisation needs from the data layer; tests put stand-ins here. Everything but
// the finishing step runs on the worker thread.
struct ServicoSincronizacao {
    struct Credenciais {
        std::string NomeLogin;
        std::string senha;
        std::string ConfigInicial;
    };
    // The logged-in user record as it is now.
    std::function<Credenciais()> Usuario;
    std::function<bool(const std::string& login, const std::string& senha, std::string& erro)> RetornaUsuario;
    std::function<bool(const std::string& nome, StatusDados& status, std::string& erro)> GetDados;
    std::function<void()> ExecutarScriptCidades;
    std::function<void(const std::string& status)> StatusdConfiguracaoInicial;
    std::function<bool(std::string& erro)> PostUltimaSincronia;
    std::function<std::string()> GetUltimaSincronia;
};

// "Sincronizar Dados": copies the ERP catalogue into the local database on a worker thread.
class PaginaSincronizacao : public QWidget {
    Q_OBJECT
public:
    // The entities of a full synchronisation, in order.
    static const std::vector<std::string>& Entidades();

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
