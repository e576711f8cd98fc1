#pragma once

#include "data/T_dmDados.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace mvf::test {

// A fresh banco.db in a temporary folder, connected.
class BancoTeste : public ::testing::Test {
protected:
    BancoTeste() : dm(dir.path()) { dm.ConectarBanco(); }

    void executar(const std::string& sql) {
        auto q = dm.getInstanciaQuery();
        q->setSQL(sql);
        q->execSQL();
    }
    std::string valor(const std::string& sql) {
        auto q = dm.getInstanciaQuery();
        q->setSQL(sql);
        q->open();
        return q->eof() ? std::string("<sem linha>") : q->rows()[0][0].asString();
    }

    TempDir dir;
    T_dmDados dm;
};

} // namespace mvf::test
