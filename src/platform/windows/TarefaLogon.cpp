#include "platform/TarefaLogon.h"

#include "core/AtomicFileWriter.h"
#include "core/PathText.h"
#include "platform/windows/TextoLargo.h"

#include <system_error>

// windows.h must come before shellapi.h.
#include <windows.h>

#include <shellapi.h>

namespace mvf {

namespace fs = std::filesystem;

namespace {

// Starts the file elevated ("runas") with a hidden window and no error dialogs; waits for the
// launch, not for the program. The process handle is not asked for.
bool TarefasWindows(void* janela, const std::string& arquivo, const std::string& parametros,
                    std::string& erro) {
    std::wstring file = paraTextoLargo(arquivo);
    std::wstring params = paraTextoLargo(parametros);
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
    info.hwnd = static_cast<HWND>(janela);
    info.lpVerb = L"runas";
    info.lpFile = file.c_str();
    info.lpParameters = params.c_str();
    info.nShow = SW_HIDE;
    if (ShellExecuteExW(&info))
        return true;
    erro = MensagemDoSistema(GetLastError());
    return false;
}

// cmd.exe reads a batch file in the console's (OEM) code page, not the ANSI one: written in ANSI,
// a folder such as "C:\Loja Açúcar" comes out garbled and the log-on start finds nothing. Text
// the code page lacks becomes "?".
std::string paraPaginaOem(const std::string& utf8) {
    const std::wstring largo = paraTextoLargo(utf8);
    if (largo.empty())
        return {};
    const int n = WideCharToMultiByte(CP_OEMCP, 0, largo.data(), static_cast<int>(largo.size()), nullptr, 0,
                                      nullptr, nullptr);
    std::string r(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_OEMCP, 0, largo.data(), static_cast<int>(largo.size()), r.data(), n, nullptr,
                        nullptr);
    return r;
}

} // namespace

bool TutilTarefas::CreateTarefas(const std::string& TaskName, const std::string& ExecutablePath,
                                 const std::string& Parameters, void* janelaDona) {
    std::string erro;
    return TarefasWindows(janelaDona, "schtasks.exe",
                          ParametrosCriarTarefa(TaskName, ExecutablePath, Parameters), erro);
}

bool TutilTarefas::DeleteTarefas(const std::string& TaskName, std::string& erro, void* janelaDona) {
    return TarefasWindows(janelaDona, "schtasks.exe", ParametrosRemoverTarefa(TaskName), erro);
}

fs::path TutilTarefas::CaminhoRunBat(const fs::path& pasta) {
    return pasta / "RunApp.bat";
}

void TutilTarefas::CriarRunBat(const fs::path& pasta, const fs::path& executavel) {
    fs::path bat = CaminhoRunBat(pasta);
    std::error_code ec;
    if (fs::exists(bat, ec))
        return;
    AtomicFileWriter::writeFile(bat, paraPaginaOem(TextoRunBat(pathToUtf8(executavel))));
}

} // namespace mvf
