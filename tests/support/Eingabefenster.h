#pragma once
// Builds an input window on a fresh program state with scripted dialogs, shows it
// and waits until it is active, so that keystrokes reach it; types data sets into
// any input window by keyboard.

#include "calc/Zustand.h"
#include "entry/frmKurvex.h"
#include "tests/support/FakeDialoge.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <memory>
#include <utility>
#include <vector>

namespace tk::test {

using Textpaare = std::vector<std::pair<QString, QString>>;

// The pairs of the typical regression run.
inline const Textpaare FuenfPaare = {{QStringLiteral("1"), QStringLiteral("2.1")},
                                     {QStringLiteral("2"), QStringLiteral("3.9")},
                                     {QStringLiteral("3"), QStringLiteral("6.2")},
                                     {QStringLiteral("4"), QStringLiteral("7.8")},
                                     {QStringLiteral("5"), QStringLiteral("10.1")}};

// A logistic growth series: the Summenwerte search needs about a thousand steps.
inline Textpaare logistischePaare() {
    Textpaare p;
    for (int x = 1; x <= 8; ++x)
        p.emplace_back(QString::number(x),
                       QString::number(100 / (1 + std::exp(-(x - 5.0))), 'f', 6));
    return p;
}

// Lets deferred focus changes happen.
inline void warten() {
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

inline QWidget* fokus() {
    return QApplication::focusWidget();
}

// A key pressed in whatever widget has the focus.
inline void druecke(int taste, Qt::KeyboardModifiers mod = Qt::NoModifier) {
    if (QWidget* f = fokus()) QTest::keyClick(f, static_cast<Qt::Key>(taste), mod);
    warten();
}

// Types into the focused widget (ASCII only) and presses Enter.
inline void eingeben(const QString& text) {
    if (QWidget* f = fokus()) QTest::keyClicks(f, text);
    druecke(Qt::Key_Return);
}

// Title, count, "Anzahl OK" and the pairs, all by keyboard from the title field.
inline void datensatzTippen(frmKurvex& w, const QString& titel, const Textpaare& paare) {
    w.Text2()->setFocus(Qt::TabFocusReason);
    warten();
    eingeben(titel);                         // -> count field
    eingeben(QString::number(paare.size())); // -> "Anzahl OK"
    druecke(Qt::Key_Return);                 // presses it -> X field
    for (const auto& [x, y] : paare) {
        eingeben(x);
        eingeben(y);
    }
}

struct Eingabefenster {
    explicit Eingabefenster(bool prognose = false) {
        z.ModusPrognostik = prognose;
        w = std::make_unique<frmKurvex>(z, d);
        w->einstellungen = &einstellungen;
        w->show();
        aktiv = QTest::qWaitForWindowActive(w.get());
        warten();
    }

    void fokussieren(QWidget* feld) {
        feld->setFocus(Qt::TabFocusReason);
        warten();
    }
    void klicke(QPushButton* k) {
        QTest::mouseClick(k, Qt::LeftButton);
        warten();
    }
    void datensatzTippen(const QString& titel, const Textpaare& paare) {
        test::datensatzTippen(*w, titel, paare);
    }

    Programmzustand z;
    FakeDialoge d;
    QTemporaryDir ordner;
    QSettings einstellungen{ordner.filePath(QStringLiteral("tk.ini")), QSettings::IniFormat};
    std::unique_ptr<frmKurvex> w;
    bool aktiv = false;
};

} // namespace tk::test
