#include "app/GanchosJanela.h"

#include "app/T_frmFerramentasMv.h"
#include "app/loadtool/ControleCargaBalanca.h"
#include "app/loadtool/SegundoPlano.h"
#include "app/pages/PaginaBalancaIntegrada.h"

namespace mvf {

GanchosJanela GanchosDoPrograma() {
    GanchosJanela ganchos;
    ganchos.PreencherModelosBalanca = [](T_frmFerramentasMv& j) {
        j._cxtabBalancaIntegrada->PreencherModelos();
    };
    ganchos.PrepararInicio = [](T_frmFerramentasMv& j) { SegundoPlano::De(j).PrepararInicio(); };
    ganchos.CarregarConfiguracao = [](T_frmFerramentasMv& j) {
        ControleCargaBalanca::De(j).CarregarConfiguracao();
    };
    ganchos.PodeFechar = [](T_frmFerramentasMv& j) { return SegundoPlano::De(j).PodeFechar(); };
    return ganchos;
}

} // namespace mvf
