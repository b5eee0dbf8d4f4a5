#include "Json.h"
#include "JsonLeser.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

struct ZahlFall {
    double wert;
    const char* text;
};

class JsonZahl : public testing::TestWithParam<ZahlFall> {};

TEST_P(JsonZahl, mitSiebzehnStellenOderNull) {
    EXPECT_EQ(tk::cli::jsonZahl(GetParam().wert), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Zahlen, JsonZahl,
                         testing::Values(ZahlFall{0.1, "0.10000000000000001"}, ZahlFall{2, "2"},
                                         ZahlFall{-1.5e-7, "-1.4999999999999999e-07"},
                                         ZahlFall{1e300, "1.0000000000000001e+300"},
                                         ZahlFall{std::numeric_limits<double>::quiet_NaN(), "null"},
                                         ZahlFall{std::numeric_limits<double>::infinity(), "null"},
                                         ZahlFall{-std::numeric_limits<double>::infinity(),
                                                  "null"}));

TEST(JsonSchreiber, schreibtVerschachteltUndMaskiert) {
    tk::cli::JsonSchreiber j;
    j.objektBeginn()
        .feld("t", std::string("a\"b\\c\r\n\x01ü"))
        .feldBeginn("l")
        .listeBeginn()
        .zahl(1.0)
        .null()
        .zahl(std::optional<double>{})
        .objektBeginn()
        .objektEnde()
        .listeEnde()
        .feld("w", true)
        .objektEnde();
    EXPECT_EQ(j.ergebnis(),
              "{\"t\":\"a\\\"b\\\\c\\r\\n\\u0001ü\",\"l\":[1,null,null,{}],\"w\":true}");
    const auto w = tk::test::JsonLeser::lies(j.ergebnis());
    EXPECT_EQ(w["t"].text, "a\"b\\c\r\n\x01ü");
}

TEST(JsonSchreiber, zahlenLassenSichVerlustfreiZuruecklesen) {
    for (const double v : {0.1, 1.0 / 3.0, -2.718281828459045, 6.02214076e23, 5e-324}) {
        tk::cli::JsonSchreiber j;
        j.listeBeginn().zahl(v).listeEnde();
        EXPECT_EQ(tk::test::JsonLeser::lies(j.ergebnis()).liste[0].zahl, v); // exact on purpose
    }
}

} // namespace
