#include "charts/GrafikAnsicht.h"

#include "charts/frmGrafikKurvex.h"

#include <QAction>
#include <QActionGroup>
#include <QMenuBar>

namespace tk {

void ansichtmenueAnbringen(frmGrafikKurvex& w) {
    QMenu* ansicht = w.menuBar()->addMenu(QStringLiteral("Ansicht"));
    ansicht->setObjectName(QStringLiteral("mnuAnsicht"));
    auto* gruppe = new QActionGroup(ansicht); // one view at a time
    const auto eintrag = [&](const char* name, const QString& text, bool original, bool kq) {
        QAction* a = ansicht->addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        a->setCheckable(true);
        a->setChecked(w.grafik().Originalmassstab == original && w.grafik().KleinsteQuadrate == kq);
        gruppe->addAction(a);
        QObject::connect(a, &QAction::triggered, &w, [&w, original, kq] {
            GrafikZustand& g = w.grafik();
            if (g.Originalmassstab == original && g.KleinsteQuadrate == kq) return;
            g.Originalmassstab = original;
            g.KleinsteQuadrate = kq;
            w.zeichnen();
        });
    };
    eintrag("mnuLinearisiert", QStringLiteral("Linearisierte Darstellung"), false, false);
    eintrag("mnuOriginal", QStringLiteral("Originalmaßstab"), true, false);
    // the same view with the least-squares curve and its bands
    eintrag("mnuKleinsteQuadrate", QStringLiteral("Kleinste Quadrate"), true, true);
}

} // namespace tk
