#include "platform/windows/TextoLargo.h"

#include <windows.h>

namespace mvf {

std::wstring paraTextoLargo(const std::string& utf8) {
    if (utf8.empty())
        return {};
    int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring r(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), r.data(), n);
    return r;
}

std::string deTextoLargo(const std::wstring& texto) {
    if (texto.empty())
        return {};
    int n = WideCharToMultiByte(CP_UTF8, 0, texto.data(), static_cast<int>(texto.size()), nullptr, 0, nullptr,
                                nullptr);
    std::string r(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, texto.data(), static_cast<int>(texto.size()), r.data(), n, nullptr,
                        nullptr);
    return r;
}

std::string MensagemDoSistema(unsigned long codigo) {
    wchar_t* buffer = nullptr;
    DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                 FORMAT_MESSAGE_IGNORE_INSERTS,
                             nullptr, codigo, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring texto = n && buffer ? std::wstring(buffer, n) : std::wstring();
    if (buffer)
        LocalFree(buffer);
    while (!texto.empty() && (texto.back() == L'\r' || texto.back() == L'\n' || texto.back() == L' '))
        texto.pop_back();
    return deTextoLargo(texto);
}

} // namespace mvf
