#pragma once
// The chart window: picture box with the chart of the current mode and case, the
// query panel below it, and the buttons and menu to print and to go back.

#include "app/Dialoge.h"
#include "calc/Ergebnistabelle.h"
#include "calc/Zustand.h"
#include "zeichnung/GrafikExport.h"
#include "zeichnung/GrafikZustand.h"
#include "zeichnung/Vergleichsdaten.h"

#include <QImage>
#include <QMainWindow>
#include <functional>
#include <memory>
#include <optional>

namespace tk {

class Ausgabe;
class frmGrafikKurvex;

// The query panel the window hosts below the chart (built by the queries library).
class Abfragebereich : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    // Called after every drawing of the screen chart: the panel shows the results that
    // belong to what is drawn now.
    virtual void nachZeichnen() = 0;
};

// What the window cannot do by itself; wired by the program's main.
struct Grafikdienste {
    std::function<Abfragebereich*(frmGrafikKurvex&)> panelErzeugen;
    std::function<void(frmGrafikKurvex&)> drucken;                // "Druck"
    std::function<void(frmGrafikKurvex&)> vorschau;               // print preview
    std::function<std::optional<Vergleichsdaten>()> laufergebnis; // the run behind the chart
    std::function<Abfragetabelle(frmGrafikKurvex&)> abfragen;     // the stored queries
    // Before the data set is given up (back to start, or the end when `ende`): true
    // when the window may go on. Without it the end asks the exit question.
    std::function<bool(bool ende)> aufgeben;
};

class frmGrafikKurvex : public QMainWindow {
    Q_OBJECT
public:
    frmGrafikKurvex(Programmzustand& zustand, Dialoge& dialoge, Grafikdienste dienste = {},
                    QWidget* parent = nullptr);
    ~frmGrafikKurvex() override;

    Programmzustand& zustand() { return zustand_; }
    Dialoge& dialoge() { return dialoge_; }
    GrafikZustand& grafik() { return grafik_; }
    const Grafikdienste& dienste() const { return dienste_; }

    // cmdKurve: draws the chart of the current mode and case into the picture box.
    void zeichnen();
    // Draws the current chart on any surface; a failure is reported once through
    // ZeigFehler and the surface's settings are restored. Returns success.
    bool zeichneAuf(Ausgabe& ausgabe);

    // "Druck": the printout through the print service; failures are reported.
    void drucken() { cmd1_Click(2); }

    // The picture box's current image (what the screen shows).
    const QImage& bild() const;

    // "Grafik exportieren ..." without its dialogs: writes the chart to `ziel` in
    // `format`; failures are reported through the dialogs. Returns success.
    bool exportierenNach(const QString& ziel, Exportformat format);
    // The line above an exported chart: data set, mode and case, view.
    QString exporttitel() const;

signals:
    void zurueckZurEingabe();
    void zurueckZumStart();
    void beenden();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void kopfAnlegen(QWidget* mitte);
    void bildAnlegen(QWidget* mitte);
    void knoepfeAnlegen(QWidget* mitte);
    // The "Datei" menu; further entries go here.
    void menueAnlegen();
    void groesseNachBildschirm();
    void Initialisieren();
    void zeichneBild(bool melden);
    bool zeichneMitMeldung(Ausgabe& ausgabe, bool melden);
    void cmd1_Click(int index);
    void mnuEnde_Click();
    void exportieren();

    struct Impl;
    Programmzustand& zustand_;
    Dialoge& dialoge_;
    Grafikdienste dienste_;
    GrafikZustand grafik_;
    std::unique_ptr<Impl> impl_; // the widgets it points to are the window's children
};

} // namespace tk
