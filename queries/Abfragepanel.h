#pragma once
// The query panel under the chart: entry fields Text2(0..2), labels Label3(0..18)
// and the buttons cmd4 (store the query) and cmd3 (confirm the density limit).
// Its layout and rules depend on the chart: regression, Fall Summenwerte or
// Fall Einzelwerte.

#include "app/Dialoge.h"
#include "calc/Abfrageregeln.h"
#include "calc/Zustand.h"
#include "charts/frmGrafikKurvex.h"
#include "queries/Abfragespeicher.h"
#include "zeichnung/GrafikZustand.h"

#include <QFont>
#include <array>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tk {

// What the panel needs from its window.
struct Abfragekontext {
    Programmzustand& zustand;
    Dialoge& dialoge;
    GrafikZustand& grafik;
    std::function<void()> neuZeichnen; // redraws the chart (then calls nachZeichnen)
};

class Abfragepanel : public Abfragebereich {
    Q_OBJECT
public:
    explicit Abfragepanel(Abfragekontext kontext, QWidget* parent = nullptr);

    void nachZeichnen() override;

    // The fields of the control array Text2, by name: the query's Xi, then Yi (regression),
    // the share Σ% (Summenwerte) or X(i+d) (Einzelwerte), then Ki (Summenwerte) or the
    // density limit (Einzelwerte).
    enum Feldnr : int {
        FeldXi = 0,
        FeldYi = 1,
        FeldProzent = 1,
        FeldXid = 1,
        FeldKi = 2,
        FeldGrenzwert = 2
    };
    // The labels of the control array Label3, by what they show in each chart.
    enum Labelnr : int {
        LblAbfrage = 0, // "Abfrage :"
        LblHinweis = 9, // what "OK" stores
        // regression
        LblXi = 1,
        LblYi = 2,
        // Fall Summenwerte
        LblProzent = 1,
        LblGleich = 2,
        LblKi = 3,
        LblXiSumme = 4,
        LblG1Text = 5,
        LblG1 = 6,
        LblG2Text = 7,
        LblG2 = 8,
        // Fall Einzelwerte
        LblXiEinzel = 1,
        LblXid = 2,
        LblKdxText = 3,
        LblKdx = 4,
        LblPhiText = 5,
        LblPhiIText = 6,
        LblPhiText2 = 7,
        LblPhiIdText = 8,
        LblKdxG1Text = 10,
        LblPhiI = 11,
        LblPhiId = 12,
        LblKdxG1 = 13,
        LblKdxG2Text = 14,
        LblKdxG2 = 15,
        LblBandText = 16,
        LblNachBand = 17,
        LblBisText = 18
    };

    Abfrageart art() const { return art_; }
    QLineEdit* feld(int i) const { return felder_.at(static_cast<std::size_t>(i)); }
    QLabel* label(int i) const { return labels_.at(static_cast<std::size_t>(i)); }
    QPushButton* cmd3() const { return cmd3_; }
    QPushButton* cmd4() const { return cmd4_; }
    // "Extrapolation" beside the result while the query's X lies outside the data.
    QLabel* extrapolation() const { return extrapolation_; }
    // In the view "Kleinste Quadrate": the query's answer on the least-squares curve with
    // its 95 % prediction interval ("Yi = 11.17 [10.77; 11.57]"); hidden otherwise.
    QLabel* kleinsteQuadrate() const { return kleinsteQuadrate_; }

signals:
    // Emitted after every drawing of the chart, once the results are refreshed.
    void gezeichnet();

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
    void showEvent(QShowEvent* ereignis) override;

private:
    void BildReg();
    void BildProg1();
    void BildProg2();
    void zeilenAnordnen();
    // Field widths and the tab order: the fields, then the buttons.
    void tabFolge();

    void cmd4_Click();
    void cmd3_Click();
    void Text2_LostFocus(int feld);

    // lost-focus rules, one per chart
    void verlassenRegression(int feld);
    void verlassenSummenwerte(int feld);
    void verlassenEinzelwerte(int feld);
    // Shows a refused value's warning and puts the offered value back (as a share in
    // percent with `anteil`); false if the value was accepted.
    bool abgelehnt(int feld, const std::optional<abfrage::Hinweis>& h, bool anteil = false);
    void summeZeigen(int feld, const abfrage::Summenergebnis& e);
    void einzelwerteErgebnisse();
    void grenzwertVerlassen();
    void grenzwertFestlegen();
    void summenGrenzen(double K);
    void abfragepunktSetzen(double x, double y);

    double wert(int feld) const;
    void setzeFeld(int feld, const std::string& text);
    void setzeLabel(int i, const std::string& text);
    void warnen(const QString& text, const QString& titel);
    void zeigeExtrapolation(bool ja);
    void kqAntwortZeigen();
    void fokusZurueck(int feld);

    Abfragekontext k_;
    Abfrageart art_;
    std::array<QLineEdit*, 3> felder_{};
    std::array<QLabel*, 19> labels_{};
    QPushButton* cmd3_ = nullptr;
    QPushButton* cmd4_ = nullptr;
    QLabel* extrapolation_ = nullptr;
    QLabel* kleinsteQuadrate_ = nullptr;
    bool gezeigt_ = false;
    bool verarbeitet_ = false;      // a lost-focus rule is running
    bool eigeneGrenzen_ = false;    // the limit labels belong to the user's query, not to KMax
    bool grenzwertGetippt_ = false; // the density limit field holds the user's value
    int fokusRueckgabe_ = -1;       // field that gets the focus back; others' departures are void
};

// Builds the panel for a chart window (Grafikdienste::panelErzeugen).
Abfragebereich* abfragepanelErzeugen(frmGrafikKurvex& fenster);

} // namespace tk
