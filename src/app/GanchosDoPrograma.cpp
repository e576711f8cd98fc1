#include "app/GanchosJanela.h"

namespace mvf {

GanchosJanela GanchosDoPrograma() {
    GanchosJanela ganchos;
    return ganchos;
}

} // namespace mvf
