// The pair entry's rules without a window: entry sequences from paare.txt and what they
// leave behind (pairs, pairs entered, the last message, the next field, the pair named).

#include "entry/Paareingabe.h"

#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <sstream>

namespace tk {
namespace {

// name, steps, pairs, pairs entered, last message, focus, pair named
using Ablauf = std::vector<std::string>;

std::vector<Ablauf> ablaeufe() {
    std::vector<Ablauf> liste;
    std::ifstream datei(TK_PAARE);
    const std::regex trenner(" \\| ");
    for (std::string z; std::getline(datei, z);)
        if (!z.empty() && z[0] != '#')
            liste.emplace_back(std::sregex_token_iterator(z.begin(), z.end(), trenner, -1),
                               std::sregex_token_iterator());
    return liste;
}

std::string paareVon(const Programmzustand& z) {
    std::ostringstream p;
    p.precision(6);
    for (int i = 1; i <= std::min(z.AnzPaare, z.EingabeX.groesse()); ++i)
        p << (i > 1 ? "|" : "") << z.EingabeX(i) << ' ' << z.EingabeY(i);
    return p.str();
}

// One step; steps are explained at the top of paare.txt.
Folge schritt(Paareingabe& e, const std::string& w, std::optional<Paareingabe::Stand>& gemerkt) {
    const std::string rest = w.substr(1);
    const auto zahl = [&] { return rest.empty() ? std::nullopt : std::optional(std::stod(rest)); };
    if (w == "ok") return e.anzahlBestaetigen(false);
    if (w == "ja" || w == "nein") return e.beantworten(w == "ja");
    if (w == "merk") gemerkt = e.stand(); // and no change
    if (w == "zurueck") return e.standAnwenden(gemerkt.value());
    if (w == "s") return {.meldung = e.speichernVerweigert()};
    if (w[0] == 'A') return e.anzahlVerlassen(zahl());
    if (w[0] == 'x' || w[0] == 'X') return e.paarfeldVerlassen(WertX, zahl(), !zahl(), w[0] == 'X');
    if (w[0] == 'y') return e.paarfeldVerlassen(WertY, zahl(), !zahl(), true);
    if (w[0] == 'k') return e.korrekturWaehlen(std::stoi(rest) - 1);
    if (w[0] == 'd') return e.loeschenWaehlen(std::stoi(rest) - 1);
    return w == "merk" ? Folge{} : throw std::runtime_error("unbekannter Schritt " + w);
}

class Paareingabefolge : public testing::TestWithParam<Ablauf> {};

TEST_P(Paareingabefolge, HinterlaesstDenDatensatz) {
    const Ablauf& a = GetParam();
    ASSERT_EQ(a.size(), 7u);
    Programmzustand z;
    Paareingabe e(z); // as the window starts: empty
    std::string meldung = "-", fokus = "-";
    std::optional<Paareingabe::Stand> gemerkt;
    std::istringstream woerter(std::regex_replace(
        a[1], std::regex("fuenf"), "A5 ok x1 y2.1 x2 y3.9 x3 y6.2 x4 y7.8 x5 y10.1"));
    for (std::string w; woerter >> w;) {
        const Folge f = schritt(e, w, gemerkt);
        if (f.meldung || f.frage) meldung = (f.frage ? f.frage : f.meldung)->text;
        fokus = std::array{"-", "T", "A", "X", "OK"}.at(static_cast<std::size_t>(f.fokus));
    }
    EXPECT_TRUE(a[2] == "*" || paareVon(z) == a[2]) << paareVon(z);
    EXPECT_EQ(e.eingegeben(), std::stoi(a[3]));
    EXPECT_TRUE(meldung.starts_with(a[4])) << meldung;
    EXPECT_EQ(fokus, a[5]);
    const int paar = e.korrekturModus() ? e.korrekturIndex() : e.naechstesPaar();
    EXPECT_TRUE(a[6] == "0" || std::to_string(paar) == a[6]) << paar;
}

INSTANTIATE_TEST_SUITE_P(Paare, Paareingabefolge, testing::ValuesIn(ablaeufe()));

} // namespace
} // namespace tk
