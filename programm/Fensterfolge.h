#pragma once
// Which window is visible: start window, input window, chart window. Exactly one is
// shown at a time; a window shown anew is created fresh. The program ends when the
// last window closes or the exit confirmation says so.

#include "app/Dialoge.h"
#include "app/frmstartKX.h"
#include "calc/Zustand.h"
#include "entry/frmKurvex.h"
#include "programm/Grafikdienste.h"

#include <QObject>
#include <QPointer>

#include <string>

class QSettings;
class QWidget;

namespace tk {

class Fensterfolge : public QObject {
    Q_OBJECT
public:
    // `einstellungen` keeps the recently opened files (none without it).
    explicit Fensterfolge(Dialoge& dialoge, QSettings* einstellungen = nullptr,
                          QObject* parent = nullptr);
    ~Fensterfolge() override;

    enum class Fenster { Keins, Start, Eingabe, Grafik };

    // Shows the start window; with a data file, opens it as "Öffnen" would in the
    // input window of the mode its extension names. A file that cannot be read is
    // reported and the start window stays.
    void starten(const std::string& datei = {});

    Programmzustand& zustand() { return zustand_; }
    Fenster aktuell() const { return aktuell_; }
    frmstartKX* start() const { return start_; }
    frmKurvex* eingabe() const { return eingabe_; }
    // The visible window (nullptr after the end).
    QWidget* sichtbar() const;
    frmGrafikKurvex* grafik() const { return grafik_; }

signals:
    // The program is over: quit the event loop.
    void programmEnde();

private:
    void zeigeStart();
    void dateiOeffnen(const std::string& datei);
    void zeigeEingabe();
    void zeigeGrafik();
    void zurueckZurEingabe();
    void beenden();
    void zeigen(QWidget* fenster);
    void entsorgen(QWidget* fenster);

    Dialoge& dialoge_;
    QSettings* einstellungen_ = nullptr;
    Programmzustand zustand_;
    Fenster aktuell_ = Fenster::Keins;
    QPointer<frmstartKX> start_;
    QPointer<frmKurvex> eingabe_;
    QPointer<frmGrafikKurvex> grafik_;
};

} // namespace tk
