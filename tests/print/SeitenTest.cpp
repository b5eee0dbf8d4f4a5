#include "AufzeichnungsDrucker.h"
#include "Druckseite.h"
#include "FakeDialoge.h"
#include "Format.h"
#include "Grafiken.h"
#include "Panelaufbau.h"
#include "Testdaten.h"

#include <QTest>
#include <algorithm>
#include <cmath>

using namespace tk;
using namespace tk::test;

namespace {

bool nahe(double a, double b) {
    return std::fabs(a - b) < 1e-9;
}

Aufzeichnung einzig(const AufzeichnungsAusgabe& seite, const QString& text) {
    const auto t = seite.texteMit(text);
    if (t.size() != 1) qWarning() << "Text" << text << "kommt" << t.size() << "mal vor";
    return t.empty() ? Aufzeichnung{} : t.front();
}

double breiteVon(const Aufzeichnung& t) {
    return t.text.size() * AufzeichnungsAusgabe::zeichenBreiteJePunkt * t.schrift.groesse;
}
double hoeheVon(const Aufzeichnung& t) {
    return AufzeichnungsAusgabe::zeilenHoeheJePunkt * t.schrift.groesse;
}

Programmzustand zustandFuer(int art) {
    return art == 0 ? regression() : prognose(art);
}

// Stores n queries the way the panel does, with values valid for the chart.
void abfragenSpeichern(GrafikZustand& g, int art, int n) {
    g.AnzAbfragen = n;
    for (int k = 1; k <= n; ++k) {
        const auto i = static_cast<std::size_t>(k);
        if (art == 0) {
            g.AbfrageX[i] = -123456.5 * k; // the widest number texts
            g.AbfrageY[i] = 1 + 2 * g.AbfrageX[i];
        } else if (art == 1) {
            g.AbfrageS[i] = 9.5 * k;
            g.AbfrageX[i] = 5 + std::log(g.AbfrageS[i] / (100 - g.AbfrageS[i]));
            g.AbfrageY[i] = g.AbfrageS[i];
        } else {
            g.AbfrageX[i] = k;
            g.AbfrageY[i] = k + 2.5;
        }
    }
}

struct Seite {
    Seite(const Programmzustand& z, const GrafikZustand& g, QSizeF bereich)
        : ausgabe(bereich.width(), bereich.height()) {
        ok = DruckHoch(ausgabe, bereich, {z, g, {}, QDate(2026, 12, 6)});
    }
    AufzeichnungsAusgabe ausgabe;
    bool ok = false;
};

} // namespace

// Layout of the page on a recording surface.
class SeitenTest : public QObject {
    Q_OBJECT
private slots:
    void rahmenUndTitel_data() {
        QTest::addColumn<double>("breite");
        QTest::addColumn<double>("hoehe");
        QTest::addColumn<int>("art");
        QTest::newRow("200 mm breit") << 200.0 << 287.0 << 0;
        QTest::newRow("ganzes A4") << 210.0 << 297.0 << 1;
        QTest::newRow("genau der Rahmen") << 196.0 << 280.0 << 2;
    }

    void rahmenUndTitel() {
        QFETCH(double, breite);
        QFETCH(double, hoehe);
        QFETCH(int, art);
        const auto z = zustandFuer(art);
        GrafikZustand g;
        Seite s(z, g, {breite, hoehe});
        QVERIFY(s.ok);
        const double x0 = (breite - 196) / 2, y0 = (hoehe - 280) / 2;

        const auto linien = s.ausgabe.linien();
        QCOMPARE(linien.size(), std::size_t(2));
        for (std::size_t i = 0; i < 2; ++i) {
            QVERIFY(nahe(linien[i].x1, x0 + 15) && nahe(linien[i].x2, x0 + 188));
            QVERIFY(nahe(linien[i].y1, y0 + (i == 0 ? 1 : 14)) && nahe(linien[i].y2, linien[i].y1));
            QCOMPARE(linien[i].breite, 4);
        }
        // The title block names the mode; the date is the printing day.
        const auto modus = einzig(s.ausgabe, art == 0 ? QStringLiteral("Trend-Regression")
                                                      : QStringLiteral("Trend-Prognostik"));
        QVERIFY(nahe(modus.x1, x0 + 15) && nahe(modus.y1, y0 + 8));
        const auto datum = einzig(s.ausgabe, QStringLiteral("06.12.2026"));
        QVERIFY(nahe(datum.x1, x0 + 165) && nahe(datum.y1, y0 + 3));
        // The surface is left as it was found.
        QCOMPARE(s.ausgabe.schrift(), Schrift{});
        QCOMPARE(s.ausgabe.linienbreite(), 1);
    }

    void abfragenNurWennGespeichert_data() {
        QTest::addColumn<int>("art");
        QTest::addColumn<int>("anzahl");
        QTest::addColumn<QString>("kopf"); // a header text of the query table
        for (int art : {0, 1, 2}) {
            const QString kopf = art == 0   ? QStringLiteral("    Wert X")
                                 : art == 1 ? QStringLiteral("KiG1/95")
                                            : QStringLiteral("KdxG1/95");
            for (int n : {0, 2}) QTest::addRow("Art %d, %d Abfragen", art, n) << art << n << kopf;
        }
    }

    void abfragenNurWennGespeichert() {
        QFETCH(int, art);
        QFETCH(int, anzahl);
        QFETCH(QString, kopf);
        const auto z = zustandFuer(art);
        GrafikZustand g;
        abfragenSpeichern(g, art, anzahl);
        Seite s(z, g, {200, 287});
        const auto ueberschrift = s.ausgabe.texteMit(QStringLiteral("Abfragewerte :"));
        // The input table of regression has "    Wert X" too.
        const std::size_t kopfImEingabeteil = art == 0 ? 1 : 0;
        if (anzahl == 0) {
            QVERIFY(ueberschrift.empty());
            QCOMPARE(s.ausgabe.texteMit(kopf).size(), kopfImEingabeteil);
            return;
        }
        QCOMPARE(ueberschrift.size(), std::size_t(1));
        // Absolute 100 mm, not relative to the frame.
        QVERIFY(nahe(ueberschrift.front().x1, 100) && nahe(ueberschrift.front().y1, 3.5 + 160));
        QCOMPARE(s.ausgabe.texteMit(kopf).size(), kopfImEingabeteil + 1);
    }

    void abfrageTabellenImRahmen_data() {
        QTest::addColumn<int>("art");
        QTest::addColumn<int>("anzahl");
        QTest::addColumn<double>("breite");
        QTest::newRow("Regression, 21 Abfragen") << 0 << 21 << 200.0;
        QTest::newRow("Summenwerte, 10 Abfragen") << 1 << 10 << 200.0;
        QTest::newRow("Einzelwerte, 7 Abfragen") << 2 << 7 << 200.0;
        QTest::newRow("Einzelwerte, ganzes A4") << 2 << 7 << 210.0;
    }

    void abfrageTabellenImRahmen() {
        QFETCH(int, art);
        QFETCH(int, anzahl);
        QFETCH(double, breite);
        Programmzustand z = zustandFuer(art);
        if (art == 0) {
            std::vector<double> x, y;
            for (int i = 1; i <= 21; ++i) x.push_back(-1234567.0 * i), y.push_back(i);
            paareSetzen(z, x, y);
        }
        GrafikZustand g;
        abfragenSpeichern(g, art, anzahl);
        const double hoehe = 287;
        Seite s(z, g, {breite, hoehe});
        QVERIFY(s.ok);
        const double x0 = (breite - 196) / 2, y0 = (hoehe - 280) / 2;
        const auto texte = s.ausgabe.texte();
        for (const auto& t : texte) {
            QVERIFY2(t.x1 >= x0 - 1e-9 && t.x1 + breiteVon(t) <= x0 + 196 + 1e-9,
                     qPrintable(t.text));
            QVERIFY2(t.y1 >= y0 - 1e-9 && t.y1 + hoeheVon(t) <= y0 + 280 + 1e-9,
                     qPrintable(t.text));
            // Table lines keep the 4 mm pitch from the header line.
            if (t.y1 >= y0 + 176 - 1e-9) {
                const double schritte = (t.y1 - (y0 + 176)) / 4;
                QVERIFY2(nahe(schritte, std::round(schritte)), qPrintable(t.text));
            }
        }
    }

    void papierPruefung_data() {
        QTest::addColumn<double>("breite");
        QTest::addColumn<double>("hoehe");
        QTest::addColumn<int>("meldungen");
        QTest::newRow("A4 in ganzen Punkten") << 11900.0 << 16840.0 << 0;
        QTest::newRow("50 twips daneben") << 11957.0 << 16790.0 << 0;
        QTest::newRow("51 twips zu hoch") << 11907.0 << 16891.0 << 1;
        QTest::newRow("51 twips zu schmal") << 11856.0 << 16840.0 << 1;
        QTest::newRow("Letter") << 12240.0 << 15840.0 << 2;
        QTest::newRow("A4 quer") << 16840.0 << 11900.0 << 2;
    }

    void papierPruefung() {
        QFETCH(double, breite);
        QFETCH(double, hoehe);
        QFETCH(int, meldungen);
        FakeDialoge d;
        const auto z = regression();
        GrafikZustand g;
        AufzeichnungsDrucker drucker(breite, hoehe, {200, 287});
        const bool gedruckt = Druck(d, z, g, {}, drucker);
        QCOMPARE(d.meldungen().size(), std::size_t(meldungen));
        for (const auto& m : d.meldungen()) {
            QCOMPARE(m.text, QStringLiteral("Richten Sie den Drucker auf Papierformat A4 ein !!"));
            QCOMPARE(m.titel, QStringLiteral("Drucker-Problem"));
            QCOMPARE(m.symbol, Symbol::Ausrufezeichen);
        }
        QCOMPARE(gedruckt, meldungen == 0);
        QCOMPARE(drucker.begonnen, meldungen == 0 ? 1 : 0);
        QCOMPARE(drucker.beendet, meldungen == 0 ? 1 : 0);

        // The two halves on their own (the preview checks once, then only composes).
        FakeDialoge pruefung;
        QCOMPARE(PapierA4(pruefung, drucker), meldungen == 0);
        QCOMPARE(pruefung.meldungen().size(), std::size_t(meldungen));
        FakeDialoge seite;
        AufzeichnungsDrucker vorschau(breite, hoehe, {200, 287});
        QVERIFY(DruckSeite(seite, z, g, {}, vorschau));
        QVERIFY(seite.aufrufe.empty());
        QCOMPARE(vorschau.beendet, 1);
    }

    void grafikImDruckModus() {
        FakeDialoge d;
        const auto z = prognose(2);
        GrafikZustand g;
        AufzeichnungsDrucker drucker(11900, 16840, {200, 287});
        std::vector<bool> modus;
        Ausgabe* letzte = nullptr;
        const bool gedruckt = Druck(
            d, z, g,
            [&](Ausgabe& a) {
                modus.push_back(g.DruckModus);
                letzte = &a;
                return true;
            },
            drucker);
        QVERIFY(gedruckt);
        // Once on the trial page, once on the printer's page, both in print mode.
        QCOMPARE(modus, (std::vector<bool>{true, true}));
        QCOMPARE(letzte, static_cast<Ausgabe*>(drucker.seite.get()));
        QVERIFY(!g.DruckModus);
        QCOMPARE(drucker.beendet, 1);
    }

    // Odd data keep the chart between its heading and the input table: points far off
    // the fitted line, a density limit far below the maximum.
    void grafikBleibtInIhremBereich_data() {
        QTest::addColumn<int>("art");
        QTest::newRow("Regression") << 0;
        QTest::newRow("Summenwerte") << 1;
        QTest::newRow("Einzelwerte") << 2;
    }

    void grafikBleibtInIhremBereich() {
        QFETCH(int, art);
        Programmzustand z = zustandFuer(art);
        GrafikZustand g;
        if (art == 0) {
            z.YWert(2) = -40;
            z.YWert(4) = 100;
        } else if (art == 1) {
            z.YWert(1) = 0.1;
            z.YWert(6) = 99.99;
        } else {
            g.GrenzwertFest = true;
            g.PhiGrenze = 0.01;
        }
        FakeDialoge d;
        AufzeichnungsDrucker drucker(11900, 16840, {200, 287});
        QVERIFY(Druck(
            d, z, g, [&](Ausgabe& a) { return GrafikZeichnen(a, z, g), true; }, drucker));
        // The chart's entries follow its coordinate system; map them onto the page.
        const auto& e = drucker.seite->eintraege;
        auto k = std::find_if(e.begin(), e.end(), [](const auto& x) {
            return x.art == Aufzeichnung::Art::Koordinaten;
        });
        QVERIFY(k != e.end());
        const double x0 = 2, y0 = 3.5;
        // From the line of "Grafik :" (the recording surface's wide letters may push a
        // legend beside it) to the heading of the input table.
        const QRectF bereich(QPointF(x0, y0 + 32), QPointF(x0 + 196, y0 + 160));
        for (auto it = k + 1; it != e.end(); ++it) {
            const bool linie = it->art == Aufzeichnung::Art::Linie;
            const bool text = it->art == Aufzeichnung::Art::Text;
            const double r = it->radius;
            const double xb = linie ? it->x2 : it->x1 + (text ? breiteVon(*it) : 0);
            const double yb = linie ? it->y2 : it->y1 - (text ? hoeheVon(*it) : 0);
            // Page: from the left edge of the printable area, y down from its top.
            const QRectF box(
                QPointF(std::min(it->x1, xb) - r - k->x1, k->y1 - std::max(it->y1, yb) - r),
                QPointF(std::max(it->x1, xb) + r - k->x1, k->y1 - std::min(it->y1, yb) + r));
            QVERIFY2(box.left() >= bereich.left() && box.right() <= bereich.right() &&
                         box.top() >= bereich.top() && box.bottom() <= bereich.bottom(),
                     qPrintable(QStringLiteral("%1 bei y = %2").arg(it->text).arg(it->y1)));
        }
    }

    // After the ordering warning the fields, the results beside them, the chart and the
    // printed query show one band.
    void bandNachWarnungAufDemPapier() {
        Panelaufbau a(prognose(2));
        QVERIFY(a.aktiv);
        a.eingeben(1, QStringLiteral("12"));
        a.eingeben(0, QStringLiteral("4"));
        a.eingeben(1, QStringLiteral("3"));
        QCOMPARE(a.dialoge.meldungen().size(), std::size_t(1));
        QCOMPARE(a.dialoge.meldungen().front().text,
                 QStringLiteral("X(i+d) sollte grösser als X(i) sein !"));
        QCOMPARE(a.text(1), QStringLiteral("4.000001"));
        const QString kdx = a.label(4);
        QCOMPARE(kdx, QString::fromStdString(Zahl(WertKi(a.z, 4.000001) - WertKi(a.z, 4))));
        a.ok();
        QCOMPARE(a.label(4), kdx); // written again by the chart's redraw
        QCOMPARE(a.g().AbfrageX[1], a.g().Xi);
        QCOMPARE(a.g().AbfrageY[1], a.g().Yi);
        AufzeichnungsAusgabe seite(200, 287);
        QVERIFY(DruckHoch(seite, {200, 287}, {a.z, a.g(), {}, QDate(2026, 12, 6)}));
        QVERIFY(
            !seite.texteMit(QString::fromStdString(rechtsbuendig(kdx.toStdString(), 13))).empty());
    }

    // A curve without saturation level has no confidence limits: reported once,
    // nothing printed.
    void fehlerDrucktNichts() {
        FakeDialoge d;
        auto z = prognose(1);
        z.KMax = 0;
        GrafikZustand g;
        g.AnzAbfragen = 1;
        g.AbfrageY[1] = 0;
        AufzeichnungsDrucker drucker(11900, 16840, {200, 287});
        QVERIFY(!Druck(d, z, g, {}, drucker));
        QCOMPARE(d.meldungen().size(), std::size_t(1));
        QCOMPARE(d.meldungen().front().titel, QStringLiteral("Fehler"));
        QCOMPARE(drucker.begonnen, 0);
        QVERIFY(!g.DruckModus);
    }
};

QObject* neuSeitenTest() {
    return new SeitenTest;
}

#include "SeitenTest.moc"
