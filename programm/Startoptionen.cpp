#include "programm/Startoptionen.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace tk {

namespace {

// Options QApplication takes out of the command line itself; some take a value.
constexpr std::array<std::string_view, 13> QtMitWert = {
    "-platform",     "-platformpluginpath", "-platformtheme", "-plugin",     "-qwindowgeometry",
    "-qwindowtitle", "-qwindowicon",        "-style",         "-stylesheet", "-session",
    "-display",      "-geometry",           "-name"};
constexpr std::array<std::string_view, 4> QtOhneWert = {"-reverse", "-widgetcount", "-nograb",
                                                        "-dograb"};

template <std::size_t N>
bool enthaelt(const std::array<std::string_view, N>& l, std::string_view s) {
    return std::find(l.begin(), l.end(), s) != l.end();
}

} // namespace

std::string aufrufHilfe() {
    return "Aufruf: trendkurve [DATEI]\n"
           "       trendkurve --exportieren BILD.svg|.png|.pdf [--ansicht original|linear]\n"
           "                  [--fall summen|einzel] DATEI\n"
           "Passt Trendkurven an kurze Reihen von Wertepaaren an (4 bis 21 Paare).\n"
           "\n"
           "  DATEI        öffnet einen Datensatz (.rgr Regression, .pro Prognose)\n"
           "  --help, -h   zeigt diese Hilfe\n"
           "  --version    zeigt die Versionsnummer\n"
           "  --exportieren BILD  schreibt die Grafik des Datensatzes als Bild, ohne Fenster\n"
           "\n"
           "Ohne Fenster rechnet trendkurve-cli (trendkurve-cli --help).\n";
}

Startoptionen startoptionen(const std::vector<std::string>& argumente) {
    Startoptionen o;
    std::vector<std::string> dateien;
    for (std::size_t i = 0; i < argumente.size(); ++i) {
        const std::string& a = argumente[i];
        if (a == "--help" || a == "-h") return {Startoptionen::Art::Hilfe, {}, {}};
        if (a == "--version") return {Startoptionen::Art::Version, {}, {}};
        if (a == "--") {
            dateien.insert(dateien.end(), argumente.begin() + static_cast<long>(i) + 1,
                           argumente.end());
            break;
        }
        if (a.size() > 1 && a[0] == '-') {
            // Qt also accepts its options with two dashes.
            const std::string einfach = a.rfind("--", 0) == 0 ? a.substr(1) : a;
            const auto gleich = einfach.find('=');
            const std::string name = einfach.substr(0, gleich);
            if (enthaelt(QtOhneWert, name)) continue;
            if (enthaelt(QtMitWert, name)) {
                if (gleich == std::string::npos) ++i; // the value follows
                continue;
            }
            o.art = Startoptionen::Art::Fehler;
            o.meldung = "Unbekannte Option: " + a;
            return o;
        }
        dateien.push_back(a);
    }
    if (dateien.size() > 1) {
        o.art = Startoptionen::Art::Fehler;
        o.meldung = "Es kann nur eine Datei auf einmal geöffnet werden (angegeben: " +
                    std::to_string(dateien.size()) + ").";
        return o;
    }
    if (!dateien.empty()) o.datei = dateien.front();
    return o;
}

} // namespace tk
