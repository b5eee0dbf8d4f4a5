#include "Json.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using tk::cli::Json;
using tk::cli::jsonText;

struct ZahlFall {
    double wert;
    const char* text;
};

class JsonZahl : public testing::TestWithParam<ZahlFall> {};

TEST_P(JsonZahl, mitSiebzehnStellenOderNull) {
    EXPECT_EQ(jsonText(Json(GetParam().wert)), GetParam().text);
    // read back exactly
    if (std::isfinite(GetParam().wert)) {
        EXPECT_EQ(Json::parse(GetParam().text).get<double>(), GetParam().wert);
    }
}

INSTANTIATE_TEST_SUITE_P(Zahlen, JsonZahl,
                         testing::Values(ZahlFall{0.1, "0.10000000000000001"}, ZahlFall{2, "2"},
                                         ZahlFall{-1.5e-7, "-1.4999999999999999e-07"},
                                         ZahlFall{std::numeric_limits<double>::quiet_NaN(), "null"},
                                         ZahlFall{-std::numeric_limits<double>::infinity(),
                                                  "null"}));

TEST(JsonText, kompaktInDerReihenfolgeDerFelder) {
    const Json j = {
        {"t", "a\"b\\c\r\n\x01ü"}, {"l", {1, nullptr, 0.5, Json::object()}}, {"a", true}};
    EXPECT_EQ(jsonText(j),
              "{\"t\":\"a\\\"b\\\\c\\r\\n\\u0001ü\",\"l\":[1,null,0.5,{}],\"a\":true}");
}

} // namespace
