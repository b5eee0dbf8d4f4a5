#include "Datei.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class Verzeichnis : public testing::Test {
protected:
    void SetUp() override {
        std::string vorlage = testing::TempDir() + "tk_datei_XXXXXX";
        ASSERT_NE(::mkdtemp(vorlage.data()), nullptr);
        dir_ = vorlage;
    }
    void TearDown() override {
        ::chmod(dir_.c_str(), 0700);
        std::filesystem::remove_all(dir_);
    }

    std::vector<std::string> eintraege() const {
        std::vector<std::string> namen;
        for (const auto& e : std::filesystem::directory_iterator(dir_))
            namen.push_back(e.path().filename());
        return namen;
    }

    std::string pfad(const std::string& name) const { return dir_ + "/" + name; }

    static std::string inhalt(const std::string& p) {
        std::ifstream ein(p, std::ios::binary);
        std::ostringstream s;
        s << ein.rdbuf();
        return s.str();
    }

    static void schreibeDatei(const std::string& p, const std::string& text) {
        std::ofstream(p, std::ios::binary) << text;
    }

    static tk::Programmzustand beispiel() {
        tk::Programmzustand z;
        z.Bezeichnung = "Reihe, neu";
        z.AnzPaare = 4;
        z.Kennzahl = 1;
        z.redimPaare(4);
        for (int i = 1; i <= 4; ++i) {
            z.EingabeX(i) = i;
            z.EingabeY(i) = 10.5 * i;
        }
        return z;
    }

    static int code(const std::function<void()>& aktion) {
        try {
            aktion();
        } catch (const tk::Fehler& e) {
            return e.code;
        }
        return 0;
    }

    std::string dir_;
};

TEST_F(Verzeichnis, speichernErsetztVorhandeneDateiOhneReste) {
    const std::string ziel = pfad("reihe.rgr");
    schreibeDatei(ziel, "alt und viel laenger als der neue Inhalt ......................\r\n");
    tk::speichern(ziel, beispiel());
    EXPECT_EQ(eintraege(), std::vector<std::string>{"reihe.rgr"});
    std::ostringstream erwartet;
    tk::schreiben(erwartet, beispiel());
    EXPECT_EQ(inhalt(ziel), erwartet.str());
    const tk::Datensatz d = tk::laden(ziel);
    EXPECT_EQ(d.Bezeichnung, "Reihe, neu");
    ASSERT_EQ(d.AnzPaare, 4);
    EXPECT_DOUBLE_EQ(d.Y[4], 42);
}

TEST_F(Verzeichnis, fehlgeschlagenesSchreibenLaesstAlteDateiStehen) {
    const std::string ziel = pfad("reihe.rgr");
    schreibeDatei(ziel, "alt\r\n");
    auto z = beispiel();
    z.AnzPaare = 9; // more pairs than the arrays hold
    EXPECT_NE(code([&] { tk::speichern(ziel, z); }), 0);
    EXPECT_EQ(inhalt(ziel), "alt\r\n");
    EXPECT_EQ(eintraege().size(), 1u);
}

// No file can be created beside it, but the file itself may be written.
TEST_F(Verzeichnis, schreibgeschuetztesVerzeichnisSpeichertInDieDatei) {
    if (::geteuid() == 0) GTEST_SKIP() << "root may write into read-only directories";
    const std::string ziel = pfad("reihe.rgr");
    schreibeDatei(ziel, "alt\r\n");
    ASSERT_EQ(::chmod(dir_.c_str(), 0500), 0);
    tk::speichern(ziel, beispiel());
    ::chmod(dir_.c_str(), 0700);
    EXPECT_EQ(tk::laden(ziel).Bezeichnung, "Reihe, neu");
    EXPECT_EQ(eintraege().size(), 1u);
}

TEST_F(Verzeichnis, schreibgeschuetzteDateiBleibtUnveraendert) {
    if (::geteuid() == 0) GTEST_SKIP() << "root may write to read-only files";
    const std::string ziel = pfad("reihe.rgr");
    schreibeDatei(ziel, "alt\r\n");
    ASSERT_EQ(::chmod(ziel.c_str(), 0400), 0);
    EXPECT_EQ(code([&] { tk::speichern(ziel, beispiel()); }), tk::fehlercode::PfadZugriff);
    EXPECT_EQ(inhalt(ziel), "alt\r\n");
}

TEST_F(Verzeichnis, zielIstVerzeichnis) {
    const std::string ziel = pfad("ordner.rgr");
    ASSERT_EQ(::mkdir(ziel.c_str(), 0700), 0);
    EXPECT_EQ(code([&] { tk::speichern(ziel, beispiel()); }), tk::fehlercode::PfadZugriff);
    EXPECT_EQ(code([&] { tk::laden(ziel); }), tk::fehlercode::PfadZugriff);
    EXPECT_FALSE(tk::DateiVorhanden(ziel));
    EXPECT_EQ(eintraege(), std::vector<std::string>{"ordner.rgr"});
}

TEST_F(Verzeichnis, fehlendesVerzeichnisUndFehlendeDatei) {
    EXPECT_EQ(code([&] { tk::speichern(pfad("fehlt/x.rgr"), beispiel()); }),
              tk::fehlercode::PfadNichtGefunden);
    EXPECT_EQ(code([&] { tk::laden(pfad("fehlt/x.rgr")); }), tk::fehlercode::PfadNichtGefunden);
    EXPECT_EQ(code([&] { tk::laden(pfad("x.rgr")); }), tk::fehlercode::DateiNichtGefunden);
    EXPECT_EQ(code([&] { tk::loeschen(pfad("x.rgr")); }), tk::fehlercode::DateiNichtGefunden);
    EXPECT_EQ(code([&] { tk::laden(""); }), tk::fehlercode::FalscherDateiname);
}

TEST_F(Verzeichnis, ladenEinerKaputtenDateiMeldetFormatfehler) {
    const std::string ziel = pfad("kaputt.pro");
    schreibeDatei(ziel, "Titel\r\n3\r\n1\r\n");
    EXPECT_EQ(code([&] { tk::laden(ziel); }), tk::fehlercode::DateiFormat);
}

TEST_F(Verzeichnis, vorhandenUndLoeschen) {
    const std::string ziel = pfad("weg.pro");
    EXPECT_FALSE(tk::DateiVorhanden(ziel));
    tk::speichern(ziel, beispiel());
    EXPECT_TRUE(tk::DateiVorhanden(ziel));
    tk::loeschen(ziel);
    EXPECT_FALSE(tk::DateiVorhanden(ziel));
    EXPECT_FALSE(tk::DateiVorhanden(""));
}

struct ArtFall {
    const char* pfad;
    tk::DateiArt art;
};

class ArtVon : public testing::TestWithParam<ArtFall> {};

TEST_P(ArtVon, folgtDerEndung) {
    EXPECT_EQ(tk::artVon(GetParam().pfad), GetParam().art);
}

INSTANTIATE_TEST_SUITE_P(Endungen, ArtVon,
                         testing::Values(ArtFall{"a.rgr", tk::DateiArt::Regression},
                                         ArtFall{"/x/y/B.RGR", tk::DateiArt::Regression},
                                         ArtFall{"a.pro", tk::DateiArt::Prognose},
                                         ArtFall{"dir.pro/a", tk::DateiArt::Unbekannt},
                                         ArtFall{"a.pro.txt", tk::DateiArt::Unbekannt},
                                         ArtFall{"rgr", tk::DateiArt::Unbekannt},
                                         ArtFall{"", tk::DateiArt::Unbekannt}),
                         [](const auto& info) { return "Fall" + std::to_string(info.index); });

} // namespace
