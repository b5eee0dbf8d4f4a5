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
#include <memory>
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
    frmstartKX* start() const { return start_.get(); }
    frmKurvex* eingabe() const { return eingabe_.get(); }
    // The visible window (nullptr after the end).
    QWidget* sichtbar() const;
    frmGrafikKurvex* grafik() const { return grafik_.get(); }

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
    // Hides a window and hands it to Qt's deferred deletion: it may be the sender of the
    // signal being handled.
    template <class F> static void entsorgen(std::unique_ptr<F>& fenster) {
        if (!fenster) return;
        fenster->hide();
        fenster.release()->deleteLater();
    }

    Dialoge& dialoge_;
    QSettings* einstellungen_ = nullptr;
    Programmzustand zustand_;
    Fenster aktuell_ = Fenster::Keins;
    // Top-level windows have no parent widget; these own them.
    std::unique_ptr<frmstartKX> start_;
    std::unique_ptr<frmKurvex> eingabe_;
    std::unique_ptr<frmGrafikKurvex> grafik_;
};

} // namespace tk
