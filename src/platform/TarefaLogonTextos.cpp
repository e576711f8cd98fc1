#include "platform/TarefaLogon.h"

namespace mvf {

namespace {

std::size_t lastSeparator(const std::string& path) {
    return path.find_last_of("\\/");
}

// The drive part as the batch file needs it: "C:" or the "\\server\share" of a network path.
std::string driveOf(const std::string& path) {
    if (path.size() >= 2 && path[1] == ':')
        return path.substr(0, 2);
    if (path.size() > 2 && (path[0] == '\\' || path[0] == '/') && (path[1] == '\\' || path[1] == '/')) {
        std::size_t server = path.find_first_of("\\/", 2);
        if (server == std::string::npos)
            return path;
        std::size_t share = path.find_first_of("\\/", server + 1);
        return share == std::string::npos ? path : path.substr(0, share);
    }
    return {};
}

std::string folderOf(const std::string& path) {
    std::size_t sep = lastSeparator(path);
    if (sep == std::string::npos)
        return {};
    std::string folder = path.substr(0, sep);
    // The root keeps its backslash: "C:\" is a folder, "C:" is the drive's current folder.
    if (folder.size() == 2 && folder[1] == ':')
        folder += '\\';
    return folder;
}

std::string nameOf(const std::string& path) {
    std::size_t sep = lastSeparator(path);
    return sep == std::string::npos ? path : path.substr(sep + 1);
}

std::string shellQuoted(const std::string& text) {
    std::string out = "'";
    for (char c : text) {
        if (c == '\'')
            out += "'\\''";
        else
            out += c;
    }
    return out + "'";
}

// A desktop entry's Exec argument: quoted, with the characters the entry format reserves escaped,
// then escaped once more as the entry's string value.
std::string execQuoted(const std::string& text) {
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"' || c == '`' || c == '$' || c == '\\')
            quoted += '\\';
        if (c == '%')
            quoted += '%';
        quoted += c;
    }
    quoted += '"';
    std::string out;
    for (char c : quoted) {
        if (c == '\\')
            out += '\\';
        out += c;
    }
    return out;
}

std::string oneLine(const std::string& text) {
    std::string out = text;
    for (char& c : out)
        if (c == '\r' || c == '\n')
            c = ' ';
    return out;
}

} // namespace

std::string ParametrosCriarTarefa(const std::string& TaskName, const std::string& ExecutablePath,
                                  const std::string& Parameters) {
    // The task runs /TR as a command line: a path with blanks must be quoted inside the value or
    // the scheduler would run only its first word.
    std::string path =
        ExecutablePath.find(' ') == std::string::npos ? ExecutablePath : "\\\"" + ExecutablePath + "\\\"";
    return "/Create /TN \"" + TaskName + "\" /TR \"" + path + " " + Parameters +
           "\" /SC ONLOGON /RL HIGHEST /F";
}

std::string ParametrosRemoverTarefa(const std::string& TaskName) {
    return "/DELETE /TN \"" + TaskName + "\" /F";
}

std::string TextoRunBat(const std::string& executavelWindows) {
    return "@echo off\r\n" + driveOf(executavelWindows) + "\r\ncd " + folderOf(executavelWindows) +
           "\r\nstart \"\" " + nameOf(executavelWindows) + "\r\n";
}

std::string TextoRunSh(const std::string& executavel) {
    std::size_t sep = executavel.find_last_of('/');
    std::string folder = sep == std::string::npos ? "." : sep == 0 ? "/" : executavel.substr(0, sep);
    return "#!/bin/sh\ncd " + shellQuoted(folder) + " || exit 1\nexec " +
           shellQuoted("./" + nameOf(executavel)) + "\n";
}

std::string TextoEntradaAutostart(const std::string& TaskName, const std::string& ExecutablePath,
                                  const std::string& Parameters) {
    std::string exec = execQuoted(ExecutablePath);
    if (!Parameters.empty())
        exec.append(1, ' ').append(oneLine(Parameters));
    return "[Desktop Entry]\nType=Application\nName=" + oneLine(TaskName) + "\nExec=" + exec +
           "\nTerminal=false\nX-GNOME-Autostart-enabled=true\n";
}

} // namespace mvf
