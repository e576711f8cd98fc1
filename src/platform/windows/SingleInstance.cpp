#include "platform/SingleInstance.h"

#include "platform/windows/TextoLargo.h"

#include <windows.h>

namespace mvf {

namespace {

// The running program is found by its window class alone, so the class gets the agreed name. Qt
// gives its own windows other class names; a hidden top-level window of our own carries it and
// receives the message on the UI thread's message loop.
LRESULT CALLBACK procedimentoJanela(HWND janela, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == kMensagemInstancia) {
        auto* aoReceber = reinterpret_cast<std::function<void()>*>(GetWindowLongPtrW(janela, GWLP_USERDATA));
        if (aoReceber && *aoReceber)
            (*aoReceber)();
        return 0;
    }
    return DefWindowProcW(janela, msg, wParam, lParam);
}

} // namespace

struct SingleInstance::Impl {
    HANDLE mutex = nullptr;
    bool outra = false;
    HWND janela = nullptr;
    std::function<void()> aoReceber;

    ~Impl() {
        if (janela)
            DestroyWindow(janela);
        if (mutex)
            CloseHandle(mutex);
    }
};

SingleInstance::SingleInstance(const std::filesystem::path&) : impl_(std::make_unique<Impl>()) {
    std::wstring nome = paraTextoLargo(kNomeMutexInstancia);
    impl_->mutex = CreateMutexW(nullptr, TRUE, nome.c_str());
    impl_->outra = impl_->mutex != nullptr && GetLastError() == ERROR_ALREADY_EXISTS;
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::outraEmExecucao() const {
    return impl_->outra;
}

bool SingleInstance::avisarInstanciaEmExecucao() {
    std::wstring classe = paraTextoLargo(kClasseJanelaPrincipal);
    HWND janela = FindWindowW(classe.c_str(), nullptr);
    if (!janela)
        janela = FindWindowExW(HWND_MESSAGE, nullptr, classe.c_str(), nullptr);
    if (!janela)
        return false;
    SendMessageW(janela, kMensagemInstancia, 0, 0);
    return true;
}

void SingleInstance::escutar(std::function<void()> aoReceber) {
    if (impl_->outra || impl_->janela)
        return;
    impl_->aoReceber = std::move(aoReceber);
    std::wstring classe = paraTextoLargo(kClasseJanelaPrincipal);
    HINSTANCE modulo = GetModuleHandleW(nullptr);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = procedimentoJanela;
    wc.hInstance = modulo;
    wc.lpszClassName = classe.c_str();
    if (!RegisterClassExW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        return;
    impl_->janela = CreateWindowExW(WS_EX_TOOLWINDOW, classe.c_str(), L"", WS_POPUP, 0, 0, 0, 0, nullptr,
                                    nullptr, modulo, nullptr);
    // Without a desktop (a service session, Wine with no display) only a message-only window can
    // be made; a second start looks there too.
    if (!impl_->janela)
        impl_->janela =
            CreateWindowExW(0, classe.c_str(), L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, modulo, nullptr);
    if (impl_->janela)
        SetWindowLongPtrW(impl_->janela, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&impl_->aoReceber));
}

} // namespace mvf
