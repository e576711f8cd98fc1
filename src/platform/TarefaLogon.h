#pragma once

#include <filesystem>
#include <string>

namespace mvf {

// The log-on task that starts the program in the background at every log-on.
inline constexpr const char* kNomeTarefaLogon = "Vuzurevedev Marivelta";

// The log-on routines of the utility class (the data layer holds its other routines).
class TutilTarefas {
public:
    TutilTarefas() = delete;

    // Windows: launches "schtasks.exe" elevated and hidden to create (or replace) a task that runs
    // ExecutablePath at log-on with the highest run level. Linux: writes the desktop autostart entry
    // named after the task. True when schtasks could be started (or the entry was written); whether
    // schtasks itself succeeded is not known.
    static bool CreateTarefas(const std::string& TaskName, const std::string& ExecutablePath,
                              const std::string& Parameters, void* janelaDona = nullptr);

    // The reverse: schtasks /DELETE, or removing the autostart entry (a missing one is no error).
    // False with the reason in erro when the launch or the removal fails.
    static bool DeleteTarefas(const std::string& TaskName, std::string& erro, void* janelaDona = nullptr);

    // The start script beside the program's files: RunApp.bat on Windows, RunApp.sh elsewhere.
    static std::filesystem::path CaminhoRunBat(const std::filesystem::path& pasta);

    // Writes the start script for the executable into the folder when it is missing; an existing one
    // is never rewritten. Throws an error naming the file (FileWriteError) when it cannot be written.
    static void CriarRunBat(const std::filesystem::path& pasta, const std::filesystem::path& executavel);
};

// The exact texts, apart from the OS calls, so they can be checked anywhere.

// /Create /TN "name" /TR "path params" /SC ONLOGON /RL HIGHEST /F
std::string ParametrosCriarTarefa(const std::string& TaskName, const std::string& ExecutablePath,
                                  const std::string& Parameters);
// /DELETE /TN "name" /F
std::string ParametrosRemoverTarefa(const std::string& TaskName);
// The four lines of RunApp.bat (UTF-8; the caller writes them in the ANSI code page) for a
// Windows path such as C:\Marivelta\MariveltaFerramentas.exe.
std::string TextoRunBat(const std::string& executavelWindows);
// The POSIX shell counterpart for a Linux executable path.
std::string TextoRunSh(const std::string& executavel);
// The desktop autostart entry that runs the command.
std::string TextoEntradaAutostart(const std::string& TaskName, const std::string& ExecutablePath,
                                  const std::string& Parameters);

} // namespace mvf
