#pragma once

#include "scale/Conexao.h"
#include "scale/Relogio.h"
#include "scale/TBalanca.h"
#include "scale/Temporizador.h"

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace mvf::test {

// A clock that moves only when the code under test waits.
class RelogioFalso : public Relogio {
public:
    std::int64_t AgoraMs() override { return agora; }
    void Dormir(int ms) override {
        if (ms > 0) {
            agora += ms;
            dormidas.push_back(ms);
        }
    }
    std::chrono::system_clock::time_point Hora() override {
        return std::chrono::system_clock::time_point{} + std::chrono::milliseconds(agora);
    }

    std::int64_t agora = 1'000'000;
    std::vector<int> dormidas;
};

// A tick the test fires by hand.
class TemporizadorManual : public Temporizador {
public:
    void setAoDisparar(std::function<void()> h) override { handler = std::move(h); }
    void setIntervalo(int ms) override { intervalo = ms < 0 ? 0 : ms; }
    int Intervalo() const override { return intervalo; }
    void setHabilitado(bool h) override { habilitado = h; }
    bool Habilitado() const override { return habilitado; }
    void disparar() {
        if (habilitado && handler)
            handler();
    }

    std::function<void()> handler;
    int intervalo = 0;
    bool habilitado = false;
};

// The scale at the other end of a scripted link: what the program sent, what arrives and when.
struct RoteiroBalanca {
    struct Pacote {
        std::int64_t quando;
        std::string bytes;
    };
    RelogioFalso* relogio = nullptr;
    std::vector<std::string> enviados;
    std::deque<Pacote> chegadas;
    // Called for every send; may schedule answers with responder().
    std::function<void(const std::string&)> aoEnviar;
    int aberturas = 0;
    int fechamentos = 0;
    bool aberta = false;
    bool falharAoAbrir = false;

    // Bytes that arrive after the given delay from now.
    void responder(const std::string& bytes, int atrasoMs = 0) {
        chegadas.push_back({relogio->agora + atrasoMs, bytes});
    }
    // Answers every request with the next item of the list (the last one repeats); "" is silence.
    void responderEmSequencia(std::vector<std::string> respostas, int atrasoMs = 10) {
        auto lista = std::make_shared<std::vector<std::string>>(std::move(respostas));
        auto indice = std::make_shared<std::size_t>(0);
        aoEnviar = [this, lista, indice, atrasoMs](const std::string&) {
            const std::string& r = (*lista)[std::min(*indice, lista->size() - 1)];
            ++*indice;
            if (!r.empty())
                responder(r, atrasoMs);
        };
    }
    std::string todosEnviados() const {
        std::string s;
        for (const auto& e : enviados)
            s += e;
        return s;
    }
};

class ConexaoRoteirizada : public Conexao {
public:
    ConexaoRoteirizada(std::shared_ptr<RoteiroBalanca> r, bool serial)
        : fRoteiro(std::move(r)), fSerial(serial) {
        ++fRoteiro->aberturas;
        fRoteiro->aberta = true;
    }
    ~ConexaoRoteirizada() override {
        ++fRoteiro->fechamentos;
        fRoteiro->aberta = false;
    }
    void Enviar(const std::string& bytes) override {
        fRoteiro->enviados.push_back(bytes);
        if (fRoteiro->aoEnviar)
            fRoteiro->aoEnviar(bytes);
    }
    std::string LerDisponivel() override {
        std::string out;
        auto& c = fRoteiro->chegadas;
        while (!c.empty() && c.front().quando <= fRoteiro->relogio->agora) {
            out += c.front().bytes;
            c.pop_front();
        }
        return out;
    }
    bool EsperarDados(int ms) override {
        auto& c = fRoteiro->chegadas;
        const std::int64_t limite = fRoteiro->relogio->agora + ms;
        if (!c.empty() && c.front().quando <= limite) {
            fRoteiro->relogio->agora = std::max(fRoteiro->relogio->agora, c.front().quando);
            return true;
        }
        fRoteiro->relogio->agora = limite;
        return false;
    }
    std::size_t BytesDisponiveis() override {
        std::size_t n = 0;
        for (const auto& p : fRoteiro->chegadas)
            if (p.quando <= fRoteiro->relogio->agora)
                n += p.bytes.size();
        return n;
    }
    void DescartarEntrada() override {
        auto& c = fRoteiro->chegadas;
        while (!c.empty() && c.front().quando <= fRoteiro->relogio->agora)
            c.pop_front();
    }
    bool Serial() const override { return fSerial; }

private:
    std::shared_ptr<RoteiroBalanca> fRoteiro;
    bool fSerial;
};

// A scale component wired to a scripted link, a fake clock and a manual tick.
struct BalancaRoteirizada {
    RelogioFalso relogio;
    std::shared_ptr<RoteiroBalanca> roteiro = std::make_shared<RoteiroBalanca>();
    TemporizadorManual* temporizador;
    std::unique_ptr<TBalanca> balanca;

    explicit BalancaRoteirizada(TBalancaModelo modelo = TBalancaModelo::balNenhum, bool serial = true) {
        roteiro->relogio = &relogio;
        auto t = std::make_unique<TemporizadorManual>();
        temporizador = t.get();
        balanca = std::make_unique<TBalanca>(std::move(t), &relogio);
        auto r = roteiro;
        balanca->Device().setFabricaConexao([r, serial](const TDispositivo&) -> std::unique_ptr<Conexao> {
            if (r->falharAoAbrir)
                throw EDispositivo("porta indisponível");
            return std::make_unique<ConexaoRoteirizada>(r, serial);
        });
        balanca->setModelo(modelo);
    }
    TBalanca* operator->() { return balanca.get(); }
};

} // namespace mvf::test
