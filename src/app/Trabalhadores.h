#pragma once

#include <QObject>
#include <functional>
#include <list>
#include <memory>
#include <optional>
#include <string>

namespace mvf {

// The worker threads of one owner. Each job runs on its own thread; when it ends, its completion
// handler runs on the UI thread with the job's error message (none when it ended normally).
// Workers are joined by the owner: the destructor waits for the running ones, serving their UI
// hand-offs meanwhile so that none of them is left waiting for a UI thread that waits for it.
class Trabalhadores : public QObject {
    Q_OBJECT
public:
    using Tarefa = std::function<void()>;
    using Conclusao = std::function<void(const std::optional<std::string>& erro)>;

    explicit Trabalhadores(QObject* parent = nullptr);
    ~Trabalhadores() override;

    // The completion handler is attached before the thread starts.
    void Iniciar(Tarefa tarefa, Conclusao aoConcluir = {});

    // Running jobs, counted until their completion handler has run.
    int EmExecucao() const { return static_cast<int>(execucoes_.size()); }

    // Waits for every job and its completion handler, serving the UI thread meanwhile.
    void AguardarTodos();

private:
    struct Execucao;
    std::list<std::shared_ptr<Execucao>> execucoes_;
    void concluir(const std::shared_ptr<Execucao>& execucao);
};

} // namespace mvf
