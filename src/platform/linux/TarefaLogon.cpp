#include "platform/TarefaLogon.h"

#include "core/AtomicFileWriter.h"
#include "core/FileWriteError.h"
#include "core/PathText.h"

#include <cstdlib>
#include <system_error>

namespace mvf {

namespace fs = std::filesystem;

namespace {

fs::path autostartFolder() {
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg)
        return fs::path(xdg) / "autostart";
    if (const char* home = std::getenv("HOME"); home && *home)
        return fs::path(home) / ".config" / "autostart";
    return {};
}

fs::path entryFor(const std::string& taskName) {
    return autostartFolder() / (taskName + ".desktop");
}

// Written beside the target and renamed over it, so the desktop never reads half an entry.
bool writeReplacing(const fs::path& file, const std::string& text, fs::perms perms, std::string& erro) {
    try {
        AtomicFileWriter::writeFile(file, text);
    } catch (const FileWriteError& e) {
        erro = e.what();
        return false;
    }
    std::error_code ec;
    fs::permissions(file, perms, ec);
    return true;
}

} // namespace

bool TutilTarefas::CreateTarefas(const std::string& TaskName, const std::string& ExecutablePath,
                                 const std::string& Parameters, void*) {
    fs::path entry = entryFor(TaskName);
    if (entry.parent_path().empty())
        return false;
    std::error_code ec;
    fs::create_directories(entry.parent_path(), ec);
    std::string erro;
    return writeReplacing(entry, TextoEntradaAutostart(TaskName, ExecutablePath, Parameters),
                          fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                              fs::perms::others_read,
                          erro);
}

bool TutilTarefas::DeleteTarefas(const std::string& TaskName, std::string& erro, void*) {
    fs::path entry = entryFor(TaskName);
    if (entry.parent_path().empty()) {
        erro = "pasta de início automático desconhecida";
        return false;
    }
    std::error_code ec;
    fs::remove(entry, ec);
    if (ec) {
        erro = ec.message();
        return false;
    }
    return true;
}

fs::path TutilTarefas::CaminhoRunBat(const fs::path& pasta) {
    return pasta / "RunApp.sh";
}

void TutilTarefas::CriarRunBat(const fs::path& pasta, const fs::path& executavel) {
    fs::path script = CaminhoRunBat(pasta);
    std::error_code ec;
    if (fs::exists(script, ec))
        return;
    AtomicFileWriter::writeFile(script, TextoRunSh(pathToUtf8(executavel)));
    fs::permissions(script,
                    fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                        fs::perms::others_read | fs::perms::others_exec,
                    ec);
}

} // namespace mvf
