#include "programm/Bildexport.h"

#include "app/Dialoge.h"
#include "calc/Meldungstext.h"
#include "calc/Rechenlauf.h"
#include "charts/frmGrafikKurvex.h"
#include "datafile/Datei.h"
#include "programm/Grafikdienste.h"
#include "zeichnung/GrafikExport.h"

#include <algorithm>
#include <optional>
#include <stdexcept>

namespace tk {

namespace {

struct Aufruffehler : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct Auftrag {
    std::string bild, datei;
    Exportformat format = Exportformat::PNG;
    bool original = false;
    int fall = 1;
};

Auftrag auftragLesen(const std::vector<std::string>& argumente) {
    Auftrag a;
    std::optional<std::string> bild, ansicht, fall;
    for (std::size_t i = 0; i < argumente.size(); ++i) {
        const std::string& arg = argumente[i];
        std::optional<std::string>* ziel = arg == "--exportieren" ? &bild
                                           : arg == "--ansicht"   ? &ansicht
                                           : arg == "--fall"      ? &fall
                                                                  : nullptr;
        if (ziel) {
            if (*ziel) throw Aufruffehler("Die Option " + arg + " ist mehrfach angegeben.");
            if (i + 1 >= argumente.size())
                throw Aufruffehler("Der Option " + arg + " fehlt ihr Wert.");
            *ziel = argumente[++i];
        } else if (arg.size() > 1 && arg[0] == '-') {
            throw Aufruffehler("Unbekannte Option: " + arg);
        } else if (!a.datei.empty()) {
            throw Aufruffehler("Es wird nur eine Datei je Bild gezeichnet.");
        } else {
            a.datei = arg;
        }
    }
    if (!bild) throw Aufruffehler("Der Option --exportieren fehlt ihr Wert.");
    const auto format = exportformatFuer(QString::fromStdString(*bild));
    if (!format)
        throw Aufruffehler("Unbekannte Bildart von \"" + *bild +
                           "\": erwartet wird .svg, .png oder .pdf.");
    a.bild = *bild;
    a.format = *format;
    if (ansicht && *ansicht != "original" && *ansicht != "linear")
        throw Aufruffehler("--ansicht erwartet original oder linear, nicht \"" + *ansicht + "\".");
    a.original = ansicht == "original";
    if (fall && *fall != "summen" && *fall != "einzel")
        throw Aufruffehler("--fall erwartet summen oder einzel, nicht \"" + *fall + "\".");
    a.fall = fall == "einzel" ? 2 : 1;
    if (a.datei.empty()) throw Aufruffehler("Keine Datei angegeben.");
    if (artVon(a.datei) == DateiArt::Unbekannt)
        throw Aufruffehler("Unbekannte Dateiart von \"" + a.datei +
                           "\": erwartet wird .rgr (Regression) oder .pro (Prognose).");
    return a;
}

// Message boxes become lines on stderr; nothing is asked.
class Konsolendialoge : public Dialoge {
public:
    explicit Konsolendialoge(std::ostream& aus) : aus_(aus) {}
    Antwort meldung(const QString& text, const QString&, Knoepfe knoepfe, Symbol) override {
        aus_ << "trendkurve: " << text.toStdString() << "\n";
        gemeldet = true;
        return knoepfe == Knoepfe::OK ? Antwort::OK : Antwort::Abbrechen;
    }
    std::optional<QString> dateiOeffnen(const QString&) override { return std::nullopt; }
    std::optional<QString> dateiSpeichern(const QString&) override { return std::nullopt; }
    std::optional<QString> texteingabe(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
    bool gemeldet = false;

private:
    std::ostream& aus_;
};

// The state the input window hands to the chart window after "alle Eingaben OK" and
// the chart button of the case.
Programmzustand gerechnet(const Auftrag& a) {
    Programmzustand z;
    z.initialisierenStart();
    z.ModusPrognostik = artVon(a.datei) == DateiArt::Prognose;
    z.initialisierenEingabe();
    uebernehmen(z, laden(a.datei));
    MaxMinWert(z, z.AnzPaare);
    const Laufergebnis lauf = rechenlauf(z);
    z.fitUebernehmen(lauf.z);
    z.GrafikFall = z.ModusPrognostik ? a.fall : 1;
    if (!z.ModusPrognostik) {
        if (z.ModellNr == 0) throw Aufruffehler("Keine Grafik: kein Modell liess sich anpassen.");
        return z;
    }
    const FallErgebnis& f = a.fall == 1 ? lauf.summenwerte : lauf.einzelwerte;
    if (!f.entscheidend) {
        std::string grund;
        for (const auto& t : f.typen)
            if (t.fehler && grund.empty()) grund = " (" + meldungstext(*t.fehler) + ")";
        std::replace(grund.begin(), grund.end(), '\r', ' ');
        throw Aufruffehler(std::string("Keine Grafik: der Fall ") +
                           (a.fall == 1 ? "Summenwerte" : "Einzelwerte") +
                           " hat keine entscheidende Kurve" + grund + ".");
    }
    fallUebernehmen(z, f);
    return z;
}

} // namespace

bool exportGewuenscht(const std::vector<std::string>& argumente) {
    for (const auto& a : argumente)
        if (a == "--exportieren") return true;
    return false;
}

int bildExportieren(const std::vector<std::string>& argumente, std::ostream& fehler) {
    Auftrag a;
    try {
        a = auftragLesen(argumente);
        Programmzustand z = gerechnet(a);
        Konsolendialoge dialoge(fehler);
        frmGrafikKurvex fenster(z, dialoge, grafikdiensteErzeugen());
        if (a.original) {
            fenster.grafik().Originalmassstab = true;
            fenster.zeichnen();
        }
        // A chart that cannot be drawn was reported while the window drew it.
        if (dialoge.gemeldet) return 2;
        return fenster.exportierenNach(QString::fromStdString(a.bild), a.format) ? 0 : 2;
    } catch (const Aufruffehler& f) {
        fehler << "trendkurve: " << f.what() << "\n";
    } catch (const Fehler& f) {
        std::string text = meldungstext(f);
        text.erase(0, text.find_first_not_of(' '));
        text.erase(text.find_last_not_of(' ') + 1);
        std::replace(text.begin(), text.end(), '\r', ' ');
        fehler << "trendkurve: " << a.datei << ": " << text << "\n";
    }
    return 2;
}

} // namespace tk
