#include "scale/Conexao.h"

#include <windows.h>

#include <algorithm>

namespace mvf {

namespace {

std::string mensagemSistema(DWORD codigo) {
    wchar_t* texto = nullptr;
    const DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                       FORMAT_MESSAGE_IGNORE_INSERTS,
                                   nullptr, codigo, 0, reinterpret_cast<wchar_t*>(&texto), 0, nullptr);
    std::string out;
    if (n && texto) {
        const int tamanho =
            WideCharToMultiByte(CP_UTF8, 0, texto, static_cast<int>(n), nullptr, 0, nullptr, nullptr);
        out.resize(static_cast<std::size_t>(tamanho));
        WideCharToMultiByte(CP_UTF8, 0, texto, static_cast<int>(n), out.data(), tamanho, nullptr, nullptr);
        while (!out.empty() &&
               (out.back() == '\n' || out.back() == '\r' || out.back() == ' ' || out.back() == '.'))
            out.pop_back();
    }
    if (texto)
        LocalFree(texto);
    return out.empty() ? "erro " + std::to_string(codigo) : out;
}

std::wstring largo(const std::string& s) {
    if (s.empty())
        return {};
    const int n = MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
    std::wstring out(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), out.data(), n);
    return out;
}

// "COM10" and above only open through the device namespace; the lower ones too.
std::wstring nomeDispositivo(const std::string& nome) {
    if (nome.rfind("\\\\", 0) == 0)
        return largo(nome);
    return L"\\\\.\\" + largo(nome);
}

class ConexaoSerialWindows : public Conexao {
public:
    ConexaoSerialWindows(const std::string& nome, const ConfiguracaoSerial& config) : fNome(nome) {
        fHandle = CreateFileW(nomeDispositivo(nome).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                              OPEN_EXISTING, 0, nullptr);
        if (fHandle == INVALID_HANDLE_VALUE) {
            const DWORD erro = GetLastError();
            if (erro == ERROR_ACCESS_DENIED)
                throw EDispositivo("A porta " + nome + " está em uso por outro programa");
            throw EDispositivo("Não foi possível abrir a porta " + nome + ": " + mensagemSistema(erro));
        }
        try {
            configurar(config);
        } catch (...) {
            CloseHandle(fHandle);
            throw;
        }
    }

    ~ConexaoSerialWindows() override {
        if (fHandle != INVALID_HANDLE_VALUE)
            CloseHandle(fHandle);
    }

    bool Serial() const override { return true; }

    void Enviar(const std::string& bytes) override {
        std::size_t enviados = 0;
        while (enviados < bytes.size()) {
            DWORD escritos = 0;
            const DWORD pedir = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - enviados, 65536));
            if (!WriteFile(fHandle, bytes.data() + enviados, pedir, &escritos, nullptr))
                throw EDispositivo("Erro ao enviar para a porta " + fNome + ": " +
                                   mensagemSistema(GetLastError()));
            if (escritos == 0)
                throw EDispositivo("Não foi possível enviar para a porta " + fNome);
            enviados += escritos;
        }
    }

    std::string LerDisponivel() override {
        const std::size_t n = BytesDisponiveis();
        if (n == 0)
            return {};
        std::string out(n, '\0');
        DWORD lidos = 0;
        if (!ReadFile(fHandle, out.data(), static_cast<DWORD>(n), &lidos, nullptr))
            throw EDispositivo("Erro ao ler da porta " + fNome + ": " + mensagemSistema(GetLastError()));
        out.resize(lidos);
        return out;
    }

    bool EsperarDados(int milissegundos) override {
        // The comm API has no wait with a time-out on a synchronous handle: look every few ms.
        const ULONGLONG limite = GetTickCount64() + static_cast<ULONGLONG>(std::max(0, milissegundos));
        for (;;) {
            if (BytesDisponiveis() > 0)
                return true;
            if (GetTickCount64() >= limite)
                return false;
            Sleep(2);
        }
    }

    std::size_t BytesDisponiveis() override {
        DWORD erros = 0;
        COMSTAT estado{};
        if (!ClearCommError(fHandle, &erros, &estado))
            throw EDispositivo("A porta " + fNome + " foi desconectada: " + mensagemSistema(GetLastError()));
        return estado.cbInQue;
    }

    void DescartarEntrada() override { PurgeComm(fHandle, PURGE_RXCLEAR | PURGE_RXABORT); }

private:
    void configurar(const ConfiguracaoSerial& config) {
        SetupComm(fHandle, 4096, 4096);
        DCB dcb{};
        dcb.DCBlength = sizeof dcb;
        if (!GetCommState(fHandle, &dcb))
            throw EDispositivo("\"" + fNome +
                               "\" não é uma porta serial: " + mensagemSistema(GetLastError()));
        dcb.BaudRate = static_cast<DWORD>(config.Baud);
        dcb.ByteSize = static_cast<BYTE>(config.Data);
        dcb.fBinary = TRUE;
        switch (config.Parity) {
        case TSerialParity::pOdd:
            dcb.Parity = ODDPARITY;
            break;
        case TSerialParity::pEven:
            dcb.Parity = EVENPARITY;
            break;
        case TSerialParity::pMark:
            dcb.Parity = MARKPARITY;
            break;
        case TSerialParity::pSpace:
            dcb.Parity = SPACEPARITY;
            break;
        default:
            dcb.Parity = NOPARITY;
            break;
        }
        dcb.fParity = dcb.Parity != NOPARITY;
        switch (config.Stop) {
        case TSerialStop::s1eMeio:
            dcb.StopBits = ONE5STOPBITS;
            break;
        case TSerialStop::s2:
            dcb.StopBits = TWOSTOPBITS;
            break;
        default:
            dcb.StopBits = ONESTOPBIT;
            break;
        }
        const bool xon = config.SoftFlow || config.HandShake == THandShake::hsXON_XOFF;
        const bool rts = config.HardFlow || config.HandShake == THandShake::hsRTS_CTS;
        const bool dtr = config.HandShake == THandShake::hsDTR_DSR;
        dcb.fOutX = xon;
        dcb.fInX = xon;
        dcb.XonChar = 0x11;
        dcb.XoffChar = 0x13;
        dcb.XonLim = 1024;
        dcb.XoffLim = 1024;
        dcb.fOutxCtsFlow = rts;
        dcb.fRtsControl = rts ? RTS_CONTROL_HANDSHAKE : RTS_CONTROL_ENABLE;
        dcb.fOutxDsrFlow = dtr;
        dcb.fDtrControl = dtr ? DTR_CONTROL_HANDSHAKE : DTR_CONTROL_ENABLE;
        dcb.fDsrSensitivity = FALSE;
        dcb.fAbortOnError = FALSE;
        if (!SetCommState(fHandle, &dcb))
            throw EDispositivo("Não foi possível configurar a porta " + fNome + ": " +
                               mensagemSistema(GetLastError()));
        // Reads return at once with what is waiting; the waiting is done by EsperarDados.
        COMMTIMEOUTS tempos{};
        tempos.ReadIntervalTimeout = MAXDWORD;
        tempos.WriteTotalTimeoutConstant = 2000;
        SetCommTimeouts(fHandle, &tempos);
        PurgeComm(fHandle, PURGE_RXCLEAR | PURGE_TXCLEAR);
    }

    std::string fNome;
    HANDLE fHandle = INVALID_HANDLE_VALUE;
};

} // namespace

std::unique_ptr<Conexao> AbrirConexaoSerial(const std::string& nome, const std::string&,
                                            const ConfiguracaoSerial& config) {
    return std::make_unique<ConexaoSerialWindows>(nome, config);
}

} // namespace mvf
