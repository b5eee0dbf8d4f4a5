#include "charts/frmGrafikKurvex.h"

#include "app/Besitzer.h"
#include "app/Ende.h"
#include "app/Fehlermeldung.h"
#include "app/Hilfe.h"
#include "charts/Bildflaeche.h"
#include "charts/GrafikAnsicht.h"
#include "charts/GrafikErgebnisse.h"
#include "zeichnung/GrafikExport.h"
#include "zeichnung/Grafiken.h"
#include "zeichnung/Messflaeche.h"
#include "zeichnung/QPainterAusgabe.h"
#include "zeichnung/Versatzflaeche.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <array>
#include <cmath>

namespace tk {

struct frmGrafikKurvex::Impl {
    Bildflaeche* Bild1 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label2 = nullptr;
    std::array<QPushButton*, 4> cmd1{};
    QPushButton* cmdKurve = nullptr;
    QAction* mnuEingabe = nullptr;
    QAction* mnuStart = nullptr;
    QAction* mnuExport = nullptr;
    QAction* mnuVorschau = nullptr;
    QAction* mnuEnde = nullptr;
    Abfragebereich* panel = nullptr;
    QVBoxLayout* spalte = nullptr;
    bool letzteZeichnungFehlgeschlagen = false;
    bool rueckweg = false; // the way back has been reported
};

namespace {

QPushButton* knopf(QWidget* eltern, const QString& name, const QString& text, const QString& tipp) {
    auto* k = new QPushButton(text, eltern);
    k->setObjectName(name);
    k->setToolTip(tipp);
    k->setAutoDefault(true); // Enter presses the focused button, as in the input window
    return k;
}

} // namespace

frmGrafikKurvex::frmGrafikKurvex(Programmzustand& zustand, Dialoge& dialoge, Grafikdienste dienste,
                                 QWidget* parent)
    : QMainWindow(parent), zustand_(zustand), dialoge_(dialoge), dienste_(std::move(dienste)),
      impl_(std::make_unique<Impl>()) {
    setObjectName(QStringLiteral("frmGrafikKurvex"));
    auto* mitte = new QWidget(this);
    setCentralWidget(mitte);
    impl_->spalte = new QVBoxLayout(mitte);
    kopfAnlegen(mitte);
    bildAnlegen(mitte);
    knoepfeAnlegen(mitte);
    menueAnlegen();
    Initialisieren();
    groesseNachBildschirm();
    impl_->cmdKurve->click();
}

void frmGrafikKurvex::kopfAnlegen(QWidget* mitte) {
    auto& d = *impl_;
    auto* kopf = new QHBoxLayout;
    d.Label4 = new QLabel(QStringLiteral("Objekt-Bezeichnung :"), mitte);
    d.Label4->setObjectName(QStringLiteral("Label4"));
    d.Label7 = new QLabel(mitte);
    d.Label7->setObjectName(QStringLiteral("Label7"));
    QFont fett = d.Label7->font();
    fett.setBold(true);
    d.Label7->setFont(fett);
    d.Label2 = new QLabel(mitte);
    d.Label2->setObjectName(QStringLiteral("Label2"));
    kopf->addWidget(d.Label4);
    kopf->addWidget(d.Label7);
    kopf->addStretch(1);
    kopf->addWidget(d.Label2);
    d.spalte->addLayout(kopf);
}

void frmGrafikKurvex::bildAnlegen(QWidget* mitte) {
    auto& d = *impl_;
    d.Bild1 = new Bildflaeche(mitte);
    d.Bild1->setObjectName(QStringLiteral("Bild1"));
    d.Bild1->groesseGeaendert = [this] {
        // A chart that failed was reported already; redraw it without a second message.
        zeichneBild(!impl_->letzteZeichnungFehlgeschlagen);
    };
    d.spalte->addWidget(d.Bild1, 1);
}

void frmGrafikKurvex::knoepfeAnlegen(QWidget* mitte) {
    auto& d = *impl_;
    d.cmd1[0] = knopf(mitte, QStringLiteral("cmd1_0"), QStringLiteral("Zurück zum Start"),
                      QStringLiteral(" Zurück zum Startmenü "));
    d.cmd1[1] = knopf(mitte, QStringLiteral("cmd1_1"), QStringLiteral("Zurück zur Eingabe"),
                      QStringLiteral(" Zurück zu den Eingabedaten "));
    d.cmd1[2] = knopf(mitte, QStringLiteral("cmd1_2"), QStringLiteral("Druck"),
                      QStringLiteral(" Druckt die Ergebnisse (benötigt Zeit !) "));
    d.cmd1[2]->setShortcut(QKeySequence::Print);
    d.cmd1[3] = knopf(mitte, QStringLiteral("cmd1_3"),
                      QStringLiteral("    Numerierung   aus- / einblenden"),
                      QStringLiteral("  Schaltet Nummerierung ein / oder aus "));
    d.cmdKurve = knopf(mitte, QStringLiteral("cmdKurve"), QStringLiteral("b1"), {});
    d.cmdKurve->hide(); // draws the chart; not meant for the user

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(d.cmd1[0]);
    knoepfe->addWidget(d.cmd1[1]);
    knoepfe->addWidget(d.cmd1[3]);
    knoepfe->addStretch(1);
    knoepfe->addWidget(d.cmd1[2]);
    knoepfe->addWidget(d.cmdKurve);
    d.spalte->addLayout(knoepfe);
    // Tab follows the buttons from left to right.
    QWidget::setTabOrder(d.cmd1[1], d.cmd1[3]);
    QWidget::setTabOrder(d.cmd1[3], d.cmd1[2]);

    for (int i = 0; i < 4; ++i)
        connect(d.cmd1[i], &QPushButton::clicked, this, [this, i] { cmd1_Click(i); });
    connect(d.cmdKurve, &QPushButton::clicked, this, [this] { zeichnen(); });
}

void frmGrafikKurvex::menueAnlegen() {
    auto& d = *impl_;
    QMenu* mnuDatei = menuBar()->addMenu(QStringLiteral("Datei"));
    mnuDatei->setObjectName(QStringLiteral("mnuDatei"));
    auto eintrag = [&](const char* name, const QString& text, auto handler) {
        QAction* a = mnuDatei->addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, handler);
        return a;
    };
    d.mnuEingabe = eintrag("mnuEingabe", QStringLiteral("Zurück zu Eingabe"),
                           [this] { impl_->cmd1[1]->click(); });
    d.mnuStart =
        eintrag("mnuStart", QStringLiteral("Zurück zu Start"), [this] { impl_->cmd1[0]->click(); });
    mnuDatei->addSeparator();
    d.mnuExport =
        eintrag("mnuExport", QStringLiteral("Grafik exportieren ..."), [this] { exportieren(); });
    d.mnuVorschau = eintrag("mnuVorschau", QStringLiteral("Druckvorschau ..."), [this] {
        if (dienste_.vorschau) dienste_.vorschau(*this);
    });
    d.mnuVorschau->setEnabled(static_cast<bool>(dienste_.vorschau));
    ergebnismenuesAnbringen(*this, *mnuDatei, d.mnuVorschau);
    mnuDatei->addSeparator();
    d.mnuEnde = eintrag("mnuEnde", QStringLiteral("Beenden"), [this] { mnuEnde_Click(); });
    d.mnuEnde->setShortcut(QKeySequence(QStringLiteral("Ctrl+Q")));
    ansichtmenueAnbringen(*this);
    hilfemenueAnbringen(*this, dialoge_);
}

// Wide, as high as the contents need, centred on the screen.
void frmGrafikKurvex::groesseNachBildschirm() {
    if (const QScreen* s = QGuiApplication::primaryScreen()) {
        const QRect frei = s->availableGeometry();
        const QSize groesse(std::min(1200, frei.width() - 40),
                            std::min(sizeHint().height() + 60, frei.height() - 60));
        resize(groesse.expandedTo(minimumSizeHint()));
        move(frei.center() - rect().center());
    }
    if (QLayout* l = layout()) l->activate();
}

frmGrafikKurvex::~frmGrafikKurvex() = default;

const QImage& frmGrafikKurvex::bild() const {
    return impl_->Bild1->bild();
}

void frmGrafikKurvex::Initialisieren() {
    auto& d = *impl_;
    grafik_.initialisieren();
    d.Label2->setText(besitzerVermerk());
    d.Label7->setTextFormat(Qt::PlainText);
    d.Label7->setText(QString::fromStdString(zustand_.Bezeichnung));
    setWindowTitle(zustand_.ModusPrognostik ? QStringLiteral("Trend-Prognostik : Grafik")
                                            : QStringLiteral("Trend-Regression : Grafik"));
    // The density chart has no point numbers.
    d.cmd1[3]->setVisible(grafikart(zustand_) != Grafikart::Einzelwerte);
    if (dienste_.panelErzeugen && !d.panel) {
        d.panel = dienste_.panelErzeugen(*this);
        if (d.panel) d.spalte->insertWidget(d.spalte->indexOf(d.Bild1) + 1, d.panel);
    }
}

void frmGrafikKurvex::zeichnen() {
    zeichneBild(true);
}

void frmGrafikKurvex::zeichneBild(bool melden) {
    auto& d = *impl_;
    QImage bild = d.Bild1->leeresBild();
    {
        const DruckModusBereich bildschirm(grafik_, false);
        QPainterAusgabe a(bild, d.Bild1->zoom(), d.Bild1->zeichenfeld());
        d.letzteZeichnungFehlgeschlagen = !zeichneMitMeldung(a, melden);
    }
    d.Bild1->setzeBild(std::move(bild));
    // Only the screen picture feeds the panel's result labels.
    if (d.panel) d.panel->nachZeichnen();
}

bool frmGrafikKurvex::zeichneAuf(Ausgabe& ausgabe) {
    return zeichneMitMeldung(ausgabe, true);
}

bool frmGrafikKurvex::zeichneMitMeldung(Ausgabe& ausgabe, bool melden) {
    return geschuetztAusfuehren(
        dialoge_, "frmGrafikKurvex", [&] { GrafikZeichnen(ausgabe, zustand_, grafik_); }, melden);
}

void frmGrafikKurvex::cmd1_Click(int index) {
    auto& d = *impl_;
    switch (index) {
    case 0:
    case 1:
        if (index == 0 && dienste_.aufgeben && !dienste_.aufgeben(false)) break;
        d.rueckweg = true;
        close();
        if (index == 0)
            emit zurueckZumStart();
        else
            emit zurueckZurEingabe();
        break;
    case 2:
        if (!dienste_.drucken) break;
        geschuetztAusfuehren(dialoge_, "frmGrafikKurvex", [this] { dienste_.drucken(*this); });
        break;
    case 3:
        grafik_.NumerierungEin = !grafik_.NumerierungEin;
        zeichnen();
        break;
    default:
        break;
    }
}

void frmGrafikKurvex::mnuEnde_Click() {
    if (!(dienste_.aufgeben ? dienste_.aufgeben(true) : EndeAbfrage(dialoge_))) return;
    impl_->rueckweg = true;
    close();
    emit beenden();
}

void frmGrafikKurvex::exportieren() {
    const auto pfad = dialoge_.dateiSpeichern(exportFilter());
    if (!pfad || pfad->isEmpty()) return;
    QString ziel = *pfad;
    auto format = exportformatFuer(ziel);
    if (!format) {
        ziel += QStringLiteral(".png");
        format = Exportformat::PNG;
    }
    if (QFileInfo::exists(ziel) &&
        dialoge_.meldung(QStringLiteral("Wollen Sie die vorhandene Datei überschreiben ??"),
                         QStringLiteral("Achtung"), Knoepfe::JaNein, Symbol::Keins) != Antwort::Ja)
        return;
    exportierenNach(ziel, *format);
}

QString frmGrafikKurvex::exporttitel() const {
    QString t = QString::fromStdString(zustand_.Bezeichnung);
    if (!t.isEmpty()) t += QStringLiteral("  –  ");
    switch (grafikart(zustand_)) {
    case Grafikart::Regression:
        t += QStringLiteral("Trend-Regression");
        break;
    case Grafikart::Summenwerte:
        t += QStringLiteral("Trend-Prognostik, Fall Summenwerte");
        break;
    case Grafikart::Einzelwerte:
        t += QStringLiteral("Trend-Prognostik, Fall Einzelwerte");
        break;
    }
    return t + (grafik_.Originalmassstab ? QStringLiteral("  –  Originalmaßstab")
                                         : QStringLiteral("  –  Linearisierte Darstellung"));
}

bool frmGrafikKurvex::exportierenNach(const QString& ziel, Exportformat format) {
    const DruckModusBereich bildschirm(grafik_, false);
    // The chart's own size, however much the window enlarges it.
    const QSizeF groesse = impl_->Bild1->groesseMm();
    // Drawn once for its measure: the picture starts at the chart's top, under a line
    // that names it, so that a filed picture can be told from another data set's.
    Messflaeche mass(groesse.width(), groesse.height());
    Versatzflaeche probe(mass, groesse.height(), 0);
    zeichneMitMeldung(probe, false); // a failure is reported by the drawing below
    Schrift titelSchrift{QStringLiteral("Arial"), 9, true, false};
    mass.setzeSchrift(titelSchrift);
    const QString titel = exporttitel();
    // A long title gets a smaller font rather than losing its end.
    const double frei = groesse.width() - 6;
    if (mass.textBreite(titel) > frei) {
        titelSchrift.groesse = std::max(5.0, 9 * frei / mass.textBreite(titel));
        mass.setzeSchrift(titelSchrift);
    }
    const double titelHoehe = mass.textHoehe(titel) + 2.5;
    const double oben = std::isfinite(probe.oberkante()) ? std::max(0.0, probe.oberkante() - 1) : 0;
    const double versatz = oben - titelHoehe;
    const auto e = exportiereGrafik(ziel, format, {groesse.width(), groesse.height() - versatz},
                                    [&](Ausgabe& a) {
                                        Versatzflaeche unter(a, groesse.height(), versatz);
                                        const bool ok = zeichneAuf(unter);
                                        const Schrift vorher = a.schrift();
                                        a.koordinatenZuruecksetzen();
                                        a.setzeSchrift(titelSchrift);
                                        a.setzePosition(3, 1.2);
                                        a.drucke(titel);
                                        a.setzeSchrift(vorher);
                                        return ok;
                                    });
    // A chart that failed was reported while drawing.
    if (!e.geoeffnet)
        ZeigFehler(dialoge_,
                   Fehler(fehlercode::PfadZugriff, "Grafik exportieren",
                          "Die Datei " + ziel.toStdString() + " kann nicht angelegt werden."));
    else if (e.gezeichnet && !e.geschrieben)
        ZeigFehler(dialoge_,
                   Fehler(fehlercode::EinAusgabefehler, "Grafik exportieren",
                          "Die Datei " + ziel.toStdString() + " konnte nicht geschrieben werden."));
    return e.geschrieben;
}

void frmGrafikKurvex::showEvent(QShowEvent* event) {
    impl_->rueckweg = false;
    for (QLineEdit* feld : findChildren<QLineEdit*>()) feld->installEventFilter(this);
    QMainWindow::showEvent(event);
}

// Ctrl+C copies the chart, also from a query field.
bool frmGrafikKurvex::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (ereignis->type() == QEvent::ShortcutOverride &&
        static_cast<QKeyEvent*>(ereignis)->matches(QKeySequence::Copy)) {
        ereignis->ignore();
        return true;
    }
    return QMainWindow::eventFilter(objekt, ereignis);
}

void frmGrafikKurvex::closeEvent(QCloseEvent* event) {
    event->accept();
    if (impl_->rueckweg) return;
    // Closed by the title bar: back to the input window.
    impl_->rueckweg = true;
    emit zurueckZurEingabe();
}

} // namespace tk
