#include "ChildProcess.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <map>
#include <shellapi.h>

namespace mvf::test {

namespace {

std::map<std::string, std::function<int()>>& roles() {
    static std::map<std::string, std::function<int()>> r;
    return r;
}

std::string narrow(const wchar_t* text) {
    std::string out;
    for (; *text; ++text)
        out += static_cast<char>(*text < 128 ? *text : '?');
    return out;
}

// A program started with "--mvf-child ROLE" runs the role and exits once main has begun (every
// role is registered by then) and before any test runs.
class ChildDispatch : public ::testing::Environment {
public:
    void SetUp() override {
        int argc = 0;
        wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
        if (!argv)
            return;
        std::string role;
        for (int i = 1; i + 1 < argc; ++i)
            if (narrow(argv[i]) == "--mvf-child")
                role = narrow(argv[i + 1]);
        LocalFree(argv);
        if (role.empty())
            return;
        auto it = roles().find(role);
        std::fflush(stdout);
        std::_Exit(it == roles().end() ? 99 : it->second());
    }
};

[[maybe_unused]] ::testing::Environment* const childDispatch =
    ::testing::AddGlobalTestEnvironment(new ChildDispatch);

} // namespace

bool RegisterChildRole(const std::string& role, std::function<int()> body) {
    roles()[role] = std::move(body);
    return true;
}

void* StartChild(const std::string& role) {
    wchar_t path[MAX_PATH];
    const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (n == 0 || n == MAX_PATH)
        return nullptr;
    std::wstring command = L"\"" + std::wstring(path) + L"\" --mvf-child ";
    for (char c : role)
        command += static_cast<wchar_t>(c);
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(path, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return nullptr;
    CloseHandle(pi.hThread);
    return pi.hProcess;
}

int WaitForChildPumping(void* process, unsigned limitMs) {
    HANDLE h = static_cast<HANDLE>(process);
    const ULONGLONG end = GetTickCount64() + limitMs;
    for (;;) {
        const ULONGLONG now = GetTickCount64();
        if (now >= end) {
            TerminateProcess(h, 1);
            CloseHandle(h);
            return -1;
        }
        const DWORD r = MsgWaitForMultipleObjects(1, &h, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
        if (r == WAIT_OBJECT_0)
            break;
        if (r != WAIT_OBJECT_0 + 1) {
            CloseHandle(h);
            return -1;
        }
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    DWORD code = 0;
    GetExitCodeProcess(h, &code);
    CloseHandle(h);
    return static_cast<int>(code);
}

} // namespace mvf::test
