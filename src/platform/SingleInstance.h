#pragma once

#include <filesystem>
#include <functional>
#include <memory>

namespace mvf {

// The names a running instance and a second start agree on.
inline constexpr const char* kNomeMutexInstancia = "MainMarivelta";
inline constexpr const char* kClasseJanelaPrincipal = "T_frmFerramentasMv";
inline constexpr unsigned kMensagemInstancia = 2039; // WM_USER + 1015

// One running program per machine (Windows: the named mutex; Linux: a lock file in the program's
// folder). The claim is taken on construction and held for the object's life.
class SingleInstance {
public:
    // `pasta` is the program's folder; the Linux lock lives there, so one folder of data has one
    // program working on it. Windows ignores it: the mutex is named.
    explicit SingleInstance(const std::filesystem::path& pasta);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True when another process already holds the claim. A claim that cannot be taken at all
    // (no lock file, no mutex) counts as the first instance: better two programs than none.
    bool outraEmExecucao() const;

    // Second start: sends the instance message to the running program's window and waits until
    // it was delivered. False when no running window was found.
    bool avisarInstanciaEmExecucao();

    // First start: from now on every instance message calls `aoReceber`. Linux calls it on a
    // listening thread of this object; Windows on the thread that called escutar (its message
    // loop). Callers that touch widgets hand the call on to their UI thread.
    void escutar(std::function<void()> aoReceber);

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace mvf
