#include "Datei.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <vector>

namespace {

tk::Programmzustand zustandMit(const std::string& titel, const std::vector<double>& x,
                               const std::vector<double>& y) {
    tk::Programmzustand z;
    z.Bezeichnung = titel;
    z.AnzPaare = static_cast<int>(x.size());
    z.Kennzahl = 1;
    z.redimPaare(z.AnzPaare, false);
    for (int i = 1; i <= z.AnzPaare; ++i) {
        z.EingabeX(i) = x[static_cast<std::size_t>(i - 1)];
        z.EingabeY(i) = y[static_cast<std::size_t>(i - 1)];
    }
    return z;
}

std::string geschrieben(const tk::Programmzustand& z) {
    std::ostringstream aus;
    tk::schreiben(aus, z);
    return aus.str();
}

TEST(Schreiben, erzeugtZeilenMitCrLfInListenform) {
    const auto z = zustandMit("Umsatz, Kosten", {2, 3, -4.5, 0.0000001}, {8, 11, 14, -2000000});
    EXPECT_EQ(geschrieben(z), "Umsatz@ Kosten\r\n"
                              " 4 \r\n"
                              " 1 \r\n"
                              " 2  8 \r\n"
                              " 3  11 \r\n"
                              "-4.5  14 \r\n"
                              " 1E-07 -2000000 \r\n");
}

// Line 1 in the Western European code page, kept on one line.
TEST(Schreiben, titelzeileInWindows1252UndEinzeilig) {
    for (const auto& [titel, zeile] :
         {std::pair<std::string, std::string>{"Äpfel € „x“ 日本", "\xC4pfel \x80 \x84x\x93 ??"},
          {"eins\nzwei\rdrei", "eins zwei drei"}}) {
        const std::string text = geschrieben(zustandMit(titel, {1, 2, 3, 4}, {1, 2, 3, 4}));
        EXPECT_EQ(text.substr(0, text.find("\r\n")), zeile);
    }
}

TEST(Schreiben, verweigertUnvollstaendigenDatensatz) {
    auto z = zustandMit("T", {1, 2, 3, 4}, {1, 2, 3, 4});
    z.AnzPaare = 6;
    std::ostringstream aus;
    EXPECT_THROW(tk::schreiben(aus, z), tk::Fehler);
}

TEST(Titel, speichernUndHolenTauschenKommaUndAt) {
    std::string t = "a,b, c";
    tk::TitelSpeichern(t);
    EXPECT_EQ(t, "a@b@ c");
    t = "x@y,z";
    tk::TitelHolen(t);
    EXPECT_EQ(t, "x,y,z");
}

// ---- save then load gives the same data set

struct Rundreise {
    const char* name;
    std::string titel;
    std::string titelZurueck;
    std::vector<double> x, y;
};

class SchreibenLesen : public testing::TestWithParam<Rundreise> {};

TEST_P(SchreibenLesen, gibtDenselbenDatensatz) {
    const auto& f = GetParam();
    const auto z = zustandMit(f.titel, f.x, f.y);
    std::istringstream ein(geschrieben(z));
    const tk::Datensatz d = tk::lesen(ein);
    EXPECT_EQ(d.Bezeichnung, f.titelZurueck);
    ASSERT_EQ(d.AnzPaare, static_cast<int>(f.x.size()));
    EXPECT_EQ(d.Kennzahl, 1);
    for (std::size_t i = 1; i <= f.x.size(); ++i) {
        // 15 significant digits survive the list-output form
        EXPECT_NEAR(d.X[i], f.x[i - 1], std::fabs(f.x[i - 1]) * 1e-14) << "X " << i;
        EXPECT_NEAR(d.Y[i], f.y[i - 1], std::fabs(f.y[i - 1]) * 1e-14) << "Y " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Datensaetze, SchreibenLesen,
    testing::Values(
        Rundreise{"KommasImTitel",
                  "Absatz, Nord, 2024",
                  "Absatz, Nord, 2024",
                  {1, 2, 3, 4},
                  {5, 6, 7, 8}},
        Rundreise{"AtWirdKomma", "mail@example", "mail,example", {1, 2, 3, 4}, {5, 6, 7, 8}},
        Rundreise{"Umlaute", "Größe über Maß", "Größe über Maß", {1, 2, 3, 4}, {5, 6, 7, 8}},
        Rundreise{"NichtDarstellbar", "Ω-Test", "?-Test", {1, 2, 3, 4}, {5, 6, 7, 8}},
        Rundreise{"ZitatVorn", "\"Zitat\" Rest", "\"Zitat\" Rest", {1, 2, 3, 4}, {5, 6, 7, 8}},
        Rundreise{"GanzZitat", "\"Zitat\"", "\"Zitat\"", {1, 2, 3, 4}, {5, 6, 7, 8}},
        Rundreise{"NurAnfuehrungszeichen", "\"", "\"", {1, 2, 3, 4}, {5, 6, 7, 8}},
        Rundreise{"Blanks", "  eingerückt ", "  eingerückt ", {1, 2, 3, 4}, {5, 6, 7, 8}},
        Rundreise{"Grenzwerte",
                  "T",
                  "T",
                  {1.7976931348623157e308, -1e-300, 2.2250738585072014e-308, 0.1},
                  {-1.7976931348623157e308, 123456789012345678.0, 1, 2}},
        Rundreise{"KrummeWerte",
                  "T",
                  "T",
                  {0.1, 1.0 / 3.0, -2.718281828459045, 123456789.123, 1e-9},
                  {1e15, -1e-20, 3.14159265358979, 0.0000001, 6.02214076e23}},
        Rundreise{"EinundzwanzigPaare", "", "", std::vector<double>(21, 1.5),
                  std::vector<double>(21, -7.25)}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- taking a read data set into the program state

TEST(Uebernehmen, setztDatensatzZusatzUndArbeitskopien) {
    tk::Programmzustand z;
    z.AnzPaare = 7;
    z.redimPaare(7);
    for (int i = 1; i <= 7; ++i) z.EingabeX(i) = z.EingabeY(i) = 99;

    tk::Datensatz d;
    d.Bezeichnung = "Neu, geladen";
    d.AnzPaare = 4;
    d.Kennzahl = 3;
    d.X = {0, 0, 1, -1, 2.5};
    d.Y = {0, 5, 0, 1, -1};
    tk::uebernehmen(z, d);

    EXPECT_EQ(z.Bezeichnung, "Neu, geladen");
    EXPECT_EQ(z.AnzPaare, 4);
    EXPECT_EQ(z.Kennzahl, 3);
    EXPECT_TRUE(z.AnzahlOK);
    EXPECT_EQ(z.EingabeX.groesse(), 4);
    EXPECT_EQ(z.XWert.groesse(), 4);
    const std::vector<double> x = {0.0000001, 1.0000001, -1.0000001, 2.5};
    const std::vector<double> y = {5, 0.0000001, 1.0000001, -1.0000001};
    for (int i = 1; i <= 4; ++i) {
        EXPECT_NEAR(z.EingabeX(i), x[static_cast<std::size_t>(i - 1)], 1e-15) << i;
        EXPECT_NEAR(z.EingabeY(i), y[static_cast<std::size_t>(i - 1)], 1e-15) << i;
        EXPECT_EQ(z.XWert(i), z.EingabeX(i));
        EXPECT_EQ(z.YWert(i), z.EingabeY(i));
    }
}

TEST(Uebernehmen, verweigertDatensatzMitZuWenigPaaren) {
    tk::Programmzustand z;
    tk::Datensatz d;
    d.AnzPaare = 5;
    d.X = d.Y = {0, 1, 2};
    EXPECT_THROW(tk::uebernehmen(z, d), tk::Fehler);
    EXPECT_EQ(z.AnzPaare, 0);
}

} // namespace
