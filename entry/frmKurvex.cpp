#include "entry/frmKurvex.h"

#include "app/Besitzer.h"
#include "app/Ende.h"
#include "app/Fehlermeldung.h"
#include "app/Hilfe.h"
#include "app/Layout.h"
#include "app/Meldungen.h"
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

// A count as the window keeps it: rounded to an integer, kept within what fits.
int ganzeAnzahl(double k) {
    if (!(k > -32768)) return -32768;
    if (k > 32767) return 32767;
    return static_cast<int>(std::nearbyint(k));
}

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

void frmKurvex::neuerKnopf(QWidget* flaeche, int index, const QString& text, int y, int h) {
    auto* k = new Knopf(text, flaeche);
    k->setGeometry(tw(7700), tw(y), tw(2000), tw(h));
    k->setAutoDefault(true); // Enter presses the focused button
    connect(k, &QPushButton::clicked, this,
            [this, index] { geschuetzt([this, index] { cmd1_Click(index); }); });
    cmd1_[static_cast<std::size_t>(index)] = k;
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

    neuerKnopf(flaeche, 1, u"Anzahl OK"_s, 700, 450);
    neuerKnopf(flaeche, 2, u"alle Eingaben OK"_s, 1300, 450);
    neuerKnopf(flaeche, 4, u"Grafik"_s, 1900, 2100);
    neuerKnopf(flaeche, 6, u"Grafik Fall Einzelwerte"_s, 2800, 800);
    neuerKnopf(flaeche, 5, u"Eingabe speichern"_s, 4150, 450);
    neuerKnopf(flaeche, 3, u"Neu"_s, 4700, 450);
    neuerKnopf(flaeche, 0, u"Zurück zum Start"_s, 5250, 450);
}

void frmKurvex::felderAufbauen(QWidget* flaeche) {
    Label1_[0] = neuesLabel(flaeche, u" Bezeichnung (max. 52 Zeichen) :"_s, 100, 200, 3000);
    Text2_ = neuesFeld(flaeche, 3150, 200, 6550);
    Text2_->setMaxLength(52);
    TextBHilf::anbringen(Text2_, TextBHilf::Art::Titel);

    Label1_[1] = neuesLabel(flaeche, u" Anzahl Wertepaare (max. 21) :"_s, 100, 750, 3000);
    Text1_[0] = neuesFeld(flaeche, 3150, 750, 1500);
    Label1_[2] = neuesLabel(flaeche, QString(), 100, 1300, 3000);
    Text1_[1] = neuesFeld(flaeche, 3150, 1300, 2700);
    Label1_[3] = neuesLabel(flaeche, QString(), 100, 1800, 3000);
    Text1_[2] = neuesFeld(flaeche, 3150, 1800, 2700);
    for (std::size_t i = 0; i < Text1_.size(); ++i) {
        TextBHilf::anbringen(Text1_[i], TextBHilf::Art::Zahl);
        // Only what the user changed is stored when a field is left.
        connect(Text1_[i], &QLineEdit::textEdited, this, [this, i] { geaendert_[i] = true; });
    }
    Label1_[4] = neuesLabel(flaeche, u" Eingabe-Korrektur erst nach         Eingabe-Ende !"_s, 6000,
                            1300, 1600, 750);
    Label1_[4]->setWordWrap(true);
}

void frmKurvex::listeAufbauen(QWidget* flaeche) {
    Label1_[5] = neuesLabel(flaeche, u" Liste der eingegebenen Werte :"_s, 100, 2350, 5000);
    Label1_[6] = neuesLabel(flaeche, QString(), 100, 4850, 4900);
    Label1_[7] = neuesLabel(flaeche, QString(), 100, 5400, 4900);

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
    const std::array<QWidget*, 12> folge = {Text1_[0], cmd1_[1], Text1_[1], Text1_[2],
                                            cmd1_[2],  cmd1_[4], cmd1_[0],  List1_,
                                            cmd1_[3],  cmd1_[5], Text2_,    cmd1_[6]};
    for (std::size_t i = 0; i + 1 < folge.size(); ++i) setTabOrder(folge[i], folge[i + 1]);
}

void frmKurvex::Initialisieren() {
    const QScopedValueRollback<int> still(stumm_, stumm_ + 1);
    z_.initialisierenEingabe();
    z_.redimPaare(0, false);
    EingabeIndex_ = 0;
    KorrekturIndex_ = 0;
    KorrekturModus_ = false;
    xOffen_ = false;
    Fall_ = 1;
    Sekunden_ = 0;
    for (QLineEdit* f : Text1_) f->clear();
    geaendert_ = {};
    Bild3();
    Label4_->setText(besitzerVermerk());
    List1_->clear();
}

void frmKurvex::Bild3() {
    titelZeigen(); // the mode's caption, the file and the change mark
    if (z_.ModusPrognostik) {
        Label1_[2]->setText(u" Bezugshorizont X1 :"_s);
        Label1_[3]->setText(u" Messwert  K1 :"_s);
        cmd1_[4]->resize(cmd1_[4]->width(), tw(800));
        QFont f = cmd1_[4]->font();
        f.setPointSize(14);
        cmd1_[4]->setFont(f);
        cmd1_[6]->setFont(f);
        cmd1_[4]->setText(u"Grafik Fall Summenwerte"_s);
        cmd1_[6]->setText(u"Grafik Fall Einzelwerte"_s);
    } else {
        Label1_[2]->setText(u" Wert X1 :"_s);
        Label1_[3]->setText(u" Wert Y1 :"_s);
        cmd1_[4]->resize(cmd1_[4]->width(), tw(2100));
        QFont f = cmd1_[4]->font();
        f.setPointSize(16);
        cmd1_[4]->setFont(f);
        cmd1_[4]->setText(u"Grafik"_s);
    }
}

void frmKurvex::Bild1() {
    const QScopedValueRollback<int> still(stumm_, stumm_ + 1);
    for (int i : {2, 4, 5, 6}) cmd1_[static_cast<std::size_t>(i)]->hide();
    for (int i = 2; i <= 7; ++i) Label1_[static_cast<std::size_t>(i)]->hide();
    Text1_[1]->hide();
    Text1_[2]->hide();
    List1_->hide();
}

void frmKurvex::Bild2() {
    cmd1_[2]->show();
    cmd1_[2]->setEnabled(true);
    if (z_.AnzahlOK) cmd1_[5]->show();
    for (int i = 2; i <= 5; ++i) Label1_[static_cast<std::size_t>(i)]->show();
    Text1_[1]->show();
    Text1_[2]->show();
    List1_->show();
}

void frmKurvex::ergebnisseVerbergen() {
    Ergebnis_.gezeigt = false;
    ergebnisfensterSchliessen(); // they show the results of an earlier data set
    for (int i : {4, 5, 6}) cmd1_[static_cast<std::size_t>(i)]->hide();
    Label1_[6]->hide();
    Label1_[7]->hide();
    Label3_->hide();
}

void frmKurvex::listeAufbauen() {
    List1_->clear();
    MaxMinWert(z_, EingabeIndex_);
    for (int j = 1; j <= EingabeIndex_; ++j)
        List1_->addItem(listenZeile(j, z_.EingabeX(j), z_.EingabeY(j)));
}

void frmKurvex::paarBeschriften(int k, bool prognoseWorte) {
    Label1_[2]->setText(nummeriert(prognoseWorte ? u" Bezugshorizont X"_s : u" Wert X"_s, k));
    Label1_[3]->setText(nummeriert(prognoseWorte ? u" Messwert  K"_s : u" Wert Y"_s, k));
}

void frmKurvex::EingabeListe() {
    listeAufbauen();
    if (EingabeIndex_ < z_.AnzPaare) {
        paarBeschriften(EingabeIndex_ + 1, z_.ModusPrognostik);
        return;
    }
    // Entry complete: the labels name pair 1, and so do both fields.
    paarBeschriften(1, z_.ModusPrognostik);
    if (z_.EingabeX.groesse() >= 1) {
        Text1_[1]->setText(QString::fromStdString(allgemein(z_.EingabeX(1))));
        Text1_[2]->setText(QString::fromStdString(allgemein(z_.EingabeY(1))));
    }
    geaendert_[1] = geaendert_[2] = false;
}

void frmKurvex::paarAnzeigen() {
    EingabeListe();
    if (EingabeIndex_ < z_.AnzPaare) {
        Text1_[1]->clear();
        Text1_[2]->clear();
        geaendert_[1] = geaendert_[2] = false;
    }
}

void frmKurvex::datenGeaendert() {
    z_.WerteZuweisung();
    const bool speichernSichtbar = !cmd1_[5]->isHidden();
    ergebnisseVerbergen(); // results of an earlier run no longer apply
    cmd1_[5]->setVisible(speichernSichtbar);
}

void frmKurvex::korrekturErstNachEnde() {
    dialoge_.meldung(u"Eingabe-Korrektur erst nach Eingabe-Ende !"_s, u"Achtung"_s, Knoepfe::OK,
                     Symbol::Ausrufezeichen);
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
        const bool getippt = i < Text1_.size() ? geaendert_[i] : feld && feld->isModified();
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
        for (int i = 0; i < 3; ++i)
            if (feld == Text1_[static_cast<std::size_t>(i)]) Text1_LostFocus(i);
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

void frmKurvex::Text1_LostFocus(int index) {
    switch (index) {
    case 0:
        anzahlVerlassen();
        break;
    case 1:
    case 2:
        paarFeldVerlassen(index);
        break;
    default:
        break;
    }
}

bool frmKurvex::feldWert(int index, double& wert) {
    const Feldzahl f = feldZahl(Text1_[static_cast<std::size_t>(index)]->text(), wert);
    if (f == Feldzahl::Ok) return true;
    dialoge_.meldung(feldzahlMeldung(f), u"Achtung"_s, Knoepfe::OK, Symbol::Ausrufezeichen);
    zurueckInFeld(Text1_[static_cast<std::size_t>(index)]);
    return false;
}

void frmKurvex::anzahlVerlassen() {
    if (!geaendert_[0]) return; // an unchanged count changes nothing
    double k = 0;
    if (!feldWert(0, k)) return;
    geaendert_[0] = false;
    if (k > 21) {
        dialoge_.meldung(meldungMaxAnzahl());
        Text1_[0]->clear();
        zurueckInFeld(Text1_[0]);
        return;
    }
    const int n = ganzeAnzahl(k);
    if (!z_.AnzahlOK || n == z_.AnzPaare) {
        z_.AnzPaare = n;
        return;
    }
    // A confirmed count changes only to a count "Anzahl OK" would accept.
    int ergebnis = 0;
    MeldBetragNull(dialoge_, n, ergebnis);
    if (ergebnis == 0) MeldMinPaare(dialoge_, n, ergebnis);
    if (ergebnis != 0) {
        Text1_[0]->setText(anzahlText(z_.AnzPaare));
        return;
    }
    const Antwort a =
        dialoge_.meldung(u"Wollen Sie die Anzahl wirklich vergrössern : Ja oder Nein ?"_s,
                         u"Achtung"_s, Knoepfe::JaNein, Symbol::Frage);
    if (a != Antwort::Ja) {
        Text1_[0]->setText(anzahlText(z_.AnzPaare));
        return;
    }
    anzahlAendern(n);
}

void frmKurvex::anzahlAendern(int n) {
    z_.redimPaare(n);
    z_.AnzPaare = n;
    // New pairs are entered one by one, starting after the last complete one.
    EingabeIndex_ = std::min(EingabeIndex_, n);
    KorrekturModus_ = false;
    xOffen_ = false;
    datenGeaendert();
    cmd1_[5]->show();
    paarAnzeigen();
    zurueckInFeld(EingabeIndex_ < n ? static_cast<QWidget*>(Text1_[1]) : cmd1_[2]);
}

void frmKurvex::paarFeldVerlassen(int index) {
    QLineEdit* feld = Text1_[static_cast<std::size_t>(index)];
    const bool geaendert = geaendert_[static_cast<std::size_t>(index)] && !feld->text().isEmpty();
    double wert = 0;
    if (geaendert && !feldWert(index, wert)) return;
    geaendert_[static_cast<std::size_t>(index)] = false;
    if (KorrekturModus_ || EingabeIndex_ >= z_.AnzPaare) {
        // The focus has already moved: staying within X and Y keeps the pair open.
        const QWidget* neu = QApplication::focusWidget();
        const bool paarVerlassen = (neu != Text1_[1] && neu != Text1_[2]);
        korrigieren(index, geaendert, wert, paarVerlassen);
    } else if (index == 1) {
        xEingabe(geaendert, wert);
    } else {
        yEingabe(geaendert, wert);
    }
}

void frmKurvex::korrigieren(int index, bool geaendert, double wert, bool paarVerlassen) {
    const int p = KorrekturModus_ ? KorrekturIndex_ : 1; // the pair the labels name
    if (geaendert && p >= 1 && p <= z_.EingabeX.groesse()) {
        (index == 1 ? z_.EingabeX(p) : z_.EingabeY(p)) = wert;
        Zusatz(z_, p);
        datenGeaendert();
        listeAufbauen();
    }
    if (paarVerlassen) {
        KorrekturModus_ = false;
        paarAnzeigen();
    }
}

void frmKurvex::xEingabe(bool geaendert, double wert) {
    const int p = EingabeIndex_ + 1;
    if (geaendert && p <= z_.EingabeX.groesse()) {
        z_.EingabeX(p) = wert;
        xOffen_ = true;
        return;
    }
    if (Text1_[1]->text().isEmpty()) {
        xOffen_ = false;
        zurueckInFeld(Text1_[1]);
    }
}

void frmKurvex::yEingabe(bool geaendert, double wert) {
    const int p = EingabeIndex_ + 1;
    if (!geaendert || !xOffen_ || p > z_.EingabeY.groesse()) {
        // The pair is complete only with both values; its X is asked for again.
        if (geaendert) geaendert_[2] = true;
        zurueckInFeld(Text1_[1]);
        return;
    }
    z_.EingabeY(p) = wert;
    Zusatz(z_, p);
    EingabeIndex_ = p;
    xOffen_ = false;
    datenGeaendert();
    paarAnzeigen();
    if (EingabeIndex_ < z_.AnzPaare) {
        zurueckInFeld(Text1_[1]);
    } else {
        z_.AnzahlOK = true;
        cmd1_[5]->show();
        zurueckInFeld(cmd1_[2]);
    }
}

// ---- buttons and list

void frmKurvex::cmd1_Click(int index) {
    switch (index) {
    case 0:
        if (aenderungenSichern()) emit zurueckZumStart();
        break;
    case 1:
        AnzahlOK_Click();
        break;
    case 2:
        Rechnen_Click();
        break;
    case 3:
        Neu_Click();
        break;
    case 4:
        Grafik_Click(1);
        break;
    case 5:
        EingabeSpeichern_Click();
        break;
    case 6:
        Grafik_Click(2);
        break;
    default:
        break;
    }
}

void frmKurvex::AnzahlOK_Click() {
    int ergebnis = 0;
    MeldBetragNull(dialoge_, z_.AnzPaare, ergebnis);
    if (ergebnis == 0) MeldMinPaare(dialoge_, z_.AnzPaare, ergebnis);
    if (ergebnis != 0) {
        zurueckInFeld(Text1_[0]);
        return;
    }
    z_.redimPaare(z_.AnzPaare);
    Bild2();
    z_.AnzahlOK = true;
    if (!Text1_[0]->text().isEmpty()) zurueckInFeld(Text1_[1]);
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
    if (!z_.AnzahlOK) return;
    if (EingabeIndex_ < z_.AnzPaare) {
        korrekturErstNachEnde();
        return;
    }
    const int k = zeile + 1;
    if (k < 1 || k > z_.EingabeX.groesse()) return;
    KorrekturModus_ = true;
    KorrekturIndex_ = k;
    paarBeschriften(k, false);
    Zusatz(z_, k);
    Text1_[1]->setText(korrekturText(z_.EingabeX(k)));
    Text1_[2]->setText(korrekturText(z_.EingabeY(k)));
    geaendert_[1] = geaendert_[2] = false;
    zurueckInFeld(Text1_[1]);
}

void frmKurvex::List1_DblClick(int zeile) {
    if (!z_.AnzahlOK) return;
    if (EingabeIndex_ < z_.AnzPaare) {
        korrekturErstNachEnde();
        return;
    }
    // A click just before opened the pair for correction; deleting ends that.
    KorrekturModus_ = false;
    if (z_.AnzPaare <= 4) {
        dialoge_.meldung(meldungMinPaare());
        paarAnzeigen();
        return;
    }
    Antwort antwort = Antwort::Nein;
    int c = z_.AnzPaare;
    ListZeileLoesch(dialoge_, z_, zeile + 1, c, antwort);
    if (antwort == Antwort::Ja) {
        z_.redimPaare(c);
        z_.AnzPaare = c;
        EingabeIndex_ = c;
        KorrekturIndex_ = c;
        xOffen_ = false;
        ergebnisseVerbergen();
    }
    Text1_[0]->setText(anzahlText(z_.AnzPaare));
    for (int j = 1; j <= z_.AnzPaare; ++j) Zusatz(z_, j);
    z_.WerteZuweisung();
    paarAnzeigen();
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
