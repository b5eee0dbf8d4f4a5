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
#include <QRegularExpression>

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
    // Reading stops just past the limit, so that no file (nor a device) can flood memory.
    wertetabelleUebernehmen(datei.read(qint64(MaxTabellenBytes) + 1).toStdString(),
                            u"Importieren"_s);
}

namespace {

// Which two columns of a wider table hold X and Y; nullopt when the user cancels.
std::optional<Spaltenwahl> spaltenErfragen(Dialoge& dialoge, int spalten, const QString& titel) {
    const auto antwort = dialoge.texteingabe(
        u"Die Tabelle hat %1 Spalten. Welche enthalten X und Y? (zwei Nummern, z. B. 1,3)"_s.arg(
            spalten),
        titel, u"1,2"_s);
    if (!antwort) return std::nullopt;
    static const QRegularExpression zwei(u"^\\s*(\\d{1,3})\\s*[,; ]\\s*(\\d{1,3})\\s*$"_s);
    const auto treffer = zwei.match(*antwort);
    if (!treffer.hasMatch()) {
        dialoge.meldung(u"Bitte zwei Spaltennummern angeben, z. B. 1,3."_s, titel, Knoepfe::OK,
                        Symbol::Ausrufezeichen);
        return std::nullopt;
    }
    return Spaltenwahl{treffer.captured(1).toInt(), treffer.captured(2).toInt()};
}

} // namespace

void frmKurvex::wertetabelleUebernehmen(const std::string& text, const QString& titel) {
    if (rechnet_) return;
    Wertetabelle t = liesWertetabelle(text);
    if (!t.ok() && t.spalten > 2) {
        const auto wahl = spaltenErfragen(dialoge_, t.spalten, titel);
        if (!wahl) return;
        t = liesWertetabelle(text, wahl);
    }
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
