// The calculation run of the input window and its chart buttons.

#include "frmKurvex.h"

#include "Fehlermeldung.h"
#include "Format.h"
#include "Layout.h"
#include "Regression.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <utility>

using namespace Qt::StringLiterals;

namespace tk {

namespace {
const QString ZeileSummen = u" Fall Summenwerte :       r = "_s;
const QString ZeileEinzel = u" Fall Einzelwerte :            r = "_s;
constexpr int HoeheSummen = 4850;
constexpr int HoeheEinzel = 5400;
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
}

void frmKurvex::zeitAnzeigen() {
    const QString t = QString::number(Sekunden_) + u" Sek."_s;
    Label3_->setText(
        (Fall_ == 1 ? u"Berechnung Summenwerte:  "_s : u"Berechnung Einzelwerte:  "_s) + t);
}

Fortschritt frmKurvex::fortschrittFuer() {
    Fortschritt f;
    f.typBeginn = [this](int) {
        Sekunden_ = 0;
        uhr_.start();
        zeitAnzeigen();
        Label3_->show();
        QCoreApplication::processEvents();
    };
    f.fortschritt = [this](long) {
        const int s = static_cast<int>(uhr_.elapsed() / 1000);
        if (s != Sekunden_) {
            Sekunden_ = s;
            zeitAnzeigen();
        }
        QCoreApplication::processEvents();
        if (beiFortschritt) beiFortschritt();
        return !abbruch_;
    };
    f.ende = [this] {
        Sekunden_ = 0;
        Label3_->hide();
    };
    return f;
}

void frmKurvex::Rechnen_Click() {
    if (rechnet_) return;
    Label3_->hide();
    cmd1_[4]->hide();
    cmd1_[6]->hide();
    Label1_[6]->hide();
    Label1_[7]->hide();
    KorrekturModus_ = false;
    Ergebnis_ = {};
    abbruch_ = false;
    const auto melden = [this](const Fehler& f) { ZeigFehler(dialoge_, f); };

    // Locks the input during a search; afterwards the focus is where it was.
    struct Sperre {
        frmKurvex& w;
        QPointer<QWidget> fokus;
        explicit Sperre(frmKurvex& w) : w(w), fokus(w.focusWidget()) { w.rechnungSperren(true); }
        ~Sperre() {
            w.rechnungSperren(false);
            if (fokus && fokus->isVisible()) fokus->setFocus(Qt::OtherFocusReason);
        }
    };

    try {
        if (!z_.ModusPrognostik) {
            MassgR(z_, melden);
            // Without a decisive model there is nothing to chart.
            if (z_.ModellNr != 0) {
                cmd1_[4]->setEnabled(true);
                cmd1_[4]->show();
            }
        } else {
            {
                Sperre sperre(*this);
                Fall_ = 1;
                Label3_->move(Label3_->x(), tw(HoeheSummen));
                Ergebnis_.S = RegressFaktorP(z_, Untersuch1(z_), fortschrittFuer(), melden);
                if (!abbruch_) {
                    Label1_[6]->setText(ZeileSummen +
                                        QString::fromStdString(formatFest(Ergebnis_.S.r, 10)));
                    Label1_[6]->show();
                    Fall_ = 2;
                    Label3_->move(Label3_->x(), tw(HoeheEinzel));
                    Ergebnis_.E = RegressFaktorP(z_, Untersuch2(z_), fortschrittFuer(), melden);
                }
            }
            Label3_->hide();
            if (abbruch_) {
                nachRechnung();
                return;
            }
            // A case without a decisive curve offers no chart.
            cmd1_[6]->setVisible(Ergebnis_.E.entscheidend);
            cmd1_[4]->setVisible(Ergebnis_.S.entscheidend);
            Label1_[7]->setText(ZeileEinzel +
                                QString::fromStdString(formatFest(Ergebnis_.E.r, 10)));
            Label1_[7]->show();
        }
        cmd1_[5]->show();
    } catch (const Fehler& f) {
        Label3_->hide();
        ZeigFehler(dialoge_, f);
    }
    nachRechnung();
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
