// The file system side: the atomic save, loading, existence, deletion, file kinds.

#include "datafile/Datei.h"
#include "tests/support/Wertepaare.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace {

class Verzeichnis : public testing::Test {
protected:
    void SetUp() override {
        std::string vorlage = testing::TempDir() + "tk_datei_XXXXXX";
        ASSERT_NE(::mkdtemp(vorlage.data()), nullptr);
        dir_ = vorlage;
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::size_t eintraege() const {
        return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(dir_),
                                                      std::filesystem::directory_iterator()));
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
        auto z = tk::test::zustandMit({{2, 21}, {3, 31.5}, {4, 42}, {5, 52.5}});
        z.Bezeichnung = "Reihe, neu";
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

TEST_F(Verzeichnis, speichernErsetztDieDateiOhneResteAuchHinterEinemLink) {
    const std::string ziel = pfad("reihe.rgr");
    schreibeDatei(ziel, "alt und viel laenger als der neue Inhalt ......................\r\n");
    std::filesystem::create_symlink(ziel, pfad("link.rgr"));
    tk::speichern(pfad("link.rgr"), beispiel());
    EXPECT_TRUE(std::filesystem::is_symlink(pfad("link.rgr")));
    EXPECT_EQ(eintraege(), 2u);
    std::ostringstream erwartet;
    tk::schreiben(erwartet, beispiel());
    EXPECT_EQ(inhalt(ziel), erwartet.str());
    const tk::Datensatz d = tk::laden(ziel);
    EXPECT_EQ(d.Bezeichnung, "Reihe, neu");
    ASSERT_EQ(d.AnzPaare, 4);
    EXPECT_DOUBLE_EQ(d.Y[4], 52.5);
}

// A failed save, before or while writing, leaves the old file and no temporary one.
TEST_F(Verzeichnis, fehlgeschlagenesSpeichernLaesstAlteDateiStehen) {
    const std::string ziel = pfad("reihe.rgr");
    schreibeDatei(ziel, "alt\r\n");
    auto z = beispiel();
    z.AnzPaare = 9; // more pairs than the arrays hold
    EXPECT_EQ(code([&] { tk::speichern(ziel, z); }), tk::fehlercode::DateiFormat);
    auto wege = tk::Speicherwege::system();
    wege.schreiben = [](int, const void*, std::size_t, off_t) { return ssize_t(0); };
    EXPECT_EQ(code([&] { tk::speichern(ziel, beispiel(), wege); }), 61);
    // the same through a named temporary file, where unnamed files are not supported
    wege.oeffnen = [](const char* p, int flags, mode_t rechte) {
        return (flags & O_TMPFILE) == O_TMPFILE ? -1 : ::open(p, flags, rechte);
    };
    EXPECT_EQ(code([&] { tk::speichern(ziel, beispiel(), wege); }), 61);
    EXPECT_EQ(inhalt(ziel), "alt\r\n");
    EXPECT_EQ(eintraege(), 1u);
}

// Where no file can be made beside the target, it is written in place: a save killed
// after writing and before truncating leaves the new data set, not the old one's tail.
TEST_F(Verzeichnis, speichernAnOrtUndStelleOhneAltenRest) {
    const std::string ziel = pfad("reihe.rgr");
    schreibeDatei(ziel, std::string(400, 'x'));
    auto wege = tk::Speicherwege::system();
    wege.oeffnen = [](const char* p, int flags, mode_t rechte) {
        if ((flags & O_CREAT) || (flags & O_TMPFILE) == O_TMPFILE) return errno = EACCES, -1;
        return ::open(p, flags, rechte);
    };
    const auto normal = wege.schreiben;
    wege.schreiben = [normal](int fd, const void* d, std::size_t n, off_t stelle) -> ssize_t {
        normal(fd, d, n, stelle);
        throw std::runtime_error("beendet"); // the process dies before truncating
    };
    std::ostringstream erwartet;
    tk::schreiben(erwartet, beispiel());
    EXPECT_THROW(tk::speichern(ziel, beispiel(), wege), std::runtime_error);
    EXPECT_EQ(inhalt(ziel), erwartet.str() + std::string(400 - erwartet.str().size(), '\n'));
    EXPECT_EQ(tk::laden(ziel).Bezeichnung, "Reihe, neu");
    tk::speichern(ziel, beispiel(), {wege.oeffnen, normal});
    EXPECT_EQ(inhalt(ziel), erwartet.str());
}

// Leftovers of a killed save of the same target go; those of a save still running (this
// process) and of other files stay.
TEST_F(Verzeichnis, speichernRaeumtVerwaisteTempDateienAuf) {
    const std::string eigen = ".daten.rgr.tmp-" + std::to_string(::getpid()) + "-7";
    for (const std::string& n : {std::string(".daten.rgr.tmp-999999999-3"), eigen,
                                 std::string(".andere.rgr.tmp-999999999-1")})
        schreibeDatei(pfad(n), "x");
    tk::speichern(pfad("daten.rgr"), beispiel());
    EXPECT_FALSE(std::filesystem::exists(pfad(".daten.rgr.tmp-999999999-3")));
    EXPECT_EQ(eintraege(), 3u);
}

TEST_F(Verzeichnis, fehlerKodesDerPfade) {
    const std::string ordner = pfad("ordner.rgr");
    ASSERT_TRUE(std::filesystem::create_directory(ordner));
    EXPECT_EQ(code([&] { tk::speichern(ordner, beispiel()); }), tk::fehlercode::PfadZugriff);
    EXPECT_EQ(code([&] { tk::laden(ordner); }), tk::fehlercode::PfadZugriff);
    EXPECT_FALSE(tk::DateiVorhanden(ordner));
    EXPECT_EQ(code([&] { tk::speichern(pfad("fehlt/x.rgr"), beispiel()); }),
              tk::fehlercode::PfadNichtGefunden);
    EXPECT_EQ(code([&] { tk::laden(pfad("fehlt/x.rgr")); }), tk::fehlercode::PfadNichtGefunden);
    EXPECT_EQ(code([&] { tk::laden(pfad("x.rgr")); }), tk::fehlercode::DateiNichtGefunden);
    EXPECT_EQ(code([&] { tk::loeschen(pfad("x.rgr")); }), tk::fehlercode::DateiNichtGefunden);
    EXPECT_EQ(code([&] { tk::laden(""); }), tk::fehlercode::FalscherDateiname);
    // a name of 255 bytes is saved; a longer one and a loop of links are named as such
    tk::speichern(pfad(std::string(251, 'n') + ".rgr"), beispiel());
    EXPECT_EQ(tk::laden(pfad(std::string(251, 'n') + ".rgr")).AnzPaare, 4);
    EXPECT_EQ(code([&] { tk::speichern(pfad(std::string(252, 'n') + ".rgr"), beispiel()); }),
              tk::fehlercode::FalscherDateiname);
    std::filesystem::create_symlink(pfad("b.rgr"), pfad("a.rgr"));
    std::filesystem::create_symlink(pfad("a.rgr"), pfad("b.rgr"));
    EXPECT_EQ(code([&] { tk::laden(pfad("a.rgr")); }), tk::fehlercode::FalscherDateiname);
    schreibeDatei(pfad("kaputt.pro"), "Titel\r\n3\r\n1\r\n");
    EXPECT_EQ(code([&] { tk::laden(pfad("kaputt.pro")); }), tk::fehlercode::DateiFormat);
    try {
        tk::laden("/dev/null"); // not a plain file
        FAIL();
    } catch (const tk::Fehler& e) {
        EXPECT_NE(e.beschreibung.find("keine Datendatei"), std::string::npos) << e.beschreibung;
    }
}

TEST(ArtVon, folgtDerEndung) {
    EXPECT_EQ(tk::artVon("/x/B.RGR"), tk::DateiArt::Regression);
    EXPECT_EQ(tk::artVon("a.Pro"), tk::DateiArt::Prognose);
    for (const char* p : {"dir.pro/a", "a.pro.txt", "rgr"})
        EXPECT_EQ(tk::artVon(p), tk::DateiArt::Unbekannt) << p;
}

} // namespace
