#include "app/ServicosDados.h"

#include "data/T_dmDados.h"

namespace mvf {

FonteParametros FonteParametrosDe(T_dmDados& dados) {
    FonteParametros f;
    f.CarregarUsuario = [&dados] {
        TUsuarioLogado usuario = dados.CarregarUsuarioLogado();
        return FonteParametros::Lembrado{usuario.Lembrar, usuario.NomeLogin, usuario.senha};
    };
    f.GetUltimaSincronia = [&dados] { return dados.GetUltimaSincronia(); };
    f.ConfiguracaoInicial = [&dados] { return dados.ConfiguracaoInicial(); };
    return f;
}

ServicoLogin ServicoLoginDe(T_dmDados& dados) {
    ServicoLogin s;
    s.RetornaUsuario = [&dados](const std::string& login, const std::string& senha, std::string& erro) {
        return dados.RetornaUsuario(login, senha, erro);
    };
    s.LembrarLogin = [&dados](const std::string& status) { dados.LembrarLogin(status); };
    return s;
}

ServicoSincronizacao ServicoSincronizacaoDe(T_dmDados& dados) {
    ServicoSincronizacao s;
    s.Sincronizar = [&dados](StatusDados& status) { dados.SincronizaDados(status); };
    s.Concluir = [&dados] { return dados.ConcluirSincronizacao(); };
    return s;
}

} // namespace mvf
