// The calculation run of the input window and its chart buttons.

#include "entry/frmKurvex.h"

#include "app/Fehlermeldung.h"
#include "app/Layout.h"
#include "calc/Format.h"
#include "entry/Hintergrundlauf.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>

#include <utility>

using namespace Qt::StringLiterals;

namespace tk {

namespace {
const QString ZeileSummen = u" Fall Summenwerte :       r = "_s;
const QString ZeileEinzel = u" Fall Einzelwerte :            r = "_s;
const QString KeineKurve = u"keine Kurve beschreibt die Werte"_s;
constexpr int HoeheSummen = 4850;

// The case's result line: r of its decisive curve, or why it has none to show.
QString ergebniszeile(const QString& kopf, const FallErgebnis& e) {
    if (e.keineBeschreibt()) return kopf.left(kopf.lastIndexOf(u"r = "_s)) + KeineKurve;
    return kopf + QString::fromStdString(formatFest(e.r, 10));
}
constexpr int HoeheEinzel = 5400;

void meldungenZeigen(Dialoge& dialoge, const FallErgebnis& e) {
    for (const auto& t : e.typen)
        if (t.fehler) ZeigFehler(dialoge, *t.fehler);
}
} // namespace

void frmKurvex::rechnungSperren(bool sperren) {
    rechnet_ = sperren;
    // Nothing that changes the data set may run during a search; "Beenden" still works.
    for (QLineEdit* f : Text1_) f->setEnabled(!sperren);
    Text2_->setEnabled(!sperren);
    List1_->setEnabled(!sperren);
    for (QPushButton* k : cmd1_) k->setEnabled(!sperren);
    for (QAction* a : menue_)
        if (a != menue(Menue::Beenden)) a->setEnabled(!sperren);
    verlaufZeigen();
}

void frmKurvex::zeitAnzeigen() {
    const QString t = QString::number(Sekunden_) + u" Sek."_s;
    Label3_->setText(
        (Fall_ == 1 ? u"Berechnung Summenwerte:  "_s : u"Berechnung Einzelwerte:  "_s) + t);
}

// The elapsed time and "Abbrechen" stand on the result line of the case shown.
void frmKurvex::anzeigeAuf(int fall) {
    Fall_ = fall;
    const int y = tw(fall == 1 ? HoeheSummen : HoeheEinzel);
    Label3_->move(Label3_->x(), y);
    Abbrechen_->move(Abbrechen_->x(), y);
    Sekunden_ = sekunden_[static_cast<std::size_t>(fall - 1)];
    zeitAnzeigen();
}

void frmKurvex::abbrechenKnopfBauen(QWidget* flaeche) {
    Abbrechen_ = new QPushButton(u"Abbrechen"_s, flaeche);
    Abbrechen_->setGeometry(tw(5100), tw(HoeheSummen), tw(1400), tw(330));
    Abbrechen_->setAutoDefault(true);
    // Esc stops the search as the button does.
    connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this, [this] {
        if (rechnet_) abbruch_ = true;
    });
    Abbrechen_->hide();
    connect(Abbrechen_, &QPushButton::clicked, this, [this] { abbruch_ = true; });
}

// Shown while the Einzelwerte case may still run; its messages come first.
void frmKurvex::summenwerteFertig(const FallErgebnis& e) {
    Ergebnis_.S = e;
    meldungenZeigen(dialoge_, e);
    if (abbruch_) return;
    Label1_[SummenLabel]->setText(ergebniszeile(ZeileSummen, e));
    Label1_[SummenLabel]->show();
    anzeigeAuf(2);
}

Laufergebnis frmKurvex::hintergrundRechnen() {
    sekunden_ = {0, 0};
    Hintergrundlauf::Rueckmeldungen r;
    r.typBeginn = [this](int fall, int) {
        sekunden_[static_cast<std::size_t>(fall)] = 0;
        if (fall + 1 == Fall_) anzeigeAuf(Fall_);
    };
    r.fortschritt = [this](int fall, int s) {
        if (abbruch_) return;
        sekunden_[static_cast<std::size_t>(fall)] = s;
        if (fall + 1 == Fall_) anzeigeAuf(Fall_);
        if (beiFortschritt) beiFortschritt();
    };
    r.fallFertig = [this](int fall, const FallErgebnis& e) {
        if (fall == 0) summenwerteFertig(e);
    };
    Hintergrundlauf lauf(abbruch_, std::move(r));
    lauf.imArbeiter = imRechenthread;
    return lauf.ausfuehren(z_);
}

void frmKurvex::Rechnen_Click() {
    if (rechnet_) return;
    Label3_->hide();
    cmd1_[Grafik]->hide();
    cmd1_[GrafikEinzel]->hide();
    Label1_[SummenLabel]->hide();
    Label1_[EinzelLabel]->hide();
    modell_.korrekturBeenden();
    Ergebnis_ = {};
    abbruch_ = false;

    // Locks the input during a run; afterwards the focus is where it was.
    struct Sperre {
        frmKurvex& w;
        QPointer<QWidget> fokus;
        explicit Sperre(frmKurvex& w) : w(w), fokus(w.focusWidget()) { w.rechnungSperren(true); }
        ~Sperre() {
            w.rechnungSperren(false);
            w.Label3_->hide();
            w.Abbrechen_->hide();
            if (fokus && fokus->isVisible()) fokus->setFocus(Qt::OtherFocusReason);
        }
    };

    try {
        Laufergebnis lauf;
        {
            Sperre sperre(*this);
            if (z_.ModusPrognostik) {
                anzeigeAuf(1);
                Label3_->show();
                Abbrechen_->show();
            }
            lauf = hintergrundRechnen();
        }
        if (abbruch_) {
            // Stopped: the data set is as it was, and no result is shown.
            Label1_[SummenLabel]->hide();
            Ergebnis_ = {};
            nachRechnung();
            return;
        }
        ergebnisZeigen(lauf);
    } catch (const Fehler& f) {
        ZeigFehler(dialoge_, f);
    }
    nachRechnung();
}

void frmKurvex::ergebnisZeigen(const Laufergebnis& lauf) {
    z_.fitUebernehmen(lauf.z);
    Ergebnis_ = {lauf.summenwerte, lauf.einzelwerte, lauf.regression, true};
    if (!z_.ModusPrognostik) {
        for (const Fehler& f : lauf.meldungen) ZeigFehler(dialoge_, f);
        // Without a decisive model there is nothing to chart.
        if (z_.ModellNr != 0) {
            cmd1_[Grafik]->setEnabled(true);
            cmd1_[Grafik]->show();
        }
    } else {
        meldungenZeigen(dialoge_, Ergebnis_.E);
        // A case without a decisive curve offers no chart.
        cmd1_[GrafikEinzel]->setVisible(Ergebnis_.E.entscheidend);
        cmd1_[Grafik]->setVisible(Ergebnis_.S.entscheidend);
        Label1_[EinzelLabel]->setText(ergebniszeile(ZeileEinzel, Ergebnis_.E));
        Label1_[EinzelLabel]->show();
    }
    cmd1_[EingabeSpeichern]->show();
}

void frmKurvex::nachRechnung() {
    const bool beendet = std::exchange(beendenNachRechnung_, false);
    const bool geschlossen = std::exchange(schliessenNachRechnung_, false);
    if (beendet)
        QTimer::singleShot(0, this, [this] { emit beenden(); });
    else if (geschlossen)
        QTimer::singleShot(0, this, &QWidget::close);
}

void frmKurvex::Grafik_Click(int fall) {
    try {
        z_.GrafikFall = z_.ModusPrognostik ? fall : 1;
        if (z_.ModusPrognostik) fallUebernehmen(z_, fall == 1 ? Ergebnis_.S : Ergebnis_.E);
        emit grafikZeigen();
    } catch (const Fehler& f) {
        ZeigFehler(dialoge_, f);
    }
}

} // namespace tk
