// Free-format list input of the data files: the title field, then numbers
// separated by blanks, commas or line ends.

#include "calc/Format.h"
#include "calc/Meldungstext.h"
#include "datafile/Datei.h"
#include "datafile/Zeichensatz.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <istream>
#include <iterator>

namespace tk {

namespace {

constexpr const char* quelle = "Datei lesen";
constexpr std::size_t maxTitelZeichen = 52;
constexpr std::size_t maxFeldZeichen = 40;

[[noreturn]] void ablehnen(const std::string& beschreibung) {
    throw Fehler(fehlercode::DateiFormat, quelle, beschreibung);
}

std::string satzanfang(std::string t) {
    if (!t.empty()) t[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(t[0])));
    return t;
}

bool istBlank(char c) {
    return c == ' ' || c == '\t';
}
bool istZeilenende(char c) {
    return c == '\r' || c == '\n';
}
bool istTrenner(char c) {
    return istBlank(c) || istZeilenende(c) || c == ',';
}

// A number as the file may hold it: sign, digits with an optional point, optional
// exponent. Returns false for anything else.
bool alsZahl(const std::string& feld, double& wert) {
    std::size_t i = 0;
    const std::size_t n = feld.size();
    if (i < n && (feld[i] == '+' || feld[i] == '-')) ++i;
    std::size_t ziffern = 0;
    while (i < n && std::isdigit(static_cast<unsigned char>(feld[i]))) ++i, ++ziffern;
    if (i < n && feld[i] == '.') {
        ++i;
        while (i < n && std::isdigit(static_cast<unsigned char>(feld[i]))) ++i, ++ziffern;
    }
    if (ziffern == 0) return false;
    if (i < n && (feld[i] == 'e' || feld[i] == 'E')) {
        ++i;
        if (i < n && (feld[i] == '+' || feld[i] == '-')) ++i;
        std::size_t expZiffern = 0;
        while (i < n && std::isdigit(static_cast<unsigned char>(feld[i]))) ++i, ++expZiffern;
        if (expZiffern == 0) return false;
    }
    if (i != n) return false;

    // from_chars ignores the locale (a window program may have switched to a
    // German one), but does not take a leading '+'.
    const char* anfang = feld.data() + (feld[0] == '+' ? 1 : 0);
    double v = 0;
    const auto [ende, ec] = std::from_chars(anfang, feld.data() + n, v);
    // Out of the range of a double, too large or too small, is not a value of a data set.
    if (ec != std::errc() || ende != feld.data() + n) return false;
    if (!std::isfinite(v)) return false;
    wert = v;
    return true;
}

class ListenLeser {
public:
    explicit ListenLeser(std::string text) : text_(std::move(text)) {}

    bool leer() const { return text_.empty(); }

    // The title: from the first non-blank character of the first line up to its end
    // or a comma. A title in double quotes runs to the last quote of the line when only
    // blanks or a comma follow it, and is taken without the two quotes.
    std::string titel() {
        while (pos_ < text_.size() && istBlank(text_[pos_])) ++pos_;
        std::size_t zeilenEnde = pos_;
        while (zeilenEnde < text_.size() && !istZeilenende(text_[zeilenEnde])) ++zeilenEnde;
        if (pos_ < zeilenEnde && text_[pos_] == '"') {
            const std::size_t zu = text_.rfind('"', zeilenEnde - 1);
            std::size_t danach = zu + 1;
            while (danach < zeilenEnde && istBlank(text_[danach])) ++danach;
            if (zu > pos_ && (danach == zeilenEnde || text_[danach] == ',')) {
                std::string t = text_.substr(pos_ + 1, zu - pos_ - 1);
                pos_ = danach;
                feldEnde();
                return t;
            }
        }
        std::string t;
        while (pos_ < text_.size() && text_[pos_] != ',' && !istZeilenende(text_[pos_]))
            t += text_[pos_++];
        while (!t.empty() && istBlank(t.back())) t.pop_back();
        feldEnde();
        return t;
    }

    // The next number field; `was` names it in the messages.
    double zahl(const std::string& was) {
        while (pos_ < text_.size() && (istBlank(text_[pos_]) || istZeilenende(text_[pos_]))) ++pos_;
        if (pos_ >= text_.size()) ablehnen("Die Datei endet vorzeitig: " + was + " fehlt.");
        if (text_[pos_] == ',') ablehnen(satzanfang(was) + " fehlt (leeres Feld).");
        std::string feld;
        while (pos_ < text_.size() && !istTrenner(text_[pos_])) {
            // No number of a data set is this long: stop before reading on.
            if (feld.size() == maxFeldZeichen)
                ablehnen(satzanfang(was) + " ist zu lang: \"" + cp1252NachUtf8(feld.substr(0, 20)) +
                         "...\"");
            feld += text_[pos_++];
        }
        feldEnde();
        double wert = 0;
        if (!alsZahl(feld, wert))
            ablehnen(satzanfang(was) + " ist keine gültige endliche Zahl: \"" +
                     cp1252NachUtf8(feld) + "\"");
        return wert;
    }

private:
    // Blanks after a field and one comma or line end belong to its separator.
    void feldEnde() {
        while (pos_ < text_.size() && istBlank(text_[pos_])) ++pos_;
        if (pos_ >= text_.size()) return;
        if (text_[pos_] == ',') {
            ++pos_;
        } else if (text_[pos_] == '\r') {
            ++pos_;
            if (pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
        } else if (text_[pos_] == '\n') {
            ++pos_;
        }
    }

    std::string text_;
    std::size_t pos_ = 0;
};

int pruefeAnzahl(double n) {
    if (n != std::floor(n))
        ablehnen("Die Anzahl der Wertepaare muss eine ganze Zahl sein, die Datei nennt " +
                 allgemein(n) + ".");
    if (n < 4) ablehnen(meldungMinPaare().text);
    if (n > 21) ablehnen(meldungMaxAnzahl().text);
    return static_cast<int>(n);
}

} // namespace

Datensatz lesen(std::istream& ein) {
    std::string inhalt{std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>()};
    if (ein.bad())
        throw Fehler(fehlercode::EinAusgabefehler, quelle, "Die Datei ist nicht lesbar.");
    ListenLeser leser(std::move(inhalt));
    if (leser.leer()) ablehnen("Die Datei ist leer.");

    Datensatz d;
    // Scripts write the title in UTF-8; the program itself writes Windows-1252, which is
    // practically never well-formed UTF-8 once it holds a character beyond ASCII. What the
    // file format cannot hold becomes '?' now, as it would on saving.
    const std::string titel = leser.titel();
    d.Bezeichnung = istUtf8(titel) ? cp1252NachUtf8(utf8NachCp1252(titel)) : cp1252NachUtf8(titel);
    TitelHolen(d.Bezeichnung);
    d.Bezeichnung = ersteZeichen(d.Bezeichnung, maxTitelZeichen);

    d.AnzPaare = pruefeAnzahl(leser.zahl("die Anzahl der Wertepaare"));
    const double kennzahl = leser.zahl("die Kennzahl");
    if (std::fabs(kennzahl) > 32767) ablehnen("Die Kennzahl ist zu gross.");
    d.Kennzahl = static_cast<int>(std::lround(kennzahl));

    d.X.assign(static_cast<std::size_t>(d.AnzPaare) + 1, 0.0);
    d.Y.assign(static_cast<std::size_t>(d.AnzPaare) + 1, 0.0);
    for (int i = 1; i <= d.AnzPaare; ++i) {
        const std::string paar = " von Paar " + std::to_string(i);
        d.X[static_cast<std::size_t>(i)] = leser.zahl("der X-Wert" + paar);
        d.Y[static_cast<std::size_t>(i)] = leser.zahl("der Y-Wert" + paar);
    }
    return d;
}

} // namespace tk
