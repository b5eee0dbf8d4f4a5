#pragma once
// The model table of a run: in regression mode all nine fits by |r| with the decisive
// one marked and a residual plot; in prognosis mode both cases with their three curve
// types. Ten significant digits are shown; the tool tip and the copy give all 17.

#include "calc/Ergebnistabelle.h"
#include "zeichnung/Vergleichsdaten.h"

#include <QDialog>
#include <optional>

class QLabel;
class QTableWidget;

namespace tk {

class frmModellvergleich : public QDialog {
    Q_OBJECT
public:
    explicit frmModellvergleich(const Vergleichsdaten& daten, QWidget* parent = nullptr);

    QTableWidget* tabelle() const { return tabelle_; }
    QLabel* hinweis() const { return hinweis_; } // "knappe Entscheidung", hidden when not close
    // residual plot of the decisive model, or of both cases' decisive curves side by side
    QLabel* residuenBild() const { return residuen_; }

    // The table as texts with full precision, as the clipboard gets it.
    std::vector<Tabellenzeile> alsTabelle() const;
    // Copies the whole table tab-separated to the clipboard.
    void kopieren() const;

private:
    struct Zelle {
        QString text;
        std::optional<double> wert;
    };
    void regressionFuellen(const Vergleichsdaten& d);
    void prognoseFuellen(const Vergleichsdaten& d);
    void zeilenZeigen();
    void groesseNachInhalt();
    void residuenZeichnen(const Vergleichsdaten& d);
    void kontextmenue(const QPoint& wo);

    QTableWidget* tabelle_ = nullptr;
    QLabel* hinweis_ = nullptr;
    QLabel* residuen_ = nullptr;
    QStringList kopf_;
    std::vector<std::vector<Zelle>> zeilen_;
};

} // namespace tk
