#include "GrafikAnsicht.h"

#include "frmGrafikKurvex.h"

#include <QAction>
#include <QActionGroup>
#include <QMenuBar>

namespace tk {

void ansichtmenueAnbringen(frmGrafikKurvex& w) {
    QMenu* ansicht = w.menuBar()->addMenu(QStringLiteral("Ansicht"));
    ansicht->setObjectName(QStringLiteral("mnuAnsicht"));
    auto* gruppe = new QActionGroup(ansicht); // one view at a time
    const auto eintrag = [&](const char* name, const QString& text, bool original) {
        QAction* a = ansicht->addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        a->setCheckable(true);
        a->setChecked(w.grafik().Originalmassstab == original);
        gruppe->addAction(a);
        QObject::connect(a, &QAction::triggered, &w, [&w, original] {
            if (w.grafik().Originalmassstab == original) return;
            w.grafik().Originalmassstab = original;
            w.zeichnen();
        });
    };
    eintrag("mnuLinearisiert", QStringLiteral("Linearisierte Darstellung"), false);
    eintrag("mnuOriginal", QStringLiteral("Originalmaßstab"), true);
}

} // namespace tk
