#pragma once
// Builds an input window on a fresh program state with scripted dialogs, shows it
// and waits until it is active, so that keystrokes reach it.

#include "FakeDialoge.h"
#include "Zustand.h"
#include "frmKurvex.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>
#include <utility>
#include <vector>

namespace tk::test {

// The pairs of the typical regression run.
inline const std::vector<std::pair<QString, QString>> FuenfPaare = {
    {QStringLiteral("1"), QStringLiteral("2.1")},
    {QStringLiteral("2"), QStringLiteral("3.9")},
    {QStringLiteral("3"), QStringLiteral("6.2")},
    {QStringLiteral("4"), QStringLiteral("7.8")},
    {QStringLiteral("5"), QStringLiteral("10.1")}};

struct Eingabefenster {
    explicit Eingabefenster(bool prognose = false) {
        z.ModusPrognostik = prognose;
        w = std::make_unique<frmKurvex>(z, d);
        w->show();
        aktiv = QTest::qWaitForWindowActive(w.get());
        warten();
    }

    // Lets deferred focus changes happen.
    static void warten() {
        for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
    }

    static QWidget* fokus() { return QApplication::focusWidget(); }

    // A key pressed in whatever widget has the focus.
    static void druecke(int taste, Qt::KeyboardModifiers mod = Qt::NoModifier) {
        QWidget* f = fokus();
        if (f) QTest::keyClick(f, static_cast<Qt::Key>(taste), mod);
        warten();
    }

    // Types into the focused widget (ASCII only) and presses Enter.
    static void eingeben(const QString& text) {
        QWidget* f = fokus();
        if (f) QTest::keyClicks(f, text);
        druecke(Qt::Key_Return);
    }

    void fokussieren(QWidget* feld) {
        feld->setFocus(Qt::TabFocusReason);
        warten();
    }

    void klicke(QPushButton* k) {
        QTest::mouseClick(k, Qt::LeftButton);
        warten();
    }

    // Title, count, "Anzahl OK" and the pairs, all by keyboard from the title field.
    void datensatzTippen(const QString& titel,
                         const std::vector<std::pair<QString, QString>>& paare) {
        fokussieren(w->Text2());
        eingeben(titel);                         // -> count field
        eingeben(QString::number(paare.size())); // -> "Anzahl OK"
        druecke(Qt::Key_Return);                 // presses it -> X field
        for (const auto& [x, y] : paare) {
            eingeben(x);
            eingeben(y);
        }
    }

    Programmzustand z;
    FakeDialoge d;
    std::unique_ptr<frmKurvex> w;
    bool aktiv = false;
};

} // namespace tk::test
