#include "AplicacaoQt.h"

#include <QApplication>
#include <QEventLoop>
#include <gtest/gtest.h>
#include <memory>

namespace mvf::test {

bool Aguardar(const std::function<bool()>& condicao, int ms) {
    QElapsedTimer relogio;
    relogio.start();
    while (!condicao()) {
        if (relogio.elapsed() > ms)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

namespace {

// One QApplication for the whole suite, on the offscreen platform unless told otherwise.
class AmbienteQt : public ::testing::Environment {
public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app_ = std::make_unique<QApplication>(argc_, argv_);
    }
    void TearDown() override { app_.reset(); }

private:
    int argc_ = 1;
    char nome_[16] = "mvf_app_tests";
    char* argv_[2] = {nome_, nullptr};
    std::unique_ptr<QApplication> app_;
};

[[maybe_unused]] const auto* const ambiente = ::testing::AddGlobalTestEnvironment(new AmbienteQt);

} // namespace

} // namespace mvf::test
