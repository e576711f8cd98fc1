#include "scale/DescobertaPortas.h"

#include <windows.h>

#include <initguid.h>
#include <setupapi.h>

namespace mvf {

namespace {

// The interface class of USB printers.
DEFINE_GUID(GuidUsbPrint, 0x28d78fad, 0x5a12, 0x11d1, 0xae, 0x5b, 0x00, 0x00, 0xf8, 0x03, 0xa8, 0xc2);

std::string utf8(const wchar_t* texto) {
    const int n = WideCharToMultiByte(CP_UTF8, 0, texto, -1, nullptr, 0, nullptr, nullptr);
    if (n <= 1)
        return {};
    std::string out(static_cast<std::size_t>(n - 1), '\0');
    WideCharToMultiByte(CP_UTF8, 0, texto, -1, out.data(), n, nullptr, nullptr);
    return out;
}

std::wstring largo(const std::string& s) {
    const int n = MultiByteToWideChar(CP_UTF8, 0, s.c_str(), -1, nullptr, 0);
    std::wstring out(static_cast<std::size_t>(n > 0 ? n - 1 : 0), L'\0');
    if (n > 1)
        MultiByteToWideChar(CP_UTF8, 0, s.c_str(), -1, out.data(), n);
    return out;
}

} // namespace

// Missing, held by another program, or not a port: the three answers that leave a name out.
bool PortaSerialDisponivel(const std::string& nome) {
    const std::wstring caminho = nome.rfind("\\\\", 0) == 0 ? largo(nome) : L"\\\\.\\" + largo(nome);
    HANDLE h =
        CreateFileW(caminho.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h != INVALID_HANDLE_VALUE) {
        CloseHandle(h);
        return true;
    }
    const DWORD erro = GetLastError();
    return erro != ERROR_FILE_NOT_FOUND && erro != ERROR_ACCESS_DENIED && erro != ERROR_INVALID_DATA;
}

void AcharPortasSeriais(std::vector<std::string>& lista, int UltimaPorta) {
    std::vector<std::string> candidatos;
    for (int i = 1; i <= UltimaPorta; ++i)
        candidatos.push_back("COM" + std::to_string(i));
    for (const auto& p : PortasSeriaisDisponiveis(candidatos))
        lista.push_back(p);
}

void AcharPortasUSB(std::vector<std::string>& lista) {
    HDEVINFO conjunto =
        SetupDiGetClassDevsW(&GuidUsbPrint, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
    if (conjunto == INVALID_HANDLE_VALUE)
        return;
    SP_DEVINFO_DATA dados{};
    dados.cbSize = sizeof dados;
    for (DWORD i = 0; SetupDiEnumDeviceInfo(conjunto, i, &dados); ++i) {
        wchar_t nome[512] = {};
        if (!SetupDiGetDeviceRegistryPropertyW(conjunto, &dados, SPDRP_FRIENDLYNAME, nullptr,
                                               reinterpret_cast<BYTE*>(nome), sizeof nome - sizeof(wchar_t),
                                               nullptr) &&
            !SetupDiGetDeviceRegistryPropertyW(conjunto, &dados, SPDRP_DEVICEDESC, nullptr,
                                               reinterpret_cast<BYTE*>(nome), sizeof nome - sizeof(wchar_t),
                                               nullptr))
            continue;
        const std::string texto = utf8(nome);
        if (!texto.empty())
            lista.push_back("USB:" + texto);
    }
    SetupDiDestroyDeviceInfoList(conjunto);
}

} // namespace mvf
