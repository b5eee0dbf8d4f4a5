#include "print/Druckseite.h"

#include "app/Besitzer.h"
#include "app/Fehlermeldung.h"
#include "app/Meldungen.h"
#include "calc/Abfrageregeln.h"
#include "calc/Auswertung.h"
#include "calc/Format.h"
#include "charts/frmGrafikKurvex.h"
#include "zeichnung/Ausgabe.h"
#include "zeichnung/Messflaeche.h"

namespace tk {

namespace {

constexpr double rahmenBreite = 196;
constexpr double rahmenHoehe = 280;
constexpr double zeilenAbstand = 4;
constexpr int zahlBreite = 13;

QString q(const std::string& s) {
    return QString::fromStdString(s);
}
QString zahl13(double v) {
    return q(rechtsbuendig(Zahl(v), zahlBreite));
}

Schrift schrift(const QString& name, double groesse, bool fett = false,
                bool unterstrichen = false) {
    Schrift s;
    s.name = name;
    s.groesse = groesse;
    s.fett = fett;
    s.unterstrichen = unterstrichen;
    return s;
}

void drucke(Ausgabe& a, double x, double y, const QString& text) {
    a.setzePosition(x, y);
    a.drucke(text);
}

// A text centred on a column.
void mittig(Ausgabe& a, double spalte, double y, const QString& text) {
    drucke(a, spalte - a.textBreite(text) / 2, y, text);
}

// "φ(i)": the density letter of the symbol font followed by the index in the
// table font, centred on the column as one text.
void phiKopf(Ausgabe& a, double spalte, double y, const QString& index) {
    const Schrift tabelle = a.schrift();
    Schrift symbol = tabelle;
    symbol.name = QStringLiteral("Symbol");
    a.setzeSchrift(symbol);
    const double bPhi = a.textBreite(QStringLiteral("j"));
    a.setzeSchrift(tabelle);
    const double bIndex = a.textBreite(index);
    a.setzeSchrift(symbol);
    drucke(a, spalte - (bPhi + bIndex) / 2, y, QStringLiteral("j"));
    a.setzeSchrift(tabelle);
    a.drucke(index);
}

struct Spalten {
    double nr, x1, x2, abfrage, a1, a2, a3;
};

void eingabeTabelle(Ausgabe& a, const Spalten& sp, double y, const Programmzustand& z) {
    drucke(a, sp.nr, y, QStringLiteral("Nr."));
    mittig(a, sp.x1, y, QStringLiteral("    Wert X"));
    mittig(a, sp.x2, y,
           z.ModusPrognostik ? QStringLiteral("    Wert K") : QStringLiteral("    Wert Y"));
    for (int i = 1; i <= z.AnzPaare; ++i) {
        const double yi = y + zeilenAbstand * i;
        drucke(a, sp.nr, yi, q(DruckFormat(12, i)));
        mittig(a, sp.x1, yi, zahl13(z.XWert(i)));
        mittig(a, sp.x2, yi, zahl13(z.YWert(i)));
    }
}

// The query number, centred on the first column of the query table, and "(E)" after
// it when the answer is read outside the entered X values.
void abfrageNr(Ausgabe& a, const Spalten& sp, double y, const Programmzustand& z,
               const GrafikZustand& g, int k) {
    mittig(a, sp.a1, y, q(DruckFormat(12, k)));
    const auto i = static_cast<std::size_t>(k);
    if (abfrage::gespeichertExtrapoliert(z, g.AbfrageX[i], g.AbfrageY[i],
                                         i < g.AbfrageS.size() ? g.AbfrageS[i] : 0))
        a.drucke(QStringLiteral(" (E)"));
}

// Under the table, when a row carries "(E)".
void extrapolationsHinweis(Ausgabe& a, const Spalten& sp, double y, const Programmzustand& z,
                           const GrafikZustand& g) {
    for (int k = 1; k <= g.AnzAbfragen; ++k) {
        const auto i = static_cast<std::size_t>(k);
        if (!abfrage::gespeichertExtrapoliert(z, g.AbfrageX[i], g.AbfrageY[i],
                                              i < g.AbfrageS.size() ? g.AbfrageS[i] : 0))
            continue;
        drucke(a, sp.a1 - 10, y, QStringLiteral("(E) Extrapolation"));
        return;
    }
}

// One line per query: number, X, Y.
void abfragenRegression(Ausgabe& a, const Spalten& sp, double y, const Programmzustand& z,
                        const GrafikZustand& g) {
    mittig(a, sp.a1, y, QStringLiteral("Nr."));
    mittig(a, sp.a2, y, QStringLiteral("    Wert X"));
    mittig(a, sp.a3, y, QStringLiteral("    Wert Y"));
    for (int k = 1; k <= g.AnzAbfragen; ++k) {
        const double yk = y + zeilenAbstand * k;
        abfrageNr(a, sp, yk, z, g, k);
        mittig(a, sp.a2, yk, zahl13(g.AbfrageX[static_cast<std::size_t>(k)]));
        mittig(a, sp.a3, yk, zahl13(g.AbfrageY[static_cast<std::size_t>(k)]));
    }
}

// Two lines per query: number, share and X; then K between its 95 % limits.
void abfragenSummen(Ausgabe& a, const Spalten& sp, double y, const Programmzustand& z,
                    const GrafikZustand& g) {
    const Schrift tabelle = a.schrift();
    mittig(a, sp.a1, y, QStringLiteral("Nr."));
    Schrift symbol = tabelle;
    symbol.name = QStringLiteral("Symbol");
    a.setzeSchrift(symbol);
    mittig(a, sp.a2, y, QString(QChar(229)) + QStringLiteral("%*"));
    a.setzeSchrift(tabelle);
    mittig(a, sp.a3, y, QStringLiteral("  X(i)"));
    mittig(a, sp.a1, y + zeilenAbstand, QStringLiteral("KiG1/95"));
    mittig(a, sp.a2, y + zeilenAbstand, QStringLiteral("  Ki"));
    mittig(a, sp.a3, y + zeilenAbstand, QStringLiteral("KiG2/95"));
    for (int k = 1; k <= g.AnzAbfragen; ++k) {
        const auto i = static_cast<std::size_t>(k);
        const double yk = y + zeilenAbstand * (2 * k);
        const double K = g.AbfrageY[i];
        abfrageNr(a, sp, yk, z, g, k);
        mittig(a, sp.a2, yk, q(rechtsbuendig(formatFest(g.AbfrageS[i], 4), zahlBreite)));
        mittig(a, sp.a3, yk, zahl13(g.AbfrageX[i]));
        mittig(a, sp.a1, yk + zeilenAbstand, zahl13(KGrenz1(z, K)));
        mittig(a, sp.a2, yk + zeilenAbstand, zahl13(K));
        mittig(a, sp.a3, yk + zeilenAbstand, zahl13(KGrenz2(z, K)));
    }
}

// Three lines per query: number and band; K(dx) between its limits; the densities
// under the band's ends.
void abfragenEinzel(Ausgabe& a, const Spalten& sp, double y, const Programmzustand& z,
                    const GrafikZustand& g) {
    mittig(a, sp.a1, y, QStringLiteral("Nr."));
    mittig(a, sp.a2, y, QStringLiteral("X(i)"));
    mittig(a, sp.a3, y, QStringLiteral("X(i+d)"));
    mittig(a, sp.a1, y + zeilenAbstand, QStringLiteral("KdxG1/95"));
    mittig(a, sp.a2, y + zeilenAbstand, QStringLiteral("K(dx)"));
    mittig(a, sp.a3, y + zeilenAbstand, QStringLiteral("KdxG2/95"));
    phiKopf(a, sp.a2, y + 2 * zeilenAbstand, QStringLiteral("(i)"));
    phiKopf(a, sp.a3, y + 2 * zeilenAbstand, QStringLiteral("(i+d)"));
    for (int k = 1; k <= g.AnzAbfragen; ++k) {
        const auto i = static_cast<std::size_t>(k);
        const double xa = g.AbfrageX[i], xb = g.AbfrageY[i];
        const Bandwerte b = bandwerte(z, xa, xb);
        const double kdx = b.Kdx, g1 = b.KdxG1, g2 = b.KdxG2;
        const double yk = y + zeilenAbstand * (3 * k);
        abfrageNr(a, sp, yk, z, g, k);
        mittig(a, sp.a2, yk, zahl13(xa));
        mittig(a, sp.a3, yk, zahl13(xb));
        mittig(a, sp.a1, yk + zeilenAbstand, zahl13(g1));
        mittig(a, sp.a2, yk + zeilenAbstand, zahl13(kdx));
        mittig(a, sp.a3, yk + zeilenAbstand, zahl13(g2));
        mittig(a, sp.a2, yk + 2 * zeilenAbstand, zahl13(PhiWert(z, xa).value_or(0)));
        mittig(a, sp.a3, yk + 2 * zeilenAbstand, zahl13(PhiWert(z, xb).value_or(0)));
    }
}

} // namespace

void DruckTitel(Ausgabe& a, bool prognostik, double x0, double y0, const QDate& datum) {
    a.setzeSchrift(schrift(QStringLiteral("Arial"), 10));
    a.setzeLinienbreite(4);
    for (double y : {y0 + 1, y0 + 14}) {
        a.punkt(x0 + 15, y);
        a.linieZu(x0 + 188, y);
    }
    drucke(a, x0 + 15, y0 + 3, besitzerVermerk());
    drucke(a, x0 + 165, y0 + 3, datum.toString(QStringLiteral("dd.MM.yyyy")));
    drucke(a, x0 + 15, y0 + 8,
           prognostik ? QStringLiteral("Trend-Prognostik") : QStringLiteral("Trend-Regression"));
    a.setzeLinienbreite(1);
}

bool DruckHoch(Ausgabe& a, QSizeF bereich, const Druckinhalt& inhalt) {
    const auto& z = inhalt.zustand;
    const auto& g = inhalt.grafik;
    const Schrift vorher = a.schrift();
    a.koordinatenZuruecksetzen();

    const double x0 = (bereich.width() - rahmenBreite) / 2;
    const double y0 = (bereich.height() - rahmenHoehe) / 2;
    DruckTitel(a, z.ModusPrognostik, x0, y0, inhalt.datum);

    // The query table starts at 100 mm from the edge of the printable area, not
    // from the frame; its last column ends inside the frame's right rule.
    const Spalten sp{x0 + 15, x0 + 41, x0 + 75, 100, x0 + 108, x0 + 140, x0 + 172};

    a.setzeSchrift(schrift(QStringLiteral("Arial"), 12, true));
    drucke(a, x0 + 15, y0 + 20, q(z.Bezeichnung));
    a.setzeSchrift(schrift(QStringLiteral("Arial"), 14, true, true));
    drucke(a, x0 + 15, y0 + 32, QStringLiteral("Grafik :"));
    drucke(a, x0 + 15, y0 + 160, QStringLiteral("Eingabewerte :"));
    if (g.AnzAbfragen > 0) drucke(a, sp.abfrage, y0 + 160, QStringLiteral("Abfragewerte :"));
    a.setzeSchrift(schrift(QStringLiteral("Courier New"), 10));
    const double kopf = y0 + 176;
    eingabeTabelle(a, sp, kopf, z);
    if (g.AnzAbfragen > 0) {
        switch (z.ModusPrognostik ? (z.GrafikFall == 1 ? 1 : 2) : 0) {
        case 0:
            abfragenRegression(a, sp, kopf, z, g);
            break;
        case 1:
            abfragenSummen(a, sp, kopf, z, g);
            break;
        default:
            abfragenEinzel(a, sp, kopf, z, g);
            break;
        }
        const int zeilen = z.ModusPrognostik ? (z.GrafikFall == 1 ? 2 : 3) : 1;
        extrapolationsHinweis(a, sp, kopf + zeilenAbstand * (zeilen * (g.AnzAbfragen + 1) + 0.5), z,
                              g);
    }

    const bool grafikOk = inhalt.grafikZeichnen ? inhalt.grafikZeichnen(a) : true;
    a.koordinatenZuruecksetzen();
    a.setzeSchrift(vorher);
    return grafikOk;
}

bool PapierA4(Dialoge& dialoge, const Drucker& drucker) {
    int ergebnis = 0;
    MeldDruckerA4(dialoge, drucker.seitenHoeheTwips() - 16840, ergebnis);
    MeldDruckerA4(dialoge, drucker.seitenBreiteTwips() - 11907, ergebnis);
    return ergebnis == 0;
}

bool Druck(Dialoge& dialoge, const Programmzustand& zustand, GrafikZustand& g,
           const std::function<bool(Ausgabe&)>& grafikZeichnen, Drucker& drucker) {
    return PapierA4(dialoge, drucker) && DruckSeite(dialoge, zustand, g, grafikZeichnen, drucker);
}

bool DruckSeite(Dialoge& dialoge, const Programmzustand& zustand, GrafikZustand& g,
                const std::function<bool(Ausgabe&)>& grafikZeichnen, Drucker& drucker) {
    const Druckinhalt inhalt{zustand, g, grafikZeichnen};
    const QSizeF bereich = drucker.druckbereichMm();
    bool begonnen = false;
    try {
        const DruckModusBereich papier(g, true);
        // Composed once on a measuring surface first: a failure (reported there)
        // leaves the printer untouched, so no half page is ever printed.
        Messflaeche probe(bereich.width(), bereich.height());
        if (!DruckHoch(probe, bereich, inhalt)) return false;

        Ausgabe* seite = drucker.seiteBeginnen();
        if (!seite)
            throw Fehler(fehlercode::Druckerfehler, "Druck",
                         "Der Drucker kann die Seite nicht beginnen.");
        begonnen = true;
        if (!DruckHoch(*seite, bereich, inhalt)) {
            drucker.abbrechen();
            return false;
        }
        drucker.seiteBeenden();
        return true;
    } catch (const Fehler& f) {
        if (begonnen) drucker.abbrechen();
        ZeigFehler(dialoge, f);
        return false;
    }
}

bool Druck(frmGrafikKurvex& fenster, Drucker& drucker) {
    return PapierA4(fenster.dialoge(), drucker) && DruckSeite(fenster, drucker);
}

bool DruckSeite(frmGrafikKurvex& fenster, Drucker& drucker) {
    return DruckSeite(
        fenster.dialoge(), fenster.zustand(), fenster.grafik(),
        [&fenster](Ausgabe& a) { return fenster.zeichneAuf(a); }, drucker);
}

} // namespace tk
