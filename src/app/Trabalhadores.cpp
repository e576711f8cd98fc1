#include "app/Trabalhadores.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QMetaObject>
#include <exception>
#include <stdexcept>
#include <thread>

namespace mvf {

struct Trabalhadores::Execucao {
    std::thread thread;
    std::optional<std::string> erro;
    Conclusao aoConcluir;
};

Trabalhadores::Trabalhadores(QObject* parent) : QObject(parent) {}

Trabalhadores::~Trabalhadores() {
    AguardarTodos();
}

void Trabalhadores::Iniciar(Tarefa tarefa, Conclusao aoConcluir) {
    auto execucao = std::make_shared<Execucao>();
    execucao->aoConcluir = std::move(aoConcluir);
    execucoes_.push_back(execucao);
    execucao->thread = std::thread([this, execucao, tarefa = std::move(tarefa)] {
        try {
            tarefa();
        } catch (const std::exception& e) {
            execucao->erro = e.what();
        } catch (...) {
            execucao->erro = "Erro desconhecido";
        }
        QMetaObject::invokeMethod(
            this, [this, execucao] { concluir(execucao); }, Qt::QueuedConnection);
    });
}

void Trabalhadores::concluir(const std::shared_ptr<Execucao>& execucao) {
    if (execucao->thread.joinable())
        execucao->thread.join();
    execucoes_.remove(execucao);
    if (execucao->aoConcluir)
        execucao->aoConcluir(execucao->erro);
}

void Trabalhadores::AguardarTodos() {
    while (!execucoes_.empty())
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

} // namespace mvf
