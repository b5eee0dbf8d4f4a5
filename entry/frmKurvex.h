#pragma once
// The input window: title, pair count and pairs, the value list, the calculation run
// with its results, and the "Datei" menu.

#include "app/Dialoge.h"
#include "calc/Prognose.h"
#include "calc/Zustand.h"
#include "datafile/Datei.h"
#include "entry/Paareingabe.h"
#include "zeichnung/Vergleichsdaten.h"

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <atomic>
#include <functional>
#include <optional>

class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QSettings;
class QUndoStack;

namespace tk {

struct Laufergebnis;

class frmKurvex : public QMainWindow {
    Q_OBJECT
public:
    frmKurvex(Programmzustand& zustand, Dialoge& dialoge, QWidget* parent = nullptr);
    ~frmKurvex() override;

    // Results of both prognosis cases of the last run.
    struct Ergebnis {
        FallErgebnis S; // Fall Summenwerte
        FallErgebnis E; // Fall Einzelwerte
        RegressionsErgebnis R;
        bool gezeigt = false; // the results belong to the data set as it is
    };

    enum class Menue {
        Neu,
        Oeffnen,
        Speichern,
        SpeichernUnter,
        Loeschen,
        Beenden,
        Importieren,
        Einfuegen,
        Modellvergleich,
        Rueckgaengig,
        Wiederholen
    };

    // The buttons of the control array cmd1 and the labels of Label1, by name; the number
    // fields of Text1 are named by Zahlfeld (Anzahl, WertX, WertY).
    enum Knopfnr : std::size_t {
        ZumStart,
        AnzahlOK,
        AlleOK,
        Neu,
        Grafik,
        EingabeSpeichern,
        GrafikEinzel
    };
    enum Labelnr : std::size_t {
        TitelLabel,
        AnzahlLabel,
        XLabel,
        YLabel,
        KorrekturLabel,
        ListeLabel,
        SummenLabel,
        EinzelLabel
    };

    // Controls, by their index in the window's control arrays.
    QLabel* Label1(int i) const { return Label1_.at(static_cast<std::size_t>(i)); }
    QLineEdit* Text1(int i) const { return Text1_.at(static_cast<std::size_t>(i)); }
    QPushButton* cmd1(int i) const { return cmd1_.at(static_cast<std::size_t>(i)); }
    QLineEdit* Text2() const { return Text2_; }
    QListWidget* List1() const { return List1_; }
    QLabel* Label3() const { return Label3_; }
    QLabel* Label4() const { return Label4_; }
    QPushButton* abbrechenKnopf() const { return Abbrechen_; }
    QAction* menue(Menue m) const;

    const Paareingabe& paareingabe() const { return modell_; }
    int EingabeIndex() const { return modell_.eingegeben(); }
    bool KorrekturModus() const { return modell_.korrekturModus(); }
    int KorrekturIndex() const { return modell_.korrekturIndex(); }
    const Ergebnis& ergebnis() const { return Ergebnis_; }
    bool rechnet() const { return rechnet_; }

    // The last run's results while they are shown, for the model table and the export.
    std::optional<Vergleichsdaten> vergleichsdaten() const;

    // Loads a data file as "Öffnen" does; a file that cannot be read changes nothing.
    void Oeffnen(const std::string& pfad);

    // The data set changed since it was loaded or saved.
    bool geaendert() const;
    // Before the data set is given up: asks "Die Änderungen an ... speichern?" when it
    // changed and saves on "Ja". False when the user cancelled or saving failed.
    bool aenderungenSichern();
    // "Beenden": the save question when the data set changed, else the exit question.
    bool endeBestaetigt();
    // The filter of "Importieren (CSV) ...".
    static QString importFilter();

    // Asks a running search to stop at its next progress report.
    void abbrechen() { abbruch_ = true; }

    // How saving reaches the disk.
    Speicherwege speicherwege = Speicherwege::system();
    // Where the recently opened files are kept; none without it.
    QSettings* einstellungen = nullptr;

    // Called for each progress report that reaches the window (the first of each
    // search, then one per second), after the display was updated; lets tests act
    // while a search runs.
    std::function<void()> beiFortschritt;
    // Called on the calculation's own threads at every progress report of a search
    // (0 Summenwerte, 1 Einzelwerte); lets tests slow a search down.
    std::function<void(int fall)> imRechenthread;

signals:
    void zurueckZumStart();
    void beenden();
    // A chart button chose the case (GrafikFall and the results are in the state).
    void grafikZeigen();
    // Closed through the title bar.
    void geschlossen();

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;
    void closeEvent(QCloseEvent* e) override;
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dropEvent(QDropEvent* e) override;

private:
    // Runs a handler; a failure is reported and ends the handler, nothing more.
    void geschuetzt(const std::function<void()>& handler);

    void aufbauen();
    void felderAufbauen(QWidget* flaeche);
    void listeAufbauen(QWidget* flaeche);
    QLabel* neuesLabel(QWidget* flaeche, const QString& text, int x, int y, int b, int h = 330);
    QLineEdit* neuesFeld(QWidget* flaeche, int x, int y, int b);
    void neuerKnopf(QWidget* flaeche, Knopfnr nr, const QString& text, int y, int h);
    void menueAufbauen();
    void tabFolge();

    void Initialisieren();
    void Bild1();
    void Bild2();
    void Bild3();
    void EingabeListe();
    void listeAufbauen();
    void ergebnisseVerbergen();
    void paarBeschriften(int k, bool prognoseWorte);
    // Labels and fields for what comes next: the next pair to enter, or pair 1 once
    // entry is complete.
    void paarAnzeigen();
    // The pair chosen for correction in the labels and fields.
    void korrekturAnzeigen();
    // Results of an earlier run hidden; "Eingabe speichern" stays as it was.
    void ergebnisseVeraltet();
    // Shows what a rule of the pair entry changed, asking its question first.
    void zeigen(const Folge& folge);
    QWidget* fokusFeld(Ziel ziel) const;

    // Field processing when a field is left.
    void verlassen(QObject* feld);
    void Text2_LostFocus();
    void anzahlVerlassen();
    // The value of a field, or a message and the focus back into it.
    bool feldWert(Zahlfeld f, double& wert);
    void paarFeldVerlassen(Zahlfeld f);
    // Puts the focus back into a field once the current focus change has finished.
    void zurueckInFeld(QWidget* feld);

    void cmd1_Click(Knopfnr nr);
    void AnzahlOK_Click();
    void Neu_Click();
    void List1_Click(int zeile);
    void List1_DblClick(int zeile);
    void EndeAbfragen();

    // calculation run (frmKurvexRechnung.cpp)
    void Rechnen_Click();
    void Grafik_Click(int fall);
    void rechnungSperren(bool sperren);
    // Closes or ends as asked for while the run was still going.
    // Takes a finished run's results and offers what they allow.
    void ergebnisZeigen(const Laufergebnis& lauf);
    void nachRechnung();
    Laufergebnis hintergrundRechnen();
    void summenwerteFertig(const FallErgebnis& e);
    void abbrechenKnopfBauen(QWidget* flaeche);
    void anzeigeAuf(int fall);
    void zeitAnzeigen();

    // pairs from a table, model table (Einfuegen.cpp)
    void zusatzmenuesAufbauen(QMenu* datei);
    void wertepaareEinfuegen();
    void importieren();
    // Takes the table's pairs as typing them would; refused input changes nothing.
    void wertetabelleUebernehmen(const std::string& text, const QString& titel);
    void paareSetzen(const std::vector<std::pair<double, double>>& paare);
    void modellvergleichZeigen();

    // unsaved changes, undo, recent files, dropped files (Aenderungen.cpp)
    using Stand = Paareingabe::Stand;
    class Aenderung;
    void standAnwenden(const Stand& s);
    // Records the data set as one undo step if a handler changed it.
    void aufnehmen(bool paarOffen = false);
    // A new data set (loaded, saved or empty) is the unchanged state.
    void neuerStand(bool verlauf);
    void titelZeigen();
    // Undo and redo as far as the stack and a running search allow.
    void verlaufZeigen();
    void ergebnisfensterSchliessen();
    void bearbeitenMenue(QMenu* bearbeiten);
    void zuletztMenue(QMenu* datei, QAction* vor);
    void zuletztMerken(const QString& pfad);
    void zuletztOeffnen(const QString& pfad);
    // A data file chosen outside the "Öffnen" dialog.
    void dateiUebernehmen(const QString& pfad);
    bool speichernErlaubt();

    // data files (frmKurvexDatei.cpp)
    QString dateiFilter() const;
    void mnuOpen_Click();
    void mnuSpeichern_Click();
    void mnuSpeichernU_Click();
    void mnuKill_Click();
    void EingabeSpeichern_Click();
    // Saves to `pfad` after the overwrite question; false when nothing was saved.
    bool Speichern(const std::string& pfad);
    void titelUebernehmen();
    // Runs a file access, reporting failures; drive-not-ready may be retried.
    bool dateiZugriff(const std::function<void()>& zugriff);

    Programmzustand& z_;
    Dialoge& dialoge_;

    std::array<QLabel*, 8> Label1_{};
    std::array<QLineEdit*, 3> Text1_{};
    std::array<QPushButton*, 7> cmd1_{};
    QLineEdit* Text2_ = nullptr;
    QListWidget* List1_ = nullptr;
    QLabel* Label3_ = nullptr;
    QLabel* Label4_ = nullptr;
    QPushButton* Abbrechen_ = nullptr;
    std::array<QAction*, 11> menue_{};

    Paareingabe modell_{z_};
    Ergebnis Ergebnis_;
    QUndoStack* verlauf_ = nullptr;
    Stand stand_;
    int handlerTiefe_ = 0;
    std::vector<QPointer<QWidget>> ergebnisfenster_;

    int Fall_ = 1;
    int Sekunden_ = 0;
    std::array<int, 2> sekunden_{}; // of each case's running search
    bool rechnet_ = false;
    std::atomic<bool> abbruch_{false};
    bool schliessenNachRechnung_ = false;
    bool beendenNachRechnung_ = false;

    // Focus changes made by the window itself are not departures of the user.
    int stumm_ = 0;
    bool umlenkung_ = false;
};

} // namespace tk
