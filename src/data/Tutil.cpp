#include "data/Tutil.h"

#include <mutex>

namespace mvf {

namespace {

std::mutex& userMutex() {
    static std::mutex m;
    return m;
}

TUsuarioLogado& storedUser() {
    static TUsuarioLogado user;
    return user;
}

std::string& storedDatabaseName() {
    static std::string name;
    return name;
}

} // namespace

TUsuarioLogado UsuarioLogado() {
    std::lock_guard<std::mutex> guard(userMutex());
    return storedUser();
}

void Tutil::setUsuario(const TUsuarioLogado& usuario) {
    std::lock_guard<std::mutex> guard(userMutex());
    storedUser() = usuario;
}

void Tutil::alterarUsuario(const std::function<void(TUsuarioLogado&)>& alteracao) {
    std::lock_guard<std::mutex> guard(userMutex());
    alteracao(storedUser());
}

void Tutil::setNomeBanco(const std::string& nome) {
    std::lock_guard<std::mutex> guard(userMutex());
    storedDatabaseName() = nome;
}

std::string Tutil::nomeBanco() {
    std::lock_guard<std::mutex> guard(userMutex());
    return storedDatabaseName();
}

} // namespace mvf
