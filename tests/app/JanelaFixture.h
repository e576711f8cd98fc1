#pragma once

#include "AplicacaoQt.h"
#include "app/GerenciadorAlertas.h"
#include "app/JanelaAlerta.h"
#include "app/T_frmFerramentasMv.h"
#include "app/Trabalhadores.h"

#include <QLineEdit>
#include <QStringList>
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>
#include <string>

namespace mvf::test {

// The messages of the notices on screen, oldest first.
inline QStringList MensagensNaTela() {
    QStringList r;
    for (JanelaAlerta* j : GerenciadorAlertas::Instancia()->Janelas())
        r << j->Mensagem();
    return r;
}

// A main window over a stand-in of the stored login state, with the hooks counted and the
// notices it shows collected.
class JanelaFixture : public ::testing::Test {
protected:
    FonteParametros::Lembrado lembrado;
    std::string erroAoCarregar;
    std::string ultimaSincronia;
    bool configuracaoInicial = true;
    int carregamentosConfiguracao = 0;
    bool recusarFechar = false;
    std::unique_ptr<T_frmFerramentasMv> janela;

    void SetUp() override { GerenciadorAlertas::Instancia()->DefinirTempos(TemposAlerta{1, 60000, 1}); }

    void TearDown() override {
        janela.reset();
        const QList<JanelaAlerta*> abertas = GerenciadorAlertas::Instancia()->Janelas();
        for (JanelaAlerta* j : abertas)
            delete j;
        GerenciadorAlertas::Instancia()->DefinirTempos(TemposAlerta{});
    }

    FonteParametros fonte() {
        FonteParametros f;
        f.CarregarUsuario = [this] {
            if (!erroAoCarregar.empty())
                throw std::runtime_error(erroAoCarregar);
            return lembrado;
        };
        f.GetUltimaSincronia = [this] { return ultimaSincronia; };
        f.ConfiguracaoInicial = [this] { return configuracaoInicial; };
        return f;
    }

    GanchosJanela ganchos() {
        GanchosJanela g;
        g.CarregarConfiguracao = [this](T_frmFerramentasMv&) { ++carregamentosConfiguracao; };
        g.PodeFechar = [this](T_frmFerramentasMv&) { return !recusarFechar; };
        return g;
    }

    // Creates the window and lets its start-up workers finish.
    T_frmFerramentasMv& criar() {
        janela = std::make_unique<T_frmFerramentasMv>(fonte(), ganchos());
        janela->Workers().AguardarTodos();
        return *janela;
    }

    static QStringList mensagensNaTela() { return MensagensNaTela(); }
};

} // namespace mvf::test
