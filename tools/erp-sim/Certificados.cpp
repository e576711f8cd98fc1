#include "Certificados.h"

#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/x509.h>
#include <openssl/x509v3.h>

#include <cstdio>
#include <memory>
#include <stdexcept>
#include <string>

namespace erpsim {

namespace {

using Chave = std::unique_ptr<EVP_PKEY, decltype(&EVP_PKEY_free)>;
using Certificado = std::unique_ptr<X509, decltype(&X509_free)>;

void falhar(const std::string& oQue) {
    throw std::runtime_error("erp-sim: falha ao " + oQue);
}

void extensao(X509* cert, X509* emissor, int nid, const char* valor) {
    X509V3_CTX ctx;
    X509V3_set_ctx_nodb(&ctx);
    X509V3_set_ctx(&ctx, emissor, cert, nullptr, nullptr, 0);
    X509_EXTENSION* ext = X509V3_EXT_conf_nid(nullptr, &ctx, nid, valor);
    if (!ext || !X509_add_ext(cert, ext, -1))
        falhar("criar extensão do certificado");
    X509_EXTENSION_free(ext);
}

Certificado novo(EVP_PKEY* chave, const char* nome, long serial) {
    Certificado cert(X509_new(), &X509_free);
    X509_set_version(cert.get(), 2);
    ASN1_INTEGER_set(X509_get_serialNumber(cert.get()), serial);
    X509_gmtime_adj(X509_getm_notBefore(cert.get()), -24L * 3600);
    X509_gmtime_adj(X509_getm_notAfter(cert.get()), 3650L * 24 * 3600);
    X509_set_pubkey(cert.get(), chave);
    X509_NAME* sujeito = X509_get_subject_name(cert.get());
    X509_NAME_add_entry_by_txt(sujeito, "O", MBSTRING_UTF8, reinterpret_cast<const unsigned char*>("erp-sim"),
                               -1, -1, 0);
    X509_NAME_add_entry_by_txt(sujeito, "CN", MBSTRING_UTF8, reinterpret_cast<const unsigned char*>(nome), -1,
                               -1, 0);
    return cert;
}

void gravar(const std::filesystem::path& arquivo, X509* cert, EVP_PKEY* chave) {
    auto temporario = arquivo;
    temporario += ".tmp";
    FILE* f = std::fopen(temporario.c_str(), "wb");
    if (!f)
        falhar("gravar " + arquivo.string());
    bool ok = cert ? PEM_write_X509(f, cert)
                   : PEM_write_PrivateKey(f, chave, nullptr, nullptr, 0, nullptr, nullptr);
    std::fclose(f);
    if (!ok)
        falhar("gravar " + arquivo.string());
    std::filesystem::rename(temporario, arquivo);
}

} // namespace

ArquivosCertificado prepararCertificados(const std::filesystem::path& pasta) {
    std::filesystem::create_directories(pasta);
    ArquivosCertificado arquivos{pasta / "ca.pem", pasta / "servidor.pem", pasta / "servidor-chave.pem"};
    if (std::filesystem::exists(arquivos.ca) && std::filesystem::exists(arquivos.cert) &&
        std::filesystem::exists(arquivos.chave))
        return arquivos;

    Chave chaveCa(EVP_EC_gen("P-256"), &EVP_PKEY_free);
    Chave chaveServidor(EVP_EC_gen("P-256"), &EVP_PKEY_free);
    if (!chaveCa || !chaveServidor)
        falhar("gerar as chaves");

    Certificado ca = novo(chaveCa.get(), "erp-sim CA", 1);
    X509_set_issuer_name(ca.get(), X509_get_subject_name(ca.get()));
    extensao(ca.get(), ca.get(), NID_basic_constraints, "critical,CA:TRUE");
    extensao(ca.get(), ca.get(), NID_key_usage, "critical,keyCertSign,cRLSign");
    extensao(ca.get(), ca.get(), NID_subject_key_identifier, "hash");
    if (!X509_sign(ca.get(), chaveCa.get(), EVP_sha256()))
        falhar("assinar o certificado da CA");

    Certificado servidor = novo(chaveServidor.get(), "localhost", 2);
    X509_set_issuer_name(servidor.get(), X509_get_subject_name(ca.get()));
    extensao(servidor.get(), ca.get(), NID_basic_constraints, "critical,CA:FALSE");
    extensao(servidor.get(), ca.get(), NID_key_usage, "critical,digitalSignature,keyEncipherment");
    extensao(servidor.get(), ca.get(), NID_ext_key_usage, "serverAuth");
    extensao(servidor.get(), ca.get(), NID_subject_alt_name, "DNS:localhost,IP:127.0.0.1,IP:::1");
    extensao(servidor.get(), ca.get(), NID_authority_key_identifier, "keyid:always");
    if (!X509_sign(servidor.get(), chaveCa.get(), EVP_sha256()))
        falhar("assinar o certificado do servidor");

    gravar(arquivos.chave, nullptr, chaveServidor.get());
    gravar(arquivos.cert, servidor.get(), nullptr);
    gravar(arquivos.ca, ca.get(), nullptr);
    return arquivos;
}

} // namespace erpsim
