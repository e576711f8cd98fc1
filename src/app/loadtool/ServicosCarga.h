#pragma once

#include "scaleload/tool/ProdutoCarga.h"

#include <string>
#include <vector>

namespace mvf {

// The data module's part of a load run: the stored login, the product synchronisation with its
// status caption, the CONFIG row and the product query. Safe to call from a worker thread except
// where noted.
class ServicosCarga {
public:
    virtual ~ServicosCarga() = default;

    // The tag of the status caption: set to 0 before a synchronisation, 10 after one in which the
    // ERP returned products.
    virtual void ZerarTagStatus() = 0;
    virtual int TagStatus() = 0;
    // Clears the status caption's text (UI thread).
    virtual void LimparStatus() = 0;

    // Whether the logged-in user record holds a login name; paramentrosInicias reloads it.
    virtual bool UsuarioCarregado() = 0;
    virtual void paramentrosInicias() = 0;
    // The ERP login with the stored name and password; false with the message in erro.
    virtual bool RetornaUsuario(std::string& erro) = 0;
    // Fetches and stores the products, reporting to the status caption; false with erro.
    virtual bool GetDadosProdutos(std::string& erro) = 0;
    virtual void StatusdConfiguracaoInicial(const std::string& LoStatus) = 0;

    // Runs the product query; each row read with the code column.
    virtual std::vector<ProdutoCarga> ConsultarProdutos(const std::string& sql,
                                                        const std::string& colunaCodigo) = 0;

    virtual bool PostUltimaSincronia(std::string& erro) = 0;
    virtual std::string GetUltimaSincronia() = 0;
};

} // namespace mvf
