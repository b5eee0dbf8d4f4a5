#include "programm/Fensterfolge.h"

#include "app/Ende.h"
#include "app/Fehlermeldung.h"
#include "app/frmstartKX.h"
#include "datafile/Datei.h"
#include "entry/frmKurvex.h"
#include "programm/Grafikdienste.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace tk {

Fensterfolge::Fensterfolge(Dialoge& dialoge, QSettings* einstellungen, QObject* parent)
    : QObject(parent), dialoge_(dialoge), einstellungen_(einstellungen) {}

// The chart window goes first: it may still ask the input window about its changes.
Fensterfolge::~Fensterfolge() {
    grafik_.reset();
    eingabe_.reset();
    start_.reset();
}

QWidget* Fensterfolge::sichtbar() const {
    switch (aktuell_) {
    case Fenster::Start:
        return start_.get();
    case Fenster::Eingabe:
        return eingabe_.get();
    case Fenster::Grafik:
        return grafik_.get();
    case Fenster::Keins:
        return nullptr;
    }
    return nullptr;
}

void Fensterfolge::starten(const std::string& datei) {
    zeigeStart();
    if (!datei.empty()) dateiOeffnen(datei);
}

void Fensterfolge::dateiOeffnen(const std::string& datei) {
    const DateiArt art = artVon(datei);
    if (art == DateiArt::Unbekannt) {
        dialoge_.meldung(QString::fromStdString("Unbekannte Dateiart von \"" + datei +
                                                "\": erwartet wird .rgr (Regression) oder "
                                                ".pro (Prognose)."),
                         QStringLiteral("Trendkurve"), Knoepfe::OK, Symbol::Ausrufezeichen);
        return;
    }
    // Read once here so that a bad file leaves the start window, with the message
    // "Öffnen" gives (a drive that was not ready may be retried).
    for (;;) {
        try {
            laden(datei);
            break;
        } catch (const Fehler& f) {
            // The user chose this file outside any dialog: the message names it.
            auto m = meldungFuer(f);
            if (!m) return;
            m->text += "\n\nDatei: " + datei;
            if (dialoge_.meldung(*m) == Antwort::Wiederholen &&
                f.code == fehlercode::LaufwerkNichtBereit)
                continue;
            return;
        }
    }
    zustand_.ModusPrognostik = art == DateiArt::Prognose;
    zeigeEingabe();
    eingabe_->Oeffnen(datei);
}

void Fensterfolge::zeigen(QWidget* fenster) {
    // Centred on the screen, as the layouts are centred against the screen width.
    fenster->adjustSize();
    if (const QScreen* schirm = QGuiApplication::primaryScreen()) {
        const QRect r = schirm->availableGeometry();
        fenster->move(r.center() - QPoint(fenster->width() / 2, fenster->height() / 2));
    }
    fenster->show();
    fenster->raise();
    fenster->activateWindow();
}

void Fensterfolge::zeigeStart() {
    // The data set of the input window is given up; the start window resets the state.
    entsorgen(grafik_);
    if (eingabe_) eingabe_->abbrechen();
    entsorgen(eingabe_);
    entsorgen(start_);
    start_ = std::make_unique<frmstartKX>(zustand_, dialoge_);
    auto* s = start_.get();
    connect(s, &frmstartKX::modusGewaehlt, this, &Fensterfolge::zeigeEingabe);
    connect(s, &frmstartKX::beenden, this, &Fensterfolge::beenden);
    connect(s, &frmstartKX::geschlossen, this, &Fensterfolge::beenden);
    aktuell_ = Fenster::Start;
    zeigen(s);
}

void Fensterfolge::zeigeEingabe() {
    entsorgen(eingabe_);
    eingabe_ = std::make_unique<frmKurvex>(zustand_, dialoge_);
    auto* e = eingabe_.get();
    e->einstellungen = einstellungen_;
    connect(e, &frmKurvex::zurueckZumStart, this, &Fensterfolge::zeigeStart);
    connect(e, &frmKurvex::beenden, this, &Fensterfolge::beenden);
    connect(e, &frmKurvex::geschlossen, this, &Fensterfolge::beenden);
    connect(e, &frmKurvex::grafikZeigen, this, &Fensterfolge::zeigeGrafik);
    aktuell_ = Fenster::Eingabe;
    zeigen(e);
    entsorgen(start_);
}

void Fensterfolge::zeigeGrafik() {
    entsorgen(grafik_);
    Grafikdienste dienste = grafikdiensteErzeugen();
    dienste.laufergebnis = [this]() -> std::optional<Vergleichsdaten> {
        return eingabe_ ? eingabe_->vergleichsdaten() : std::nullopt;
    };
    // The hidden input window holds the data set and asks about its changes.
    dienste.aufgeben = [this](bool ende) {
        if (!eingabe_) return ende ? EndeAbfrage(dialoge_) : true;
        return ende ? eingabe_->endeBestaetigt() : eingabe_->aenderungenSichern();
    };
    grafik_ = std::make_unique<frmGrafikKurvex>(zustand_, dialoge_, std::move(dienste));
    auto* g = grafik_.get();
    connect(g, &frmGrafikKurvex::zurueckZurEingabe, this, &Fensterfolge::zurueckZurEingabe);
    connect(g, &frmGrafikKurvex::zurueckZumStart, this, &Fensterfolge::zeigeStart);
    connect(g, &frmGrafikKurvex::beenden, this, &Fensterfolge::beenden);
    // Its title-bar close box also reports zurueckZurEingabe.
    aktuell_ = Fenster::Grafik;
    zeigen(g);
    // The input window only hides, so its results survive.
    if (eingabe_) eingabe_->hide();
}

void Fensterfolge::zurueckZurEingabe() {
    if (aktuell_ != Fenster::Grafik) return;
    if (!eingabe_) {
        zeigeStart();
        return;
    }
    aktuell_ = Fenster::Eingabe;
    eingabe_->show();
    eingabe_->raise();
    eingabe_->activateWindow();
    entsorgen(grafik_);
}

void Fensterfolge::beenden() {
    if (aktuell_ == Fenster::Keins) return;
    aktuell_ = Fenster::Keins;
    if (eingabe_) eingabe_->abbrechen();
    entsorgen(grafik_);
    entsorgen(eingabe_);
    entsorgen(start_);
    emit programmEnde();
}

} // namespace tk
