#include "AplicacaoQt.h"
#include "support/TempDir.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>

namespace mvf {

namespace {

// The real program, started offscreen over its own folder.
class ProgramaFixture : public ::testing::Test {
protected:
    test::TempDir home;

    void iniciar(QProcess& p) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("MARIVELTA_HOME", QString::fromStdString(home.path().string()));
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("MARIVELTA_ERP_URL", "https://127.0.0.1:9/api/mobilidade");
        p.setProcessEnvironment(env);
        p.start(MVF_PROGRAMA, {});
        ASSERT_TRUE(p.waitForStarted(10000));
    }

    void TearDown() override {
        for (QProcess* p : abertos)
            if (p->state() != QProcess::NotRunning) {
                p->kill();
                p->waitForFinished(10000);
            }
    }

    // Whether the process holds the lock of the program's folder, as the kernel lists it.
    bool seguraOBloqueio(const QProcess& p) const {
        struct stat st {};
        if (::stat((home / ".MainMarivelta.lock").c_str(), &st) != 0)
            return false;
        std::ifstream locks("/proc/locks");
        std::string linha;
        const std::string pid = " " + std::to_string(p.processId()) + " ";
        const std::string inode = ":" + std::to_string(st.st_ino) + " ";
        while (std::getline(locks, linha))
            if (linha.find("FLOCK") != std::string::npos && linha.find(pid) != std::string::npos &&
                linha.find(inode) != std::string::npos)
                return true;
        return false;
    }

    std::vector<QProcess*> abertos;
};

} // namespace

TEST_F(ProgramaFixture, ASecondStartWarnsAndExitsZeroWhileTheFirstStaysUp) {
    QProcess primeiro;
    abertos.push_back(&primeiro);
    iniciar(primeiro);
    ASSERT_TRUE(test::Aguardar([&] { return seguraOBloqueio(primeiro); }, 20000));

    QProcess segundo;
    abertos.push_back(&segundo);
    iniciar(segundo);
    ASSERT_TRUE(segundo.waitForFinished(20000));
    EXPECT_EQ(segundo.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(segundo.exitCode(), 0);
    EXPECT_TRUE(segundo.readAllStandardError().contains("O Programa já está em Execução nessa Maquina!"));
    EXPECT_EQ(primeiro.state(), QProcess::Running);
    EXPECT_TRUE(seguraOBloqueio(primeiro));
}

} // namespace mvf
