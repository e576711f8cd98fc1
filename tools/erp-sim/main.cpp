// erp-sim: the ERP API over HTTPS on loopback, with a demo company (user "demo", password
// "demo") and scripted failures for tests.
#include "Certificados.h"
#include "ServidorErp.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>

namespace {

void uso() {
    std::cerr << "uso: erp-sim [--port N] [--host ENDERECO] [--cert-dir PASTA] [--produtos N]\n"
                 "  --port 0 escolhe uma porta livre; a primeira linha impressa é \"PORTA <n>\".\n"
                 "  Os clientes devem confiar em PASTA/ca.pem (MARIVELTA_ERP_CA).\n";
}

httplib::SSLServer* servidorAtivo = nullptr;

void parar(int) {
    if (servidorAtivo)
        servidorAtivo->stop();
}

} // namespace

int main(int argc, char** argv) {
    int porta = 8443;
    int produtos = 300;
    std::string host = "127.0.0.1";
    std::string pasta = "erp-sim-cert";
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        auto valor = [&]() -> std::string {
            if (i + 1 >= argc) {
                uso();
                std::exit(2);
            }
            return argv[++i];
        };
        try {
            if (a == "--port" || a == "--porta")
                porta = std::stoi(valor());
            else if (a == "--host")
                host = valor();
            else if (a == "--cert-dir")
                pasta = valor();
            else if (a == "--produtos")
                produtos = std::stoi(valor());
            else {
                uso();
                return 2;
            }
        } catch (const std::exception&) {
            uso();
            return 2;
        }
    }
    try {
        auto arquivos = erpsim::prepararCertificados(pasta);
        httplib::SSLServer servidor(arquivos.cert.c_str(), arquivos.chave.c_str());
        if (!servidor.is_valid()) {
            std::cerr << "erp-sim: certificado inválido em " << pasta << "\n";
            return 1;
        }
        erpsim::ServidorErp erp(produtos);
        erp.registrar(servidor);
        if (porta == 0) {
            porta = servidor.bind_to_any_port(host);
        } else if (!servidor.bind_to_port(host, porta)) {
            porta = -1;
        }
        if (porta <= 0) {
            std::cerr << "erp-sim: não foi possível abrir a porta em " << host << "\n";
            return 1;
        }
        std::printf("PORTA %d\n", porta);
        std::printf("erp-sim: https://%s:%d/api/mobilidade (CA: %s)\n", host.c_str(), porta,
                    arquivos.ca.string().c_str());
        std::fflush(stdout);
        servidorAtivo = &servidor;
        std::signal(SIGTERM, parar);
        std::signal(SIGINT, parar);
        servidor.listen_after_bind();
        servidorAtivo = nullptr;
    } catch (const std::exception& e) {
        std::cerr << e.what() << "\n";
        return 1;
    }
    return 0;
}
