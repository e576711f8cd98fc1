#include "data/JsonLeitura.h"

#include <gtest/gtest.h>

namespace mvf {
namespace {

using nlohmann::json;
namespace jl = json_leitura;

const json obj =
    json::parse(R"({"s":"01","n":120,"f":1.5,"t":true,"z":null,"neg":-3,"si":"42","o":{},"a":[1]})");

TEST(JsonLeitura, TextoDeStringNumeroOuBooleano) {
    EXPECT_EQ(jl::texto(obj, "s"), "01");
    EXPECT_EQ(jl::texto(obj, "n"), "120");
    EXPECT_EQ(jl::texto(obj, "f"), "1.5");
    EXPECT_EQ(jl::texto(obj, "t"), "true");
    EXPECT_EQ(jl::texto(obj, "z", "padrão"), "padrão");
    EXPECT_EQ(jl::texto(obj, "falta", ""), "");
    EXPECT_THROW(jl::texto(obj, "z"), JsonErro);
    EXPECT_THROW(jl::texto(obj, "o"), JsonErro);
    try {
        jl::texto(obj, "Nome");
        FAIL();
    } catch (const JsonErro& e) {
        EXPECT_STREQ(e.what(), "Membro \"Nome\" não encontrado na resposta do servidor");
    }
}

TEST(JsonLeitura, NumerosEBooleanos) {
    EXPECT_EQ(jl::inteiro(obj, "n"), 120);
    EXPECT_EQ(jl::inteiro(obj, "neg", 0), -3);
    EXPECT_EQ(jl::inteiro(obj, "si", 0), 42);
    EXPECT_EQ(jl::inteiro(obj, "z", 7), 7);
    EXPECT_THROW(jl::inteiro(obj, "f", 0), JsonErro);
    EXPECT_THROW(jl::inteiro(obj, "t", 0), JsonErro);
    EXPECT_DOUBLE_EQ(jl::real(obj, "f", 0), 1.5);
    EXPECT_DOUBLE_EQ(jl::real(obj, "n", 0), 120);
    EXPECT_DOUBLE_EQ(jl::real(obj, "falta", 2.5), 2.5);
    EXPECT_THROW(jl::real(obj, "o", 0), JsonErro);
    EXPECT_THROW(jl::real(obj, "t", 0), JsonErro);
    EXPECT_TRUE(jl::booleano(obj, "t"));
    EXPECT_TRUE(jl::booleano(obj, "z", true));
    EXPECT_THROW(jl::booleano(obj, "n", true), JsonErro);
    EXPECT_EQ(jl::lista(obj, "a").size(), 1u);
    EXPECT_THROW(jl::lista(obj, "z"), JsonErro);
    EXPECT_THROW(jl::lista(obj, "o"), JsonErro);
}

TEST(JsonLeitura, TextoMalformado) {
    EXPECT_THROW(jl::analisar("[{\"a\":"), JsonErro);
    EXPECT_THROW(jl::analisar("\"\xff\""), JsonErro) << "not UTF-8";
    EXPECT_EQ(jl::analisar(" [] ").size(), 0u);
}

TEST(JsonAscii, EscapaForaDoAscii) {
    EXPECT_EQ(JsonAscii(json("ação/x")), "\"a\\u00E7\\u00E3o/x\"");
    EXPECT_EQ(JsonAscii(json::parse(R"({"b":[1,"é"],"a":null})")), "{\"a\":null,\"b\":[1,\"\\u00E9\"]}");
    EXPECT_EQ(JsonObjetoDeTextos({{"z", "1"}, {"a", "\x1f"}}), "{\"z\":\"1\",\"a\":\"\\u001F\"}");
}

} // namespace
} // namespace mvf
