#include "charts/GrafikErgebnisse.h"

#include "app/Fehlermeldung.h"
#include "bericht/Bericht.h"
#include "bericht/Json.h"
#include "charts/frmGrafikKurvex.h"
#include "charts/frmModellvergleich.h"

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QSaveFile>

using namespace Qt::StringLiterals;

namespace tk {

namespace {

std::string fallName(const Programmzustand& z) {
    return z.GrafikFall == 2 ? "Einzelwerte" : "Summenwerte";
}

void modellvergleichZeigen(frmGrafikKurvex& w) {
    const auto& lauf = w.dienste().laufergebnis;
    const std::optional<Vergleichsdaten> d = lauf ? lauf() : std::nullopt;
    if (!d) return;
    auto* f = new frmModellvergleich(*d, &w);
    f->setAttribute(Qt::WA_DeleteOnClose);
    f->show();
}

bool endetAuf(const QString& pfad, const QString& endung) {
    return pfad.endsWith(endung, Qt::CaseInsensitive);
}

} // namespace

std::vector<Tabellenzeile> ergebnisseAlsTabelle(frmGrafikKurvex& w) {
    const auto& abfragen = w.dienste().abfragen;
    return ergebnistabelle(w.zustand(), fallName(w.zustand()),
                           abfragen ? abfragen(w) : Abfragetabelle{});
}

std::string exportText(frmGrafikKurvex& w, const QString& pfad) {
    const auto& lauf = w.dienste().laufergebnis;
    const std::optional<Vergleichsdaten> d = lauf ? lauf() : std::nullopt;
    if (!endetAuf(pfad, u".json"_s) || !d) return alsCsv(ergebnisseAlsTabelle(w));
    const bericht::Bericht b =
        bericht::berichtAusLauf(d->z, d->regression, d->summenwerte, d->einzelwerte);
    return bericht::alsJson(b, d->z.DateiName);
}

void ergebnisseExportieren(frmGrafikKurvex& w) {
    Dialoge& dialoge = w.dialoge();
    const auto gewaehlt =
        dialoge.dateiSpeichern(u"CSV-Tabelle (*.csv)|*.csv|JSON (*.json)|*.json"_s);
    if (!gewaehlt || gewaehlt->isEmpty()) return;
    QString ziel = *gewaehlt;
    if (!endetAuf(ziel, u".csv"_s) && !endetAuf(ziel, u".json"_s)) ziel += u".csv"_s;
    if (QFileInfo::exists(ziel) &&
        dialoge.meldung(u"Wollen Sie die vorhandene Datei überschreiben ??"_s, u"Achtung"_s,
                        Knoepfe::JaNein, Symbol::Keins) != Antwort::Ja)
        return;
    const std::string text = exportText(w, ziel);
    // Written beside the target and renamed at the end: a failure leaves the old file.
    QSaveFile datei(ziel);
    const bool ok = datei.open(QIODevice::WriteOnly) &&
                    datei.write(text.data(), static_cast<qint64>(text.size())) ==
                        static_cast<qint64>(text.size()) &&
                    datei.commit();
    if (!ok)
        ZeigFehler(dialoge,
                   Fehler(fehlercode::EinAusgabefehler, "Ergebnisse exportieren",
                          "Die Datei " + ziel.toStdString() + " konnte nicht geschrieben werden."));
}

void ergebnismenuesAnbringen(frmGrafikKurvex& w, QMenu& datei, QAction* vor) {
    auto* exportieren = new QAction(u"Ergebnisse exportieren ..."_s, &datei);
    exportieren->setObjectName(u"mnuErgebnisExport"_s);
    QObject::connect(exportieren, &QAction::triggered, &w, [&w] { ergebnisseExportieren(w); });
    datei.insertAction(vor, exportieren);

    QMenu* bearbeiten = w.menuBar()->addMenu(u"Bearbeiten"_s);
    bearbeiten
        ->addAction(u"Grafik kopieren"_s, &w,
                    [&w] { QApplication::clipboard()->setImage(w.bild()); })
        ->setShortcut(QKeySequence::Copy);
    bearbeiten->addAction(u"Ergebnisse kopieren"_s, &w, [&w] {
        QApplication::clipboard()->setText(QString::fromStdString(alsTsv(ergebnisseAlsTabelle(w))));
    });

    QMenu* ergebnisse = w.menuBar()->addMenu(u"Ergebnisse"_s);
    QAction* vergleich =
        ergebnisse->addAction(u"Modellvergleich ..."_s, &w, [&w] { modellvergleichZeigen(w); });
    vergleich->setEnabled(static_cast<bool>(w.dienste().laufergebnis));
}

} // namespace tk
