// The "Datei" menu and "Eingabe speichern" of the input window.

#include "entry/frmKurvex.h"

#include "app/Fehlermeldung.h"
#include "calc/Format.h"
#include "datafile/Datei.h"
#include "entry/Werteliste.h"

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>

using namespace Qt::StringLiterals;

namespace tk {

QString frmKurvex::dateiFilter() const {
    return z_.ModusPrognostik ? u"(*.pro)|*.pro"_s : u"(*.rgr)|*.rgr"_s;
}

bool frmKurvex::dateiZugriff(const std::function<void()>& zugriff) {
    for (;;) {
        try {
            zugriff();
            return true;
        } catch (const Fehler& f) {
            const Antwort a = ZeigFehler(dialoge_, f);
            if (f.code == fehlercode::LaufwerkNichtBereit && a == Antwort::Wiederholen)
                continue; // drive ready again
            return false;
        }
    }
}

void frmKurvex::mnuOpen_Click() {
    if (rechnet_ || !aenderungenSichern()) return;
    const auto pfad = dialoge_.dateiOeffnen(dateiFilter());
    if (!pfad) return;
    Oeffnen(pfad->toStdString());
}

void frmKurvex::Oeffnen(const std::string& pfad) {
    Datensatz d;
    // A file that cannot be read changes nothing, not even the current file name.
    const auto lesen = [&] {
        try {
            d = laden(pfad);
        } catch (const Fehler& f) {
            if (f.code != fehlercode::DateiFormat) throw;
            throw Fehler(f.code, f.quelle, "Datei \"" + pfad + "\":\n" + f.beschreibung);
        }
    };
    if (!dateiZugriff(lesen)) return;
    try {
        const QScopedValueRollback<int> still(stumm_, stumm_ + 1);
        uebernehmen(z_, d);
        z_.DateiName = pfad;
        Text2_->setText(QString::fromStdString(z_.Bezeichnung));
        Text1_[Anzahl]->setText(anzahlText(z_.AnzPaare));
        modell_.geladen();
        ergebnisseVerbergen(); // results of the previous data set no longer apply
        Bild2();
        cmd1_[EingabeSpeichern]->show();
        Bild3();
        EingabeListe();
        // Pair 1 as loaded, with seven decimals (the list shows the X value plainly).
        if (z_.AnzPaare >= 1) {
            Text1_[WertX]->setText(QString::fromStdString(formatWert(z_.EingabeX(1))));
            Text1_[WertY]->setText(QString::fromStdString(formatWert(z_.EingabeY(1))));
        }
        neuerStand(false);
        zuletztMerken(QString::fromStdString(pfad));
    } catch (const Fehler& f) {
        ZeigFehler(dialoge_, f);
    }
}

void frmKurvex::mnuSpeichern_Click() {
    if (z_.DateiName.empty()) {
        dialoge_.meldung(u"Dateiname unbekannt"_s,
                         u"Zuerst speichern mit Menü >Speichern unter ..< !!"_s, Knoepfe::OK,
                         Symbol::Ausrufezeichen);
        return;
    }
    if (speichernErlaubt()) Speichern(z_.DateiName);
}

void frmKurvex::mnuSpeichernU_Click() {
    if (!speichernErlaubt()) return;
    const auto pfad = dialoge_.dateiSpeichern(dateiFilter());
    if (!pfad) return;
    // The data set takes the new name only once it is saved there.
    if (!Speichern(pfad->toStdString())) return;
    z_.DateiName = pfad->toStdString();
    titelZeigen();
    zuletztMerken(*pfad);
}

void frmKurvex::EingabeSpeichern_Click() {
    if (z_.DateiName.empty())
        mnuSpeichernU_Click();
    else if (speichernErlaubt())
        Speichern(z_.DateiName);
}

bool frmKurvex::Speichern(const std::string& pfad) {
    // The title typed last counts even when the field was not left before the menu.
    titelUebernehmen();
    if (DateiVorhanden(pfad)) {
        const Antwort a =
            dialoge_.meldung(u"Wollen Sie die vorhandene Datei überschreiben ??\n\n"_s +
                                 QString::fromStdString(pfad),
                             u"Achtung"_s, Knoepfe::JaNein, Symbol::Keins);
        if (a != Antwort::Ja) return false;
    }
    try {
        speichern(pfad, z_, speicherwege);
        neuerStand(true);
        return true;
    } catch (const Fehler& f) {
        // The old file is untouched; the user must know that the data are not saved.
        dialoge_.meldung(u"Die Daten wurden nicht gespeichert.\n"_s +
                             QString::fromStdString(f.beschreibung),
                         u"Fehler !!"_s, Knoepfe::OK, Symbol::Ausrufezeichen);
        return false;
    }
}

void frmKurvex::mnuKill_Click() {
    const auto pfad = dialoge_.dateiOeffnen(dateiFilter());
    if (!pfad) return; // nothing chosen, nothing to delete
    const Antwort a = dialoge_.meldung(u"Wollen Sie "_s + *pfad + u" wirklich löschen ??"_s,
                                       u"Achtung"_s, Knoepfe::JaNeinAbbrechen, Symbol::Frage);
    if (a != Antwort::Ja) return;
    const std::string name = pfad->toStdString();
    // The data set no longer has a file once the file it was saved under is gone.
    const bool eigeneDatei =
        !z_.DateiName.empty() && DateiVorhanden(name) &&
        QFileInfo(*pfad).canonicalFilePath() ==
            QFileInfo(QString::fromStdString(z_.DateiName)).canonicalFilePath();
    if (dateiZugriff([&] { loeschen(name); }) && eigeneDatei) {
        z_.DateiName.clear();
        titelZeigen();
    }
}

} // namespace tk
