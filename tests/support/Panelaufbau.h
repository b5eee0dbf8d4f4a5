#pragma once
// A chart window's query panel on the offscreen platform, with scripted dialogs.

#include "calc/Zustand.h"
#include "charts/frmGrafikKurvex.h"
#include "queries/Abfragepanel.h"
#include "queries/Abfragetabelle.h"
#include "tests/support/FakeDialoge.h"
#include "zeichnung/GrafikZustand.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <memory>
#include <stdexcept>

namespace tk::test {

// Scripted dialogs that can also fail like a broken library would.
struct StoerbareDialoge : FakeDialoge {
    int werfen = 0; // the next so many message boxes throw
    Antwort meldung(const QString& text, const QString& titel, Knoepfe knoepfe,
                    Symbol symbol) override {
        if (werfen > 0) {
            --werfen;
            throw std::runtime_error("Dialog kaputt");
        }
        return FakeDialoge::meldung(text, titel, knoepfe, symbol);
    }
};

// The real chart window with the query panel wired in, as the program builds it.
struct Panelaufbau {
    explicit Panelaufbau(Programmzustand zustand) : z(std::move(zustand)) {
        Grafikdienste dienste;
        dienste.panelErzeugen = abfragepanelErzeugen;
        dienste.abfragen = [](frmGrafikKurvex& w) {
            return abfragetabelle(w.zustand(), w.grafik());
        };
        fenster = std::make_unique<frmGrafikKurvex>(z, dialoge, dienste);
        panel = fenster->findChild<Abfragepanel*>();
        fenster->show();
        aktiv = QTest::qWaitForWindowActive(fenster.get()) && panel;
        QCoreApplication::processEvents();
        // Only the drawings the test causes count.
        gezeichnet = std::make_unique<QSignalSpy>(panel, &Abfragepanel::gezeichnet);
    }

    QLineEdit* feld(int i) const { return panel->feld(i); }
    QString text(int i) const { return panel->feld(i)->text(); }
    QString label(int i) const { return panel->label(i)->text(); }

    // Types into a field as a user would: focus it (the text is selected) and type.
    void tippe(int i, const QString& text) {
        feld(i)->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
        QTest::keyClicks(feld(i), text);
    }
    // Leaves the field with Enter, which moves on like Tab.
    void verlasse(int i) {
        QTest::keyClick(feld(i), Qt::Key_Return);
        QCoreApplication::processEvents();
    }
    void eingeben(int i, const QString& text) {
        tippe(i, text);
        verlasse(i);
    }
    void ok() {
        QTest::mouseClick(panel->cmd4(), Qt::LeftButton);
        QCoreApplication::processEvents();
    }

    Programmzustand z;
    StoerbareDialoge dialoge;
    std::unique_ptr<frmGrafikKurvex> fenster;
    GrafikZustand& g() { return fenster->grafik(); }
    Abfragepanel* panel = nullptr;
    std::unique_ptr<QSignalSpy> gezeichnet;
    bool aktiv = false;
};

} // namespace tk::test
