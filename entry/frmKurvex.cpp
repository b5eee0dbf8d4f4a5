#include "entry/frmKurvex.h"

#include "app/Besitzer.h"
#include "app/Ende.h"
#include "app/Fehlermeldung.h"
#include "app/Hilfe.h"
#include "app/Layout.h"
#include "app/TextBHilf.h"
#include "calc/Format.h"
#include "calc/Regression.h"
#include "entry/Knopf.h"
#include "entry/Werteliste.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPointer>
#include <QScopedValueRollback>
#include <QTimer>
#include <QUndoStack>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace tk {

namespace {

QString nummeriert(const QString& vorsilbe, int k) {
    return vorsilbe + QString::number(k) + u" :"_s;
}

} // namespace

frmKurvex::frmKurvex(Programmzustand& zustand, Dialoge& dialoge, QWidget* parent)
    : QMainWindow(parent), z_(zustand), dialoge_(dialoge) {
    aufbauen();
    menueAufbauen();
    tabFolge();
    // A freshly shown window starts an empty data set.
    z_.Bezeichnung.clear();
    z_.DateiName.clear();
    z_.AnzahlOK = false;
    Initialisieren();
    Bild1();
    neuerStand(false);
    setAcceptDrops(true);
    Text2_->setFocus();
}

frmKurvex::~frmKurvex() {
    // The stack outlives the menu actions it updates.
    if (verlauf_) verlauf_->disconnect(this);
}

QLabel* frmKurvex::neuesLabel(QWidget* flaeche, const QString& text, int x, int y, int b, int h) {
    auto* l = new QLabel(text, flaeche);
    l->setGeometry(tw(x), tw(y), tw(b), tw(h));
    return l;
}

QLineEdit* frmKurvex::neuesFeld(QWidget* flaeche, int x, int y, int b) {
    auto* f = new QLineEdit(flaeche);
    f->setGeometry(tw(x), tw(y), tw(b), tw(330));
    f->installEventFilter(this);
    return f;
}

void frmKurvex::neuerKnopf(QWidget* flaeche, Knopfnr nr, const QString& text, int y, int h) {
    auto* k = new Knopf(text, flaeche);
    k->setGeometry(tw(7700), tw(y), tw(2000), tw(h));
    k->setAutoDefault(true); // Enter presses the focused button
    connect(k, &QPushButton::clicked, this,
            [this, nr] { geschuetzt([this, nr] { cmd1_Click(nr); }); });
    cmd1_[nr] = k;
}

void frmKurvex::aufbauen() {
    auto* flaeche = new QWidget(this);
    setCentralWidget(flaeche);
    flaeche->setFixedSize(tw(10000), tw(6600));
    felderAufbauen(flaeche);
    listeAufbauen(flaeche);

    // The elapsed time stands on the result line of the case being fitted, which is
    // hidden until that case is done; beside it there is no room for the whole text.
    Label3_ = neuesLabel(flaeche, QString(), 100, 4850, 4900);
    Label3_->setStyleSheet(u"QLabel { color: white; background-color: red; }"_s);
    Label3_->setAlignment(Qt::AlignCenter);
    Label3_->hide();
    abbrechenKnopfBauen(flaeche);

    Label4_ = neuesLabel(flaeche, QString(), 0, 6100, 10000);
    Label4_->setAlignment(Qt::AlignCenter);

    neuerKnopf(flaeche, AnzahlOK, u"Anzahl OK"_s, 700, 450);
    neuerKnopf(flaeche, AlleOK, u"alle Eingaben OK"_s, 1300, 450);
    neuerKnopf(flaeche, Grafik, u"Grafik"_s, 1900, 2100);
    neuerKnopf(flaeche, GrafikEinzel, u"Grafik Fall Einzelwerte"_s, 2800, 800);
    neuerKnopf(flaeche, EingabeSpeichern, u"Eingabe speichern"_s, 4150, 450);
    neuerKnopf(flaeche, Neu, u"Neu"_s, 4700, 450);
    neuerKnopf(flaeche, ZumStart, u"Zurück zum Start"_s, 5250, 450);
}

void frmKurvex::felderAufbauen(QWidget* flaeche) {
    Label1_[TitelLabel] =
        neuesLabel(flaeche, u" Bezeichnung (max. 52 Zeichen) :"_s, 100, 200, 3000);
    Text2_ = neuesFeld(flaeche, 3150, 200, 6550);
    Text2_->setMaxLength(52);
    TextBHilf::anbringen(Text2_, TextBHilf::Art::Titel);

    Label1_[AnzahlLabel] = neuesLabel(flaeche, u" Anzahl Wertepaare (max. 21) :"_s, 100, 750, 3000);
    Text1_[Anzahl] = neuesFeld(flaeche, 3150, 750, 1500);
    Label1_[XLabel] = neuesLabel(flaeche, QString(), 100, 1300, 3000);
    Text1_[WertX] = neuesFeld(flaeche, 3150, 1300, 2700);
    Label1_[YLabel] = neuesLabel(flaeche, QString(), 100, 1800, 3000);
    Text1_[WertY] = neuesFeld(flaeche, 3150, 1800, 2700);
    for (const Zahlfeld f : {Anzahl, WertX, WertY}) {
        TextBHilf::anbringen(Text1_[f], TextBHilf::Art::Zahl);
        // Only what the user changed is stored when a field is left.
        connect(Text1_[f], &QLineEdit::textEdited, this, [this, f] { modell_.tippen(f); });
    }
    Label1_[KorrekturLabel] = neuesLabel(
        flaeche, u" Eingabe-Korrektur erst nach         Eingabe-Ende !"_s, 6000, 1300, 1600, 750);
    Label1_[KorrekturLabel]->setWordWrap(true);
}

void frmKurvex::listeAufbauen(QWidget* flaeche) {
    Label1_[ListeLabel] =
        neuesLabel(flaeche, u" Liste der eingegebenen Werte :"_s, 100, 2350, 5000);
    Label1_[SummenLabel] = neuesLabel(flaeche, QString(), 100, 4850, 4900);
    Label1_[EinzelLabel] = neuesLabel(flaeche, QString(), 100, 5400, 4900);

    List1_ = new QListWidget(flaeche);
    List1_->setGeometry(tw(100), tw(2650), tw(7400), tw(2050));
    QFont fest(u"Courier New"_s, 9);
    fest.setStyleHint(QFont::Monospace);
    List1_->setFont(fest);
    List1_->installEventFilter(this);
    List1_->viewport()->installEventFilter(this);
    connect(List1_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        geschuetzt([this, item] { List1_Click(List1_->row(item)); });
    });
}

void frmKurvex::menueAufbauen() {
    QMenu* datei = menuBar()->addMenu(u"&Datei"_s);
    auto eintrag = [&](Menue m, const QString& text, void (frmKurvex::*handler)(),
                       const QKeySequence& taste = {}) {
        QAction* a = datei->addAction(text);
        a->setShortcut(taste);
        connect(a, &QAction::triggered, this,
                [this, handler] { geschuetzt([this, handler] { (this->*handler)(); }); });
        menue_[static_cast<std::size_t>(m)] = a;
    };
    eintrag(Menue::Neu, u"Neu"_s, &frmKurvex::Neu_Click, QKeySequence::New);
    eintrag(Menue::Oeffnen, u"Öffnen"_s, &frmKurvex::mnuOpen_Click, QKeySequence::Open);
    datei->addSeparator();
    eintrag(Menue::Speichern, u"Speichern"_s, &frmKurvex::mnuSpeichern_Click, QKeySequence::Save);
    eintrag(Menue::SpeichernUnter, u"Speichern unter ..."_s, &frmKurvex::mnuSpeichernU_Click,
            QKeySequence(u"Ctrl+Shift+S"_s));
    datei->addSeparator();
    eintrag(Menue::Loeschen, u"Löschen"_s, &frmKurvex::mnuKill_Click);
    datei->addSeparator();
    eintrag(Menue::Beenden, u"Beenden"_s, &frmKurvex::EndeAbfragen, QKeySequence(u"Ctrl+Q"_s));
    zusatzmenuesAufbauen(datei);
    hilfemenueAnbringen(*this, dialoge_);
}

QAction* frmKurvex::menue(Menue m) const {
    return menue_.at(static_cast<std::size_t>(m));
}

void frmKurvex::tabFolge() {
    const std::array<QWidget*, 12> folge = {
        Text1_[Anzahl], cmd1_[AnzahlOK],         Text1_[WertX],   Text1_[WertY],
        cmd1_[AlleOK],  cmd1_[Grafik],           cmd1_[ZumStart], List1_,
        cmd1_[Neu],     cmd1_[EingabeSpeichern], Text2_,          cmd1_[GrafikEinzel]};
    for (std::size_t i = 0; i + 1 < folge.size(); ++i) setTabOrder(folge[i], folge[i + 1]);
}

void frmKurvex::Initialisieren() {
    const QScopedValueRollback<int> still(stumm_, stumm_ + 1);
    modell_.leeren();
    Fall_ = 1;
    Sekunden_ = 0;
    for (QLineEdit* f : Text1_) f->clear();
    Bild3();
    Label4_->setText(besitzerVermerk());
    List1_->clear();
}

void frmKurvex::Bild3() {
    titelZeigen(); // the mode's caption, the file and the change mark
    QPushButton* grafik = cmd1_[Grafik];
    QFont f = grafik->font();
    if (z_.ModusPrognostik) {
        Label1_[XLabel]->setText(u" Bezugshorizont X1 :"_s);
        Label1_[YLabel]->setText(u" Messwert  K1 :"_s);
        grafik->resize(grafik->width(), tw(800));
        f.setPointSize(14);
        grafik->setFont(f);
        cmd1_[GrafikEinzel]->setFont(f);
        grafik->setText(u"Grafik Fall Summenwerte"_s);
        cmd1_[GrafikEinzel]->setText(u"Grafik Fall Einzelwerte"_s);
    } else {
        Label1_[XLabel]->setText(u" Wert X1 :"_s);
        Label1_[YLabel]->setText(u" Wert Y1 :"_s);
        grafik->resize(grafik->width(), tw(2100));
        f.setPointSize(16);
        grafik->setFont(f);
        grafik->setText(u"Grafik"_s);
    }
}

void frmKurvex::Bild1() {
    const QScopedValueRollback<int> still(stumm_, stumm_ + 1);
    for (const Knopfnr k : {AlleOK, Grafik, EingabeSpeichern, GrafikEinzel}) cmd1_[k]->hide();
    for (const Labelnr l : {XLabel, YLabel, KorrekturLabel, ListeLabel, SummenLabel, EinzelLabel})
        Label1_[l]->hide();
    Text1_[WertX]->hide();
    Text1_[WertY]->hide();
    List1_->hide();
}

void frmKurvex::Bild2() {
    cmd1_[AlleOK]->show();
    cmd1_[AlleOK]->setEnabled(true);
    for (const Labelnr l : {XLabel, YLabel, KorrekturLabel, ListeLabel}) Label1_[l]->show();
    Text1_[WertX]->show();
    Text1_[WertY]->show();
    List1_->show();
}

void frmKurvex::ergebnisseVerbergen() {
    Ergebnis_.gezeigt = false;
    ergebnisfensterSchliessen(); // they show the results of an earlier data set
    for (const Knopfnr k : {Grafik, EingabeSpeichern, GrafikEinzel}) cmd1_[k]->hide();
    Label1_[SummenLabel]->hide();
    Label1_[EinzelLabel]->hide();
    Label3_->hide();
}

void frmKurvex::ergebnisseVeraltet() {
    const bool speichernSichtbar = !cmd1_[EingabeSpeichern]->isHidden();
    ergebnisseVerbergen();
    cmd1_[EingabeSpeichern]->setVisible(speichernSichtbar);
}

void frmKurvex::listeAufbauen() {
    List1_->clear();
    MaxMinWert(z_, modell_.eingegeben());
    for (int j = 1; j <= modell_.eingegeben(); ++j)
        List1_->addItem(listenZeile(j, z_.EingabeX(j), z_.EingabeY(j)));
}

void frmKurvex::paarBeschriften(int k, bool prognoseWorte) {
    Label1_[XLabel]->setText(nummeriert(prognoseWorte ? u" Bezugshorizont X"_s : u" Wert X"_s, k));
    Label1_[YLabel]->setText(nummeriert(prognoseWorte ? u" Messwert  K"_s : u" Wert Y"_s, k));
}

void frmKurvex::EingabeListe() {
    listeAufbauen();
    paarBeschriften(modell_.naechstesPaar(), z_.ModusPrognostik);
    // Entry complete: the labels name pair 1, and so do both fields.
    if (modell_.vollstaendig() && z_.EingabeX.groesse() >= 1) {
        Text1_[WertX]->setText(QString::fromStdString(allgemein(z_.EingabeX(1))));
        Text1_[WertY]->setText(QString::fromStdString(allgemein(z_.EingabeY(1))));
    }
}

void frmKurvex::paarAnzeigen() {
    EingabeListe();
    if (!modell_.vollstaendig()) {
        Text1_[WertX]->clear();
        Text1_[WertY]->clear();
    }
}

void frmKurvex::korrekturAnzeigen() {
    const int k = modell_.korrekturIndex();
    paarBeschriften(k, false);
    Text1_[WertX]->setText(korrekturText(z_.EingabeX(k)));
    Text1_[WertY]->setText(korrekturText(z_.EingabeY(k)));
}

QWidget* frmKurvex::fokusFeld(Ziel ziel) const {
    switch (ziel) {
    case Ziel::Titel:
        return Text2_;
    case Ziel::Anzahl:
        return Text1_[Anzahl];
    case Ziel::X:
        return Text1_[WertX];
    case Ziel::AlleOK:
        return cmd1_[AlleOK];
    case Ziel::Bleibt:
        break;
    }
    return nullptr;
}

void frmKurvex::zeigen(const Folge& folge) {
    if (folge.meldung) dialoge_.meldung(*folge.meldung);
    if (folge.frage) {
        zeigen(modell_.beantworten(dialoge_.meldung(*folge.frage) == Antwort::Ja));
        return;
    }
    if (folge.anzahlfeld == Folge::Anzahlfeld::Leer) Text1_[Anzahl]->clear();
    if (folge.anzahlfeld == Folge::Anzahlfeld::Zahl)
        Text1_[Anzahl]->setText(anzahlText(z_.AnzPaare));
    if (folge.paarfelderZeigen) Bild2();
    if (folge.ergebnisse == Folge::Ergebnisse::Veraltet) ergebnisseVeraltet();
    if (folge.ergebnisse == Folge::Ergebnisse::Verborgen) ergebnisseVerbergen();
    if (folge.speichernZeigen) cmd1_[EingabeSpeichern]->show();
    switch (folge.anzeige) {
    case Folge::Anzeige::Liste:
        listeAufbauen();
        break;
    case Folge::Anzeige::Naechstes:
        paarAnzeigen();
        break;
    case Folge::Anzeige::Korrektur:
        korrekturAnzeigen();
        break;
    case Folge::Anzeige::Bleibt:
        break;
    }
    if (QWidget* ziel = fokusFeld(folge.fokus)) zurueckInFeld(ziel);
}

// ---- leaving the fields

bool frmKurvex::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (ereignis->type() == QEvent::FocusOut) {
        if (feldVerlassen(*static_cast<QFocusEvent*>(ereignis))) verlassen(objekt);
    } else if (objekt == List1_ && ereignis->type() == QEvent::KeyPress) {
        // Keyboard access to the list: Enter corrects, Delete deletes the current line.
        const int taste = static_cast<QKeyEvent*>(ereignis)->key();
        const int zeile = List1_->currentRow();
        if (zeile >= 0 && (taste == Qt::Key_Return || taste == Qt::Key_Enter)) {
            geschuetzt([this, zeile] { List1_Click(zeile); });
            return true;
        }
        if (zeile >= 0 && taste == Qt::Key_Delete) {
            geschuetzt([this, zeile] { List1_DblClick(zeile); });
            return true;
        }
    } else if (ereignis->type() == QEvent::ShortcutOverride) {
        // A field keeps undo for its own typing; beyond that undo takes back data set steps.
        const auto* taste = static_cast<QKeyEvent*>(ereignis);
        const auto* feld = qobject_cast<QLineEdit*>(objekt);
        const auto i = static_cast<std::size_t>(std::find(Text1_.begin(), Text1_.end(), feld) -
                                                Text1_.begin());
        const bool getippt = i < Text1_.size() ? modell_.getippt(static_cast<Zahlfeld>(i))
                                               : feld && feld->isModified();
        if (feld && !getippt &&
            (taste->matches(QKeySequence::Undo) || taste->matches(QKeySequence::Redo))) {
            ereignis->ignore();
            return true;
        }
    } else if (ereignis->type() == QEvent::MouseButtonDblClick && List1_ &&
               objekt == List1_->viewport()) {
        // The line under the pointer: the click before may have rebuilt the list.
        const auto* maus = static_cast<QMouseEvent*>(ereignis);
        const int zeile = List1_->indexAt(maus->position().toPoint()).row();
        if (zeile >= 0 && maus->button() == Qt::LeftButton) {
            geschuetzt([this, zeile] { List1_DblClick(zeile); });
            return true;
        }
    }
    return QMainWindow::eventFilter(objekt, ereignis);
}

void frmKurvex::verlassen(QObject* feld) {
    if (stumm_ > 0 || umlenkung_ || rechnet_) return;
    geschuetzt([this, feld] {
        if (feld == Text2_) Text2_LostFocus();
        if (feld == Text1_[Anzahl]) anzahlVerlassen();
        if (feld == Text1_[WertX]) paarFeldVerlassen(WertX);
        if (feld == Text1_[WertY]) paarFeldVerlassen(WertY);
    });
}

void frmKurvex::geschuetzt(const std::function<void()>& handler) {
    {
        const QScopedValueRollback<int> tiefe(handlerTiefe_, handlerTiefe_ + 1);
        geschuetztAusfuehren(dialoge_, "frmKurvex", handler);
    }
    // What a user action changed is one undo step (a nested handler is part of it).
    if (handlerTiefe_ == 0) aufnehmen();
}

void frmKurvex::zurueckInFeld(QWidget* feld) {
    umlenkung_ = true;
    QPointer<QWidget> ziel(feld);
    QTimer::singleShot(0, this, [this, ziel] {
        if (ziel && ziel->isVisible() && ziel->isEnabled()) {
            // A message box may have just closed: make sure this window has the keyboard.
            activateWindow();
            ziel->setFocus(Qt::OtherFocusReason);
            if (auto* feld = qobject_cast<QLineEdit*>(ziel.data())) MarkAlles(feld);
        }
        umlenkung_ = false;
    });
}

void frmKurvex::Text2_LostFocus() {
    titelUebernehmen();
    Text2_->setModified(false); // from here undo takes the title back as a step
}

void frmKurvex::titelUebernehmen() {
    z_.Bezeichnung = Text2_->text().left(52).toStdString();
}

bool frmKurvex::feldWert(Zahlfeld f, double& wert) {
    const Feldzahl z = feldZahl(Text1_[f]->text(), wert);
    if (z == Feldzahl::Ok) return true;
    dialoge_.meldung(feldzahlMeldung(z), u"Achtung"_s, Knoepfe::OK, Symbol::Ausrufezeichen);
    zurueckInFeld(Text1_[f]);
    return false;
}

void frmKurvex::anzahlVerlassen() {
    if (!modell_.getippt(Anzahl)) return; // an unchanged count changes nothing
    double k = 0;
    if (feldWert(Anzahl, k)) zeigen(modell_.anzahlVerlassen(k));
}

void frmKurvex::paarFeldVerlassen(Zahlfeld f) {
    QLineEdit* feld = Text1_[f];
    const bool getippt = modell_.getippt(f) && !feld->text().isEmpty();
    double wert = 0;
    if (getippt && !feldWert(f, wert)) return;
    // The focus has already moved: staying within X and Y keeps the pair open.
    const QWidget* neu = QApplication::focusWidget();
    const bool paarVerlassen = neu != Text1_[WertX] && neu != Text1_[WertY];
    zeigen(modell_.paarfeldVerlassen(f, getippt ? std::optional(wert) : std::nullopt,
                                     feld->text().isEmpty(), paarVerlassen));
}

// ---- buttons and list

void frmKurvex::cmd1_Click(Knopfnr nr) {
    switch (nr) {
    case ZumStart:
        if (aenderungenSichern()) emit zurueckZumStart();
        break;
    case AnzahlOK:
        AnzahlOK_Click();
        break;
    case AlleOK:
        Rechnen_Click();
        break;
    case Neu:
        Neu_Click();
        break;
    case Grafik:
        Grafik_Click(1);
        break;
    case EingabeSpeichern:
        EingabeSpeichern_Click();
        break;
    case GrafikEinzel:
        Grafik_Click(2);
        break;
    }
}

void frmKurvex::AnzahlOK_Click() {
    zeigen(modell_.anzahlBestaetigen(Text1_[Anzahl]->text().isEmpty()));
}

void frmKurvex::Neu_Click() {
    if (rechnet_ || !aenderungenSichern()) return;
    ergebnisfensterSchliessen();
    z_.AnzahlOK = false;
    {
        const QScopedValueRollback<int> still(stumm_, stumm_ + 1);
        Text2_->clear();
        z_.Bezeichnung.clear();
        z_.DateiName.clear();
        Ergebnis_ = {};
        Bild1();
        Initialisieren();
        neuerStand(false);
    }
    zurueckInFeld(Text2_);
}

void frmKurvex::List1_Click(int zeile) {
    zeigen(modell_.korrekturWaehlen(zeile));
}

void frmKurvex::List1_DblClick(int zeile) {
    zeigen(modell_.loeschenWaehlen(zeile));
}

void frmKurvex::EndeAbfragen() {
    if (!endeBestaetigt()) return;
    abbruch_ = true;
    // The search is still on the stack: the program ends once it has returned.
    if (rechnet_)
        beendenNachRechnung_ = true;
    else
        emit beenden();
}

void frmKurvex::closeEvent(QCloseEvent* e) {
    if (rechnet_) {
        // Let the search stop first; the window closes when the run has ended.
        abbruch_ = true;
        schliessenNachRechnung_ = true;
        e->ignore();
        return;
    }
    if (!aenderungenSichern()) {
        e->ignore();
        return;
    }
    e->accept();
    emit geschlossen();
}

} // namespace tk
