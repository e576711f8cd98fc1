#include "app/ThreadUi.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>
#include <exception>

namespace mvf {

bool NaThreadUi() {
    QCoreApplication* app = QCoreApplication::instance();
    return app && QThread::currentThread() == app->thread();
}

void ExecutarNaThreadUi(const std::function<void()>& passo) {
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || NaThreadUi()) {
        passo();
        return;
    }
    std::exception_ptr erro;
    QMetaObject::invokeMethod(
        app,
        [&] {
            try {
                passo();
            } catch (...) {
                erro = std::current_exception();
            }
        },
        Qt::BlockingQueuedConnection);
    if (erro)
        std::rethrow_exception(erro);
}

void PostarNaThreadUi(std::function<void()> passo) {
    QCoreApplication* app = QCoreApplication::instance();
    if (!app)
        return;
    QMetaObject::invokeMethod(app, std::move(passo), Qt::QueuedConnection);
}

} // namespace mvf
