#include "charts/frmModellvergleich.h"

#include "calc/KQAnpassung.h"
#include "calc/Modellvergleich.h"
#include "zeichnung/QPainterAusgabe.h"
#include "zeichnung/Residuenplot.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace tk {

namespace {

using Zahl = std::optional<double>;

QString zehnStellen(double v) {
    return QString::number(v, 'g', 10);
}

// A residual plot; left empty without a decisive curve.
QImage residuenbild(const std::vector<Residuum>& r, bool entscheidend, int breite,
                    const QString& titelY) {
    QImage bild(breite, 230, QImage::Format_ARGB32);
    bild.fill(Qt::white);
    if (entscheidend) {
        QPainterAusgabe a(bild);
        zeichneResiduen(a, r, titelY);
    } else {
        QPainter p(&bild);
        p.drawText(bild.rect(), Qt::AlignCenter,
                   titelY.section(u':', 0, 0) + u": keine entscheidende Kurve"_s);
    }
    return bild;
}

// Sorts by the number behind the text; cells without a number go last.
class Zahlzelle : public QTableWidgetItem {
public:
    using QTableWidgetItem::QTableWidgetItem;
    bool operator<(const QTableWidgetItem& o) const override {
        const QVariant a = data(Qt::UserRole), b = o.data(Qt::UserRole);
        if (a.isValid() != b.isValid()) return a.isValid();
        if (a.isValid()) return a.toDouble() < b.toDouble();
        return QTableWidgetItem::operator<(o);
    }
};

const QStringList KqKopf = {u"R² (KQ)"_s, u"RMSE (KQ)"_s, u"AICc"_s, u"ΔAICc"_s};

// The least-squares columns, before the reason, of a group of fits compared with each
// other: R² and RMSE in the data's units, AICc and its distance to the group's lowest.
template <class Zeile>
void kqSpaltenAnhaengen(std::vector<Zeile>& zeilen, const std::vector<const KQErgebnis*>& kq) {
    std::optional<double> kleinstes;
    for (const KQErgebnis* e : kq)
        if (e && e->konvergiert && e->aicc)
            kleinstes = std::min(kleinstes.value_or(*e->aicc), *e->aicc);
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        const KQErgebnis* e = kq[i] && kq[i]->konvergiert ? kq[i] : nullptr;
        const auto zelle = [](const std::optional<double>& w) {
            return typename Zeile::value_type{w ? QString::number(*w, 'g', 10) : QString(), w};
        };
        std::optional<double> r2, rmse, aicc, delta;
        if (e) {
            r2 = e->r2;
            rmse = std::sqrt(e->rss / e->n);
            aicc = e->aicc;
            if (aicc) delta = *aicc - *kleinstes;
        }
        for (const auto& w : {r2, rmse, aicc, delta})
            zeilen[i].insert(zeilen[i].end() - 1, zelle(w)); // the reason stays last
    }
}

const KQErgebnis* kqVon(const std::optional<KQErgebnis>& e) {
    return e ? &*e : nullptr;
}
} // namespace

frmModellvergleich::frmModellvergleich(const Vergleichsdaten& daten, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(daten.z.ModusPrognostik ? u"Trend-Prognostik : Modellvergleich"_s
                                           : u"Trend-Regression : Modellvergleich"_s);
    auto* spalte = new QVBoxLayout(this);
    auto* titel = new QLabel(QString::fromStdString(daten.z.Bezeichnung), this);
    titel->setTextFormat(Qt::PlainText);
    spalte->addWidget(titel);
    tabelle_ = new QTableWidget(this);
    tabelle_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabelle_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(tabelle_, &QWidget::customContextMenuRequested, this,
            &frmModellvergleich::kontextmenue);
    spalte->addWidget(tabelle_, 1);
    hinweis_ = new QLabel(u"knappe Entscheidung"_s, this);
    hinweis_->setStyleSheet(u"QLabel { color: red; }"_s);
    hinweis_->setToolTip(u"Das zweitbeste Modell liegt in |r| weniger als 0,001 zurück."_s);
    hinweis_->hide();
    spalte->addWidget(hinweis_);
    if (daten.z.ModusPrognostik)
        prognoseFuellen(daten);
    else
        regressionFuellen(daten);
    residuenZeichnen(daten);
    spalte->addWidget(residuen_);
    zeilenZeigen();
    for (int k = 0; k < static_cast<int>(KqKopf.size()); ++k)
        tabelle_->horizontalHeaderItem(tabelle_->columnCount() - 2 - k)
            ->setToolTip(u"Kleinste Quadrate im Originalmaßstab"_s);

    auto* knoepfe = new QHBoxLayout;
    auto* kopieren = new QPushButton(u"Tabelle kopieren"_s, this);
    auto* schliessen = new QPushButton(u"Schließen"_s, this);
    connect(kopieren, &QPushButton::clicked, this, [this] { this->kopieren(); });
    connect(schliessen, &QPushButton::clicked, this, &QDialog::close);
    knoepfe->addWidget(kopieren);
    knoepfe->addStretch(1);
    knoepfe->addWidget(schliessen);
    spalte->addLayout(knoepfe);
    groesseNachInhalt();
}

// Every row and column in view without scrolling, as far as the screen allows.
void frmModellvergleich::groesseNachInhalt() {
    const int rand = 2 * tabelle_->frameWidth();
    int breite = tabelle_->verticalHeader()->sizeHint().width() + rand;
    for (int k = 0; k < tabelle_->columnCount(); ++k) breite += tabelle_->columnWidth(k);
    int hoehe = tabelle_->horizontalHeader()->sizeHint().height() + rand;
    for (int i = 0; i < tabelle_->rowCount(); ++i) hoehe += tabelle_->rowHeight(i);
    tabelle_->setMinimumHeight(hoehe);
    QSize ziel = sizeHint().expandedTo(QSize(breite + 2 * layout()->contentsMargins().left(), 0));
    if (const QScreen* s = screen()) ziel = ziel.boundedTo(s->availableGeometry().size());
    resize(ziel);
}

void frmModellvergleich::regressionFuellen(const Vergleichsdaten& d) {
    const Modellvergleich v = modellvergleich(d.regression);
    kopf_ = {u""_s,           u"Modell"_s, u"Formel"_s, u"r"_s,         u"r²"_s,
             u"R² (Daten)"_s, u"A"_s,      u"B"_s,      u"verwendbar"_s};
    for (const Vergleichszeile& m : v.zeilen) {
        const auto zahl = [](const Zahl& w) { return Zelle{w ? zehnStellen(*w) : QString(), w}; };
        zeilen_.push_back({{m.entscheidend ? u"entscheidend"_s : QString(), {}},
                           {QString::number(m.code), {}},
                           {u"Y = "_s + QString::fromStdString(m.formel), {}},
                           zahl(m.r),
                           zahl(m.r2),
                           zahl(m.r2Daten),
                           zahl(m.A),
                           zahl(m.B),
                           {m.verwendbar ? u"ja"_s : QString::fromStdString(m.grund), {}}});
    }
    const KQModelle kq = kqRegression(d.z, d.regression);
    std::vector<const KQErgebnis*> jeZeile;
    for (const Vergleichszeile& m : v.zeilen)
        for (std::size_t k = 0; k < ModellCodes.size(); ++k)
            if (ModellCodes[k] == m.code) jeZeile.push_back(kqVon(kq[k]));
    kqSpaltenAnhaengen(zeilen_, jeZeile);
    for (const QString& k : KqKopf) kopf_.insert(kopf_.size() - 1, k);
    hinweis_->setVisible(v.knapp);
}

void frmModellvergleich::prognoseFuellen(const Vergleichsdaten& d) {
    kopf_ = {u""_s,  u"Fall"_s, u"Typ"_s, u"KMax"_s,     u"r"_s,         u"R² (Daten)"_s,
             u"A"_s, u"B"_s,    u"Xs"_s,  u"Schritte"_s, u"verwendbar"_s};
    const std::pair<QString, const FallErgebnis*> faelle[] = {{u"Summenwerte"_s, &d.summenwerte},
                                                              {u"Einzelwerte"_s, &d.einzelwerte}};
    QStringList knapp;
    for (const auto& [name, fall] : faelle) {
        const KQTypen kq =
            kqFall(d.z, fall == &d.summenwerte ? Untersuch1(d.z) : Untersuch2(d.z), *fall);
        std::vector<std::vector<Zelle>> gruppe;
        for (std::size_t n = 0; n < fall->typen.size(); ++n) {
            const TypFit& t = fall->typen[n];
            const int typ = KurvenTypen[n]; // also for a type the case never reached
            const auto zahl = [&t](double w) { return t.ok ? Zelle{zehnStellen(w), w} : Zelle{}; };
            const bool entscheidend = fall->entscheidend && t.ok && typ == fall->typ;
            const QString schritte = t.lief ? QString::number(t.iterationen) : QString();
            const std::string grund = typGrund(t);
            gruppe.push_back({{entscheidend ? u"entscheidend"_s : QString(), {}},
                              {name, {}},
                              {QString::number(typ), {}},
                              zahl(t.K),
                              zahl(t.r),
                              t.r2Daten ? Zelle{zehnStellen(*t.r2Daten), t.r2Daten} : Zelle{},
                              zahl(t.A),
                              zahl(t.B),
                              zahl(t.Xs),
                              {schritte, {}},
                              {grund.empty() ? u"ja"_s : QString::fromStdString(grund), {}}});
        }
        kqSpaltenAnhaengen(gruppe, {kqVon(kq[0]), kqVon(kq[1]), kqVon(kq[2])});
        zeilen_.insert(zeilen_.end(), gruppe.begin(), gruppe.end());
        if (knappeEntscheidung(*fall)) knapp << u"Fall "_s + name;
    }
    for (const QString& k : KqKopf) kopf_.insert(kopf_.size() - 1, k);
    hinweis_->setText(u"knappe Entscheidung ("_s + knapp.join(u", "_s) + u")"_s);
    hinweis_->setToolTip(u"Die zweitbeste Kurve liegt in |r| weniger als 0,001 zurück."_s);
    hinweis_->setVisible(!knapp.isEmpty());
}

void frmModellvergleich::zeilenZeigen() {
    tabelle_->setColumnCount(static_cast<int>(kopf_.size()));
    tabelle_->setRowCount(static_cast<int>(zeilen_.size()));
    tabelle_->setHorizontalHeaderLabels(kopf_);
    for (std::size_t i = 0; i < zeilen_.size(); ++i) {
        for (std::size_t k = 0; k < zeilen_[i].size(); ++k) {
            const Zelle& c = zeilen_[i][k];
            auto* item = new Zahlzelle(c.text);
            if (c.wert) {
                item->setData(Qt::UserRole, *c.wert);
                item->setToolTip(QString::number(*c.wert, 'g', 17));
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            } else if (!c.text.isEmpty()) {
                item->setToolTip(c.text); // a long reason stays readable in a narrow column
            }
            if (!zeilen_[i][0].text.isEmpty()) {
                QFont f = item->font();
                f.setBold(true);
                item->setFont(f);
            }
            tabelle_->setItem(static_cast<int>(i), static_cast<int>(k), item);
        }
    }
    tabelle_->resizeColumnsToContents();
    tabelle_->horizontalHeader()->setStretchLastSection(true);
    // A click on a column's head sorts by it; until then the rows keep their order.
    tabelle_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    tabelle_->setSortingEnabled(true);
}

void frmModellvergleich::residuenZeichnen(const Vergleichsdaten& d) {
    residuen_ = new QLabel(this);
    if (d.z.ModusPrognostik) {
        // Both cases side by side, each against the values it fits.
        const QImage links = residuenbild(residuen(d.z, d.summenwerte, false),
                                          d.summenwerte.entscheidend, 430, u"Summenwerte: K − K̂"_s);
        const QImage rechts =
            residuenbild(residuen(d.z, d.einzelwerte, true), d.einzelwerte.entscheidend, 430,
                         u"Einzelwerte: ΣK − ΣK̂"_s);
        QImage bild(860, 230, QImage::Format_ARGB32);
        QPainter p(&bild);
        p.drawImage(0, 0, links);
        p.drawImage(430, 0, rechts);
        p.end();
        residuen_->setPixmap(QPixmap::fromImage(bild));
        residuen_->setToolTip(
            u"Residuen der entscheidenden Kurven über X: links Fall Summenwerte, rechts Fall Einzelwerte"_s);
        return;
    }
    const int nr = d.regression.modellNr;
    std::vector<Residuum> r;
    for (const ModellFit& m : d.regression.modelle)
        if (m.code == nr && m.ok) r = residuen(d.z, nr, m.A, m.B);
    residuen_->setPixmap(QPixmap::fromImage(residuenbild(r, nr != 0, 860, u"Y − Ŷ"_s)));
    residuen_->setToolTip(u"Residuen Y − Ŷ des entscheidenden Modells über X"_s);
}

std::vector<Tabellenzeile> frmModellvergleich::alsTabelle() const {
    std::vector<Tabellenzeile> t;
    Tabellenzeile kopf;
    for (const QString& k : kopf_) kopf.push_back(k.toStdString());
    t.push_back(kopf);
    for (const auto& zeile : zeilen_) {
        Tabellenzeile z;
        for (const Zelle& c : zeile)
            z.push_back(c.wert ? tabellenzahl(*c.wert) : c.text.toStdString());
        t.push_back(z);
    }
    if (!hinweis_->isHidden()) t.push_back({hinweis_->text().toStdString()});
    return t;
}

void frmModellvergleich::kopieren() const {
    QApplication::clipboard()->setText(QString::fromStdString(alsTsv(alsTabelle())));
}

void frmModellvergleich::kontextmenue(const QPoint& wo) {
    QMenu menue(this);
    menue.addAction(u"Tabelle kopieren"_s, this, [this] { kopieren(); });
    const QTableWidgetItem* item = tabelle_->itemAt(wo);
    if (item && item->data(Qt::UserRole).isValid()) { // the row may have moved by sorting
        const double w = item->data(Qt::UserRole).toDouble();
        menue.addAction(u"Zahl mit 17 Stellen kopieren"_s, this,
                        [w] { QApplication::clipboard()->setText(QString::number(w, 'g', 17)); });
    }
    menue.exec(tabelle_->viewport()->mapToGlobal(wo));
}

} // namespace tk
