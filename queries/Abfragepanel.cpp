#include "queries/Abfragepanel.h"

#include "calc/KQAnpassung.h"

#include "app/Fehlermeldung.h"
#include "app/TextBHilf.h"
#include "calc/Auswertung.h"
#include "calc/Format.h"

#include <QEvent>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <vector>

namespace tk {

namespace {
QString q(const std::string& s) {
    return QString::fromStdString(s);
}

// Room for the widest number text.
int breiteFuerZahl(const QWidget* w) {
    return w->fontMetrics().horizontalAdvance(QStringLiteral("-0.000000E+00")) + 8;
}

// KMax with eight decimals, fewer where the field (as wide as "-0.000000E+00") would
// hide the leading digits.
std::string ganzImFeld(double v) {
    constexpr std::size_t passt = 13;
    for (int stellen = 8; stellen >= 0; --stellen)
        if (const std::string t = formatFest(v, stellen); t.size() <= passt) return t;
    return Zahl(v);
}

// The classic layouts set the sigma and phi captions in a symbol font; a font with
// the Greek letters shows the same.
QFont symbolSchrift() {
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(11);
    return f;
}
} // namespace

Abfragepanel::Abfragepanel(Abfragekontext kontext, QWidget* parent)
    : Abfragebereich(parent), k_(std::move(kontext)), art_(abfrageartVon(k_.zustand)) {
    setObjectName(QStringLiteral("Abfragepanel"));
    QFont arial(QStringLiteral("Arial"));
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        labels_[i] = new QLabel(this);
        labels_[i]->setObjectName(QStringLiteral("Label3_%1").arg(i));
        labels_[i]->setFont(arial);
        labels_[i]->hide();
    }
    for (std::size_t i = 0; i < felder_.size(); ++i) {
        felder_[i] = new QLineEdit(this);
        felder_[i]->setObjectName(QStringLiteral("Text2_%1").arg(i));
        TextBHilf::anbringen(felder_[i], TextBHilf::Art::Zahl);
        felder_[i]->installEventFilter(this);
    }
    extrapolation_ = new QLabel(QStringLiteral("Extrapolation"), this);
    extrapolation_->setObjectName(QStringLiteral("lblExtrapolation"));
    extrapolation_->setStyleSheet(QStringLiteral("color: #c00000; font-size: 8pt;"));
    // Keeps its place when hidden, so that the button beside it does not jump.
    QSizePolicy platz = extrapolation_->sizePolicy();
    platz.setRetainSizeWhenHidden(true);
    extrapolation_->setSizePolicy(platz);
    extrapolation_->hide();
    kleinsteQuadrate_ = new QLabel(this);
    kleinsteQuadrate_->setObjectName(QStringLiteral("lblKleinsteQuadrate"));
    kleinsteQuadrate_->setFont(arial);
    kleinsteQuadrate_->hide();
    cmd3_ = new QPushButton(QStringLiteral("OK"), this);
    cmd3_->setObjectName(QStringLiteral("cmd3"));
    cmd4_ = new QPushButton(this);
    cmd4_->setObjectName(QStringLiteral("cmd4"));
    // Enter on a focused button presses it, so the panel works from the keyboard.
    cmd3_->setAutoDefault(true);
    cmd4_->setAutoDefault(true);
    connect(cmd3_, &QPushButton::clicked, this, &Abfragepanel::cmd3_Click);
    connect(cmd4_, &QPushButton::clicked, this, &Abfragepanel::cmd4_Click);

    // Nothing of the panel shows until the chart's layout asks for it.
    cmd3_->hide();
    cmd4_->hide();
    felder_[FeldKi]->hide();

    switch (art_) {
    case Abfrageart::Regression:
        BildReg();
        break;
    case Abfrageart::Summenwerte:
        BildProg1();
        break;
    case Abfrageart::Einzelwerte:
        BildProg2();
        break;
    }
    zeilenAnordnen();
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void Abfragepanel::showEvent(QShowEvent* ereignis) {
    Abfragebereich::showEvent(ereignis);
    // A query can be typed as soon as the window opens.
    if (!gezeigt_) feld(FeldXi)->setFocus(Qt::OtherFocusReason);
    gezeigt_ = true;
}

void Abfragepanel::BildReg() {
    label(LblAbfrage)->setText(QStringLiteral("Abfrage :"));
    label(LblXi)->setText(QStringLiteral("Xi ="));
    label(LblYi)->setText(QStringLiteral("Yi ="));
    label(LblHinweis)->setText(QStringLiteral("OK speichert Abfragewerte (max.20)"));
    for (int i = LblAbfrage; i <= LblHinweis; ++i) label(i)->show();
    feld(FeldXi)->setToolTip(
        QStringLiteral(" Vorgabe eines X-Wertes  ->  berechnet Schätzwert Y "));
    feld(FeldYi)->setToolTip(
        QStringLiteral(" Vorgabe eines Y-Wertes  ->  berechnet Schätzwert X "));
    cmd4_->setText(QStringLiteral("  OK  "));
    cmd4_->setToolTip(QStringLiteral(" Speichert die Abfragewerte "));
    cmd4_->show();

    // The panel opens on the first data point and the model value there.
    auto& g = k_.grafik;
    g.Xi = k_.zustand.AnzPaare >= 1 ? k_.zustand.XWert(1) : 0;
    setzeFeld(FeldXi, Zahl(g.Xi));
    g.Yi = WertYQ(k_.zustand, g.Xi).value_or(0);
    setzeFeld(FeldYi, Zahl(g.Yi));
    g.Abfragepunkt = {g.Xi, g.Yi};
}

void Abfragepanel::BildProg1() {
    for (int i = LblAbfrage; i <= LblHinweis; ++i) label(i)->show();
    label(LblAbfrage)->setText(QStringLiteral("Abfrage :"));
    label(LblProzent)->setText(QStringLiteral("Σ%"));
    label(LblProzent)->setFont(symbolSchrift());
    label(LblGleich)->setText(QStringLiteral("="));
    label(LblKi)->setText(QStringLiteral("Ki="));
    label(LblXiSumme)->setText(QStringLiteral("Xi="));
    label(LblG1Text)->setText(QStringLiteral("KiG1/95="));
    label(LblG2Text)->setText(QStringLiteral("KiG2/95="));
    label(LblHinweis)
        ->setText(QStringLiteral("OK speichert bis 10 Abfragewerte und regeneriert die Grafik"));
    for (const int i : {LblG1, LblG2}) label(i)->setMinimumWidth(breiteFuerZahl(label(i)));
    feld(FeldXi)->setToolTip(
        QStringLiteral(" Vorgabe eines X-Wertes  ->  berechnet Summenwert K und Summenwert in % "));
    feld(FeldProzent)
        ->setToolTip(QStringLiteral(
            " Vorgabe eines %-Wertes  ->  berechnet Schätzwert X und  Summenwert K "));
    feld(FeldKi)->setToolTip(
        QStringLiteral(" Vorgabe eines K-Wertes  ->  berechnet Schätzwert X und Summenwert in % "));
    feld(FeldKi)->show();

    // The 100 % point: saturation level at an infinite horizon.
    setzeFeld(FeldProzent, "100");
    setzeFeld(FeldKi, ganzImFeld(k_.zustand.KMax));
    setzeFeld(FeldXi, "    unendlich");
    zeigeExtrapolation(true); // the saturation level lies at an infinite horizon

    cmd4_->setText(QStringLiteral("Abfrage OK"));
    cmd4_->setToolTip(QStringLiteral(" Speichert Abfragewerte und regeneriert die Grafik "));
    cmd4_->show();
}

void Abfragepanel::BildProg2() {
    for (int i = LblAbfrage; i <= LblBisText; ++i) label(i)->show();
    label(LblAbfrage)->setText(QStringLiteral("Abfrage :"));
    label(LblXiEinzel)->setText(QStringLiteral("Xi="));
    label(LblXid)->setText(QStringLiteral("X(i+d)="));
    label(LblKdxText)->setText(QStringLiteral("K(dx)="));
    label(LblPhiText)->setText(QStringLiteral("φ"));
    label(LblPhiText)->setFont(symbolSchrift());
    label(LblPhiIText)->setText(QStringLiteral("i="));
    label(LblPhiText2)->setText(QStringLiteral("φ"));
    label(LblPhiText2)->setFont(symbolSchrift());
    label(LblPhiIdText)->setText(QStringLiteral("(i+d)="));
    label(LblHinweis)
        ->setText(QStringLiteral("OK speichert bis 7 Abfragewerte und regeneriert die Grafik"));
    label(LblKdxG1Text)->setText(QStringLiteral("KdxG1/95="));
    label(LblKdxG2Text)->setText(QStringLiteral("KdxG2/95="));
    label(LblBandText)->setText(QStringLiteral("Bandbreite der Verteilungsdichte"));
    label(LblBisText)->setText(QStringLiteral("0  bis :"));
    for (const int i : {LblKdx, LblPhiI, LblPhiId, LblKdxG1, LblKdxG2}) {
        label(i)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label(i)->setStyleSheet(QStringLiteral("background-color: #ffffe0;"));
        label(i)->setMinimumWidth(breiteFuerZahl(label(i)));
    }
    feld(FeldXi)->setToolTip(
        QStringLiteral(" Vorgabe eines Werte X(i)  ->  berechnet Summenwert K(dx) und ") +
        QStringLiteral("Verteilungsdichte Phi(i) "));
    feld(FeldXid)->setToolTip(
        QStringLiteral(" Vorgabe eines Wertes X(i+d)  ->  berechnet Summenwert K(dx) ") +
        QStringLiteral("und Verteilungsdichte Phi(i+d) "));
    feld(FeldGrenzwert)
        ->setToolTip(
            QStringLiteral(" Eingabe eines gewünschten Grenzwertes der Verteilungsdichte ") +
            QStringLiteral("Phi -> für Grafikdarstellung "));
    feld(FeldGrenzwert)->show();

    cmd3_->setText(QStringLiteral("gewählte Bandbreite OK"));
    cmd3_->show();
    cmd4_->setText(QStringLiteral("Abfrage OK"));
    cmd4_->setToolTip(QStringLiteral(" Speichert Abfragewerte und regeneriert die Grafik "));
    cmd4_->show();

    // Start with the observed range as the band, so that either end can be typed first.
    auto& z = k_.zustand;
    auto& g = k_.grafik;
    g.Xi = z.XMin;
    g.Yi = z.XMax;
    setzeFeld(FeldXi, Zahl(g.Xi));
    setzeFeld(FeldXid, Zahl(g.Yi));
    try {
        einzelwerteErgebnisse();
    } catch (const Fehler&) {
        // The chart reports an unusable curve when it is drawn.
    }
}

void Abfragepanel::zeilenAnordnen() {
    auto* spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(4, 2, 4, 2);
    spalte->setSpacing(3);
    auto zeile = [&](std::initializer_list<QWidget*> teile) {
        auto* z = new QHBoxLayout;
        for (QWidget* w : teile) {
            if (w)
                z->addWidget(w);
            else
                z->addSpacing(12);
        }
        z->addStretch(1);
        spalte->addLayout(z);
    };
    // Caption and value stick together: "φ" "i=" reads as one caption.
    auto paar = [&](QWidget* a, QWidget* b) {
        auto* w = new QWidget(this);
        auto* h = new QHBoxLayout(w);
        h->setContentsMargins(0, 0, 0, 0);
        h->setSpacing(0);
        h->addWidget(a);
        h->addWidget(b);
        return w;
    };

    switch (art_) {
    case Abfrageart::Regression:
        zeile({label(LblAbfrage), label(LblXi), feld(FeldXi), nullptr, label(LblYi), feld(FeldYi),
               extrapolation_, nullptr, cmd4_});
        // The captions of the other charts stay empty, as placeholders.
        zeile({label(LblHinweis), label(LblKi), label(LblXiSumme), label(LblG1Text), label(LblG1),
               label(LblG2Text), label(LblG2), kleinsteQuadrate_});
        break;
    case Abfrageart::Summenwerte:
        zeile({label(LblAbfrage), label(LblXiSumme), feld(FeldXi), nullptr, label(LblProzent),
               label(LblGleich), feld(FeldProzent), nullptr, label(LblKi), feld(FeldKi),
               extrapolation_, nullptr, cmd4_});
        zeile({label(LblG1Text), label(LblG1), nullptr, label(LblG2Text), label(LblG2), nullptr,
               kleinsteQuadrate_});
        zeile({label(LblHinweis)});
        break;
    case Abfrageart::Einzelwerte:
        zeile({label(LblAbfrage), label(LblXiEinzel), feld(FeldXi), nullptr, label(LblXid),
               feld(FeldXid), nullptr, label(LblKdxText), label(LblKdx), extrapolation_, nullptr,
               cmd4_});
        zeile({paar(label(LblPhiText), label(LblPhiIText)), label(LblPhiI), nullptr,
               paar(label(LblPhiText2), label(LblPhiIdText)), label(LblPhiId), nullptr,
               label(LblKdxG1Text), label(LblKdxG1), nullptr, label(LblKdxG2Text),
               label(LblKdxG2)});
        zeile({label(LblBandText), label(LblBisText), feld(FeldGrenzwert), nullptr, cmd3_,
               label(LblNachBand)});
        zeile({label(LblHinweis)});
        break;
    }
    tabFolge();
}

void Abfragepanel::tabFolge() {
    for (QLineEdit* f : felder_) f->setFixedWidth(breiteFuerZahl(f) + 8);
    // Tab order: the fields, then the buttons.
    setTabOrder(feld(FeldXi), feld(FeldYi));
    setTabOrder(feld(FeldYi), feld(FeldKi));
    setTabOrder(feld(FeldKi), cmd4_);
    setTabOrder(cmd4_, cmd3_);
}

void Abfragepanel::nachZeichnen() {
    const auto& z = k_.zustand;
    const auto& g = k_.grafik;
    // A value that cannot be computed keeps its label as it was; the chart has said why.
    auto zeige = [this](int i, auto berechne) {
        try {
            setzeLabel(i, formatFest(berechne(), 6));
        } catch (const Fehler&) {
        }
    };
    // The limits of KMax belong to the initial 100 % query; once the user has
    // evaluated a query, its own limits stay beside its fields.
    if (art_ == Abfrageart::Summenwerte && !eigeneGrenzen_) {
        zeige(LblG1, [&] { return KGrenz1(z, z.KMax); });
        zeige(LblG2, [&] { return KGrenz2(z, z.KMax); });
    }
    if (art_ == Abfrageart::Einzelwerte) try {
            einzelwerteErgebnisse();
        } catch (const Fehler&) {
        }
    // Show the automatic top of the density axis, so that leaving the field keeps it.
    if (art_ == Abfrageart::Einzelwerte && !g.GrenzwertFest && !grenzwertGetippt_ &&
        !feld(FeldGrenzwert)->hasFocus())
        setzeFeld(FeldGrenzwert, Zahl(DichteOben(z)));
    kqAntwortZeigen();
    emit gezeichnet();
}

namespace {
// Four significant digits, as one compares an answer with its interval: 11.17, 0.5432.
std::string kurz(double v) {
    const int stellen =
        v == 0 ? 3 : std::clamp(3 - static_cast<int>(std::floor(std::log10(std::fabs(v)))), 0, 10);
    return formatFest(v, stellen);
}
} // namespace

void Abfragepanel::kqAntwortZeigen() {
    const auto& g = k_.grafik;
    std::optional<KQBand> b;
    if (g.Originalmassstab && g.KleinsteQuadrate && g.Abfragepunkt &&
        art_ != Abfrageart::Einzelwerte)
        if (const auto kq = kqEntscheidend(k_.zustand))
            b = kqBand(kq->kurve, kq->fit, g.Abfragepunkt->first);
    kleinsteQuadrate_->setVisible(b.has_value());
    if (!b) return;
    const std::string was = art_ == Abfrageart::Regression ? "Yi" : "Ki";
    kleinsteQuadrate_->setText(QString::fromStdString(was + " = " + kurz(b->y) + " [" +
                                                      kurz(*b->vorhersage.unten) + "; " +
                                                      kurz(*b->vorhersage.oben) + "]"));
}

// ---- buttons

void Abfragepanel::cmd4_Click() {
    auto& g = k_.grafik;
    const int k = platzFuerAbfrage(g, art_, k_.dialoge);
    if (k == 0) return;
    g.AbfrageX[static_cast<std::size_t>(k)] = wert(FeldXi);
    switch (art_) {
    case Abfrageart::Regression:
        g.AbfrageY[static_cast<std::size_t>(k)] = wert(FeldYi);
        // Only the chart in the data's own units shows stored queries.
        if (g.Originalmassstab && k_.neuZeichnen) k_.neuZeichnen();
        break;
    case Abfrageart::Summenwerte:
        g.GrenzwertFest = true;
        g.AbfrageS[static_cast<std::size_t>(k)] = wert(FeldProzent);
        g.AbfrageY[static_cast<std::size_t>(k)] = wert(FeldKi);
        if (k_.neuZeichnen) k_.neuZeichnen();
        break;
    case Abfrageart::Einzelwerte:
        grenzwertFestlegen();
        g.AbfrageY[static_cast<std::size_t>(k)] = wert(FeldXid);
        if (k_.neuZeichnen) k_.neuZeichnen();
        break;
    }
    feld(FeldXi)->setFocus(Qt::OtherFocusReason);
}

void Abfragepanel::cmd3_Click() {
    grenzwertFestlegen();
    if (k_.neuZeichnen) k_.neuZeichnen();
}

// The density axis keeps the top that its field shows, typed or chosen by the chart.
void Abfragepanel::grenzwertFestlegen() {
    auto& g = k_.grafik;
    if (art_ == Abfrageart::Einzelwerte && wert(FeldGrenzwert) > 0)
        g.PhiGrenze = wert(FeldGrenzwert);
    else if (!g.GrenzwertFest) // the chart's own top, unrounded, as it was drawn last
        g.PhiGrenze = PhiWert(k_.zustand, k_.zustand.WertXs).value_or(0);
    g.GrenzwertFest = true;
}

// ---- fields

bool Abfragepanel::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (ereignis->type() == QEvent::FocusIn) {
        for (const int i : {FeldXi, FeldYi, FeldKi})
            if (objekt == feld(i) && i == fokusRueckgabe_) fokusRueckgabe_ = -1;
    } else if (ereignis->type() == QEvent::FocusOut) {
        if (feldVerlassen(*static_cast<QFocusEvent*>(ereignis))) {
            for (const int i : {FeldXi, FeldYi, FeldKi})
                if (objekt == feld(i)) Text2_LostFocus(i);
        }
    }
    return false;
}

void Abfragepanel::Text2_LostFocus(int feld) {
    if (verarbeitet_) return;
    // The focus is on its way back to a field that was refused: passing through
    // another field is no entry there.
    if (fokusRueckgabe_ >= 0 && feld != fokusRueckgabe_) return;
    const QScopedValueRollback<bool> inArbeit(verarbeitet_, true);
    // Until the field gives a valid result there is nothing to extrapolate; the density
    // limit is no query.
    if (art_ != Abfrageart::Einzelwerte || feld != FeldGrenzwert) zeigeExtrapolation(false);
    geschuetztAusfuehren(k_.dialoge, "Abfragepanel", [this, feld] {
        switch (art_) {
        case Abfrageart::Regression:
            verlassenRegression(feld);
            break;
        case Abfrageart::Summenwerte:
            verlassenSummenwerte(feld);
            break;
        case Abfrageart::Einzelwerte:
            verlassenEinzelwerte(feld);
            break;
        }
    });
}

// ---- helpers

double Abfragepanel::wert(int feld) const {
    // The 100 % point shown as "unendlich" is the horizon 10^10, also when stored.
    if (this->feld(feld)->text().trimmed().toUpper() == QStringLiteral("UNENDLICH")) return 1e10;
    return zahlWert(this->feld(feld)->text().toStdString());
}

void Abfragepanel::setzeFeld(int feld, const std::string& text) {
    this->feld(feld)->setText(q(text));
}

void Abfragepanel::setzeLabel(int i, const std::string& text) {
    label(i)->setText(q(text));
}

void Abfragepanel::zeigeExtrapolation(bool ja) {
    extrapolation_->setVisible(ja);
}

void Abfragepanel::warnen(const QString& text, const QString& titel) {
    k_.dialoge.meldung(text, titel, Knoepfe::OK, Symbol::Ausrufezeichen);
}

void Abfragepanel::fokusZurueck(int feld) {
    fokusRueckgabe_ = feld;
    // Deferred: the focus is still moving to the next control.
    QPointer<QLineEdit> ziel(this->feld(feld));
    QTimer::singleShot(0, this, [this, ziel, feld] {
        if (ziel && fokusRueckgabe_ == feld) {
            ziel->setFocus(Qt::OtherFocusReason);
            // The window may not be active (a message box just closed); the
            // field still becomes its focus widget.
            fokusRueckgabe_ = -1;
        }
    });
}

Abfragebereich* abfragepanelErzeugen(frmGrafikKurvex& fenster) {
    // Owned by its window from the start; the window's layout then places it.
    return new Abfragepanel({fenster.zustand(), fenster.dialoge(), fenster.grafik(),
                             [&fenster] { fenster.zeichnen(); }},
                            &fenster);
}

} // namespace tk
