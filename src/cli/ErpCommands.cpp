// mvf login and mvf sincronizar: the ERP login and the full catalogue synchronisation on the
// local banco.db, for scripts and for checking a shop's connection without the window.
#ifdef MVF_HAS_DATA

#include "cli/Commands.h"
#include "data/T_dmDados.h"
#include "data/TextoUtf8.h"
#include "data/Tutil.h"

#include <iostream>

namespace mvf::cli {

namespace {

bool opcao(const std::vector<std::string>& args, std::size_t& i, const std::string& nome,
           std::string& valor) {
    if (args[i] != nome)
        return false;
    if (i + 1 >= args.size())
        throw std::invalid_argument("falta o valor de " + nome);
    valor = args[++i];
    return true;
}

} // namespace

int runLogin(const std::vector<std::string>& args) {
    std::string usuario, senha;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (!opcao(args, i, "--usuario", usuario) && !opcao(args, i, "--senha", senha)) {
            std::cerr << "uso: mvf login --usuario USUARIO --senha SENHA\n";
            return 2;
        }
    }
    usuario = AparaTexto(usuario);
    senha = AparaTexto(senha);
    if (usuario.empty()) {
        std::cerr << "Usúario não informado!\n";
        return 1;
    }
    if (senha.empty()) {
        std::cerr << "Senha não informado!\n";
        return 1;
    }
    T_dmDados dm;
    dm.ConectarBanco();
    dm.CarregarUsuarioLogado();
    std::string erro;
    if (!dm.RetornaUsuario(usuario, senha, erro)) {
        std::cerr << erro << "\n";
        return 1;
    }
    std::cout << "Login realizado: " << UsuarioLogado().Fantasia << "\n";
    return 0;
}

int runSincronizar(const std::vector<std::string>& args) {
    if (!args.empty()) {
        std::cerr << "uso: mvf sincronizar\n";
        return 2;
    }
    T_dmDados dm;
    dm.ConectarBanco();
    dm.CarregarUsuarioLogado();
    if (UsuarioLogado().NomeLogin.empty()) {
        std::cerr << "Nenhum login armazenado; entre primeiro com mvf login.\n";
        return 1;
    }
    StatusDados status;
    status.setTexto = [](const std::string& texto) { std::cerr << texto << "\n"; };
    status.produtosAtualizados = [](int, const std::string& linha) { std::cerr << linha << "\n"; };
    try {
        dm.SincronizaDados(status);
    } catch (const std::exception& e) {
        std::cerr << e.what() << "\n";
        return 1;
    }
    std::string ultima = dm.ConcluirSincronizacao();
    dm.CarregarUsuarioLogado();
    std::cout << "Dados sincronizado com sucesso!\n";
    if (!ultima.empty())
        std::cout << ultima << "\n";
    return 0;
}

} // namespace mvf::cli

#endif
