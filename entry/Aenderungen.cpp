// Unsaved changes, undo and redo, recently opened files and files dropped on the window.

#include "entry/frmKurvex.h"

#include "app/Ende.h"
#include "calc/Regression.h"
#include "datafile/Datei.h"
#include "entry/Werteliste.h"

#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSettings>
#include <QUndoStack>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace tk {

namespace {

constexpr int MaxZuletzt = 8;
const QString ZuletztSchluessel = u"zuletztGeoeffnet"_s;

QString endungVon(const QString& pfad) {
    return QFileInfo(pfad).suffix().toLower();
}

} // namespace

// One change of the data set: both states are kept whole, so undo never leaves a
// half-entered pair behind.
class frmKurvex::Aenderung : public QUndoCommand {
public:
    Aenderung(frmKurvex& w, Stand vorher, Stand nachher)
        : w_(w), vorher_(std::move(vorher)), nachher_(std::move(nachher)) {}
    void undo() override { w_.standAnwenden(vorher_); }
    void redo() override {
        // Pushing the step records what the window already shows.
        if (erstesMal_) {
            erstesMal_ = false;
            return;
        }
        w_.standAnwenden(nachher_);
    }

private:
    frmKurvex& w_;
    Stand vorher_;
    Stand nachher_;
    bool erstesMal_ = true;
};

void frmKurvex::standAnwenden(const Stand& s) {
    {
        const QScopedValueRollback<int> still(stumm_, stumm_ + 1);
        Text2_->setText(QString::fromStdString(s.titel));
        if (s.anzahlOK) {
            Bild2();
        } else {
            Bild1();
            Ergebnis_ = {};
        }
        const Folge folge = modell_.standAnwenden(s);
        // "Eingabe speichern" only for a complete data set.
        cmd1_[EingabeSpeichern]->setVisible(s.anzahlOK && modell_.vollstaendig());
        zeigen(folge);
    }
    stand_ = s;
}

void frmKurvex::aufnehmen(bool paarOffen) {
    // A pair open for correction becomes one step when it is left.
    if (!verlauf_ || (modell_.korrekturModus() && !paarOffen)) return;
    Stand neu = modell_.stand();
    if (neu == stand_) return;
    verlauf_->push(new Aenderung(*this, stand_, neu));
    stand_ = std::move(neu);
}

void frmKurvex::neuerStand(bool verlauf) {
    if (verlauf)
        aufnehmen(true); // what was saved stays a step that can be undone
    else
        verlauf_->clear();
    stand_ = modell_.stand();
    verlauf_->setClean();
    titelZeigen();
}

bool frmKurvex::geaendert() const {
    return verlauf_ && !verlauf_->isClean();
}

void frmKurvex::titelZeigen() {
    QString titel =
        z_.ModusPrognostik ? u" Trend-Prognostik :  Eingabe"_s : u" Trend-Regression :  Eingabe"_s;
    if (!z_.DateiName.empty())
        titel += u" - "_s + QFileInfo(QString::fromStdString(z_.DateiName)).fileName();
    setWindowTitle(titel + u"[*]"_s);
    setWindowModified(geaendert());
}

void frmKurvex::verlaufZeigen() {
    if (!verlauf_) return;
    menue(Menue::Rueckgaengig)->setEnabled(!rechnet_ && verlauf_->canUndo());
    menue(Menue::Wiederholen)->setEnabled(!rechnet_ && verlauf_->canRedo());
}

bool frmKurvex::aenderungenSichern() {
    aufnehmen(true); // a title typed or a pair corrected just before counts
    if (!geaendert()) return true;
    const QString name = z_.DateiName.empty()
                             ? u"dem neuen Datensatz"_s
                             : QFileInfo(QString::fromStdString(z_.DateiName)).fileName();
    const Antwort a = dialoge_.meldung(u"Die Änderungen an "_s + name + u" speichern?"_s,
                                       u"Trendkurve"_s, Knoepfe::JaNeinAbbrechen, Symbol::Frage);
    if (a == Antwort::Nein) return true;
    if (a != Antwort::Ja) return false;
    EingabeSpeichern_Click();
    return !geaendert();
}

bool frmKurvex::endeBestaetigt() {
    aufnehmen(true);
    return geaendert() ? aenderungenSichern() : EndeAbfrage(dialoge_);
}

void frmKurvex::ergebnisfensterSchliessen() {
    for (const QPointer<QWidget>& f : ergebnisfenster_)
        if (f) f->close();
    ergebnisfenster_.clear();
}

void frmKurvex::bearbeitenMenue(QMenu* bearbeiten) {
    verlauf_ = new QUndoStack(this);
    const auto eintrag = [&](Menue m, const QString& text, QKeySequence taste, auto schritt) {
        QAction* a = bearbeiten->addAction(text);
        a->setShortcut(taste);
        connect(a, &QAction::triggered, this, [this, schritt] {
            if (rechnet_) return;
            aufnehmen(true); // a title or a pair not yet taken is a step of its own
            (verlauf_->*schritt)();
        });
        menue_[static_cast<std::size_t>(m)] = a;
    };
    eintrag(Menue::Rueckgaengig, u"Rückgängig"_s, QKeySequence::Undo, &QUndoStack::undo);
    eintrag(Menue::Wiederholen, u"Wiederholen"_s, QKeySequence(u"Ctrl+Shift+Z"_s),
            &QUndoStack::redo);
    bearbeiten->addSeparator();
    connect(verlauf_, &QUndoStack::cleanChanged, this, [this] { titelZeigen(); });
    connect(verlauf_, &QUndoStack::indexChanged, this, [this] { verlaufZeigen(); });
    verlaufZeigen();
}

// ---- recently opened files

void frmKurvex::zuletztMenue(QMenu* datei, QAction* vor) {
    QMenu* zuletzt = new QMenu(u"Zuletzt geöffnet"_s, datei);
    zuletzt->setObjectName(u"zuletzt"_s);
    datei->insertMenu(vor, zuletzt);
    connect(zuletzt, &QMenu::aboutToShow, this, [this, zuletzt] {
        zuletzt->clear();
        const QString endung = z_.ModusPrognostik ? u"pro"_s : u"rgr"_s;
        const QStringList liste =
            einstellungen ? einstellungen->value(ZuletztSchluessel).toStringList() : QStringList();
        for (const QString& pfad : liste) {
            if (endungVon(pfad) != endung) continue;
            zuletzt->addAction(
                pfad, this, [this, pfad] { geschuetzt([this, pfad] { zuletztOeffnen(pfad); }); });
        }
        if (zuletzt->isEmpty()) zuletzt->addAction(u"(keine)"_s)->setEnabled(false);
    });
}

void frmKurvex::zuletztMerken(const QString& pfad) {
    if (!einstellungen) return;
    QStringList liste = einstellungen->value(ZuletztSchluessel).toStringList();
    const QString voll = QFileInfo(pfad).absoluteFilePath();
    liste.removeAll(voll);
    if (QFileInfo::exists(voll)) liste.prepend(voll);
    while (liste.size() > MaxZuletzt) liste.removeLast();
    einstellungen->setValue(ZuletztSchluessel, liste);
}

void frmKurvex::zuletztOeffnen(const QString& pfad) {
    if (rechnet_) return;
    if (!QFileInfo::exists(pfad)) {
        dialoge_.meldung(u"Die Datei "_s + pfad +
                             u" gibt es nicht mehr; sie wird aus der Liste genommen."_s,
                         u"Zuletzt geöffnet"_s, Knoepfe::OK, Symbol::Ausrufezeichen);
        zuletztMerken(pfad); // a missing file leaves the list
        return;
    }
    if (!aenderungenSichern()) return;
    Oeffnen(pfad.toStdString());
}

// ---- files dropped on the window

void frmKurvex::dragEnterEvent(QDragEnterEvent* e) {
    const QList<QUrl> urls = e->mimeData()->urls();
    if (rechnet_ || urls.size() != 1 || !urls.front().isLocalFile()) return;
    const QString endung = endungVon(urls.front().toLocalFile());
    if (endung == u"rgr"_s || endung == u"pro"_s || endung == u"csv"_s) e->acceptProposedAction();
}

void frmKurvex::dropEvent(QDropEvent* e) {
    const QList<QUrl> urls = e->mimeData()->urls();
    if (urls.size() != 1) return;
    e->acceptProposedAction();
    const QString pfad = urls.front().toLocalFile();
    geschuetzt([this, pfad] { dateiUebernehmen(pfad); });
}

void frmKurvex::dateiUebernehmen(const QString& pfad) {
    if (rechnet_) return;
    const QString endung = endungVon(pfad);
    if (endung == u"csv"_s) {
        QFile datei(pfad);
        if (!datei.open(QIODevice::ReadOnly)) {
            dialoge_.meldung(u"Die Datei "_s + pfad + u" kann nicht gelesen werden."_s,
                             u"Importieren"_s, Knoepfe::OK, Symbol::Ausrufezeichen);
            return;
        }
        wertetabelleUebernehmen(datei.readAll().toStdString(), u"Importieren"_s);
        return;
    }
    const QString eigene = z_.ModusPrognostik ? u"pro"_s : u"rgr"_s;
    if (endung != eigene) {
        dialoge_.meldung(u"Die Datei "_s + pfad + u" gehört zur "_s +
                             (z_.ModusPrognostik ? u"Trend-Regression"_s : u"Trend-Prognostik"_s) +
                             u": wechseln Sie mit \"Zurück zum Start\" den Modus."_s,
                         u"Öffnen"_s, Knoepfe::OK, Symbol::Ausrufezeichen);
        return;
    }
    if (!aenderungenSichern()) return;
    Oeffnen(pfad.toStdString());
}

bool frmKurvex::speichernErlaubt() {
    const std::optional<Meldungstext> verweigert = modell_.speichernVerweigert();
    if (verweigert) dialoge_.meldung(*verweigert);
    return !verweigert;
}

} // namespace tk
