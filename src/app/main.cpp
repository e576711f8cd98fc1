#include "app/Programa.h"

int main(int argc, char** argv) {
    return mvf::ExecutarPrograma(argc, argv);
}
