#include "app/ServicosDados.h"

#include "data/TUsuarioLogado.h"
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
    s.Usuario = [] {
        TUsuarioLogado u = UsuarioLogado();
        return ServicoSincronizacao::Credenciais{u.NomeLogin, u.senha, u.ConfigInicial};
    };
    s.RetornaUsuario = [&dados](const std::string& login, const std::string& senha, std::string& erro) {
        return dados.RetornaUsuario(login, senha, erro);
    };
    s.GetDados = [&dados](const std::string& nome, StatusDados& status, std::string& erro) {
        return dados.GetDados(nome, status, erro);
    };
    s.ExecutarScriptCidades = [&dados] { dados.ExecutarScriptCidades(); };
    s.StatusdConfiguracaoInicial = [&dados](const std::string& status) {
        dados.StatusdConfiguracaoInicial(status);
    };
    s.PostUltimaSincronia = [&dados](std::string& erro) { return dados.PostUltimaSincronia(erro); };
    s.GetUltimaSincronia = [&dados] { return dados.GetUltimaSincronia(); };
    return s;
}

} // namespace mvf
