// Stands in for the program that RunApp.bat starts: records the folder it was started in.
#include <windows.h>

#include <string>

int main() {
    wchar_t pasta[MAX_PATH];
    const DWORD n = GetCurrentDirectoryW(MAX_PATH, pasta);
    if (n == 0 || n >= MAX_PATH)
        return 1;
    const std::wstring arquivo = std::wstring(pasta) + L"\\iniciado.txt";
    HANDLE h = CreateFileW(arquivo.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return 1;
    DWORD escritos = 0;
    const BOOL ok = WriteFile(h, pasta, n * sizeof(wchar_t), &escritos, nullptr);
    CloseHandle(h);
    return ok ? 0 : 1;
}
