#pragma once

#include <cstdint>
#include <string>

namespace mvf {

// The logged-in user record: mirrors the CONFIG row in memory and feeds every ERP call.
// Starts empty (texts empty, numbers 0, Boolean false).
struct TUsuarioLogado {
    std::string ConfigInicial;
    std::string Identificador;
    std::int64_t Id = 0;
    std::string NomeLogin;
    std::string senha;
    std::string Fantasia;
    std::string Razao;
    std::string Bairro;
    std::string Telefone;
    std::string Celular;
    std::string Endereco;
    std::string Numero;
    std::string Cnpj;
    std::string Lembrar;
    std::string PermiteAlterar;
    std::int64_t Id_vendedor = 0;
    std::int64_t Id_clientePadrao = 0;
    std::string Nome_ClientePadrao;
    std::int64_t CodigoEmpresa = 0;
    std::int64_t Codigogrupo = 0;
    bool AcessoGerencial = false;
    std::string NomeVendedor;
    std::string uf;
    std::string Token;
    std::string UltimaSinc;
    std::string Alerta;
    std::int64_t VersaoCliente = 0;
    std::string cidade;
    std::string codigoIbge;
    std::string estado;

    friend bool operator==(const TUsuarioLogado&, const TUsuarioLogado&) = default;
};

// A copy of the program-wide record (`UsuarioLogado`). The UI thread and the workers read and
// replace it at once, so it is only reached through copies taken under a lock; Tutil changes it.
TUsuarioLogado UsuarioLogado();

} // namespace mvf
