// Pairs from the clipboard or a CSV file, and the model table of the last run.

#include "entry/frmKurvex.h"

#include "calc/Regression.h"
#include "charts/frmModellvergleich.h"
#include "datafile/Wertetabelle.h"
#include "entry/Werteliste.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace tk {

void frmKurvex::zusatzmenuesAufbauen(QMenu* datei) {
    const auto eintrag = [this](QAction* a, Menue m, void (frmKurvex::*handler)()) {
        connect(a, &QAction::triggered, this,
                [this, handler] { geschuetzt([this, handler] { (this->*handler)(); }); });
        menue_[static_cast<std::size_t>(m)] = a;
    };
    // Beside "Öffnen", the other way a data set comes in.
    auto* importieren = new QAction(u"Importieren (CSV) ..."_s, datei);
    const QList<QAction*> aktionen = datei->actions();
    const qsizetype oeffnen = aktionen.indexOf(menue(Menue::Oeffnen));
    datei->insertAction(aktionen.value(oeffnen + 1), importieren);
    eintrag(importieren, Menue::Importieren, &frmKurvex::importieren);

    zuletztMenue(datei, aktionen.value(oeffnen + 1));

    QMenu* bearbeiten = menuBar()->addMenu(u"&Bearbeiten"_s);
    bearbeitenMenue(bearbeiten);
    QAction* einfuegen = bearbeiten->addAction(u"Wertepaare einfügen"_s);
    // In a field Ctrl+V pastes into the field, elsewhere it takes pairs.
    einfuegen->setShortcut(QKeySequence::Paste);
    eintrag(einfuegen, Menue::Einfuegen, &frmKurvex::wertepaareEinfuegen);

    QMenu* ergebnisse = menuBar()->addMenu(u"E&rgebnisse"_s);
    QAction* vergleich = ergebnisse->addAction(u"Modellvergleich ..."_s);
    eintrag(vergleich, Menue::Modellvergleich, &frmKurvex::modellvergleichZeigen);
    connect(ergebnisse, &QMenu::aboutToShow, this,
            [this, vergleich] { vergleich->setEnabled(!rechnet_ && Ergebnis_.gezeigt); });
}

std::optional<Vergleichsdaten> frmKurvex::vergleichsdaten() const {
    if (!Ergebnis_.gezeigt) return std::nullopt;
    return Vergleichsdaten{z_, Ergebnis_.R, Ergebnis_.S, Ergebnis_.E};
}

void frmKurvex::modellvergleichZeigen() {
    const std::optional<Vergleichsdaten> d = vergleichsdaten();
    if (rechnet_ || !d) return;
    auto* fenster = new frmModellvergleich(*d, this);
    fenster->setAttribute(Qt::WA_DeleteOnClose);
    ergebnisfenster_.emplace_back(fenster);
    fenster->show();
}

void frmKurvex::wertepaareEinfuegen() {
    wertetabelleUebernehmen(QApplication::clipboard()->text().toStdString(),
                            u"Wertepaare einfügen"_s);
}

QString frmKurvex::importFilter() {
    // Qt's file dialog separates the patterns of one entry by blanks.
    return u"CSV-Tabelle (*.csv *.txt)|*.csv *.txt"_s;
}

void frmKurvex::importieren() {
    const auto pfad = dialoge_.dateiOeffnen(importFilter());
    if (!pfad || pfad->isEmpty()) return;
    QFile datei(*pfad);
    if (!datei.open(QIODevice::ReadOnly)) {
        dialoge_.meldung(u"Die Datei "_s + *pfad + u" kann nicht gelesen werden."_s,
                         u"Importieren"_s, Knoepfe::OK, Symbol::Ausrufezeichen);
        return;
    }
    wertetabelleUebernehmen(datei.readAll().toStdString(), u"Importieren"_s);
}

void frmKurvex::wertetabelleUebernehmen(const std::string& text, const QString& titel) {
    if (rechnet_) return;
    const Wertetabelle t = liesWertetabelle(text);
    if (!t.ok()) {
        dialoge_.meldung(QString::fromStdString(t.fehler), titel, Knoepfe::OK,
                         Symbol::Ausrufezeichen);
        return;
    }
    if (modell_.eingegeben() > 0 &&
        dialoge_.meldung(u"Die vorhandenen Wertepaare ersetzen : Ja oder Nein ?"_s, u"Achtung"_s,
                         Knoepfe::JaNein, Symbol::Frage) != Antwort::Ja)
        return;
    paareSetzen(t.paare);
}

void frmKurvex::paareSetzen(const std::vector<std::pair<double, double>>& paare) {
    titelUebernehmen();
    zeigen(modell_.paareSetzen(paare));
}

} // namespace tk
