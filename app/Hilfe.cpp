#include "app/Hilfe.h"

#include "app/Besitzer.h"

#include <QAction>
#include <QDialog>
#include <QMainWindow>
#include <QMenuBar>
#include <QTextBrowser>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace tk {

QTextBrowser* anleitungZeigen(QWidget* eltern) {
    // Opened again, the manual comes to the front instead of a second copy.
    auto* fenster = eltern->findChild<QDialog*>(u"anleitung"_s);
    if (!fenster) {
        fenster = new QDialog(eltern);
        fenster->setObjectName(u"anleitung"_s);
        fenster->setWindowTitle(u"Trendkurve : Anleitung"_s);
        auto* text = new QTextBrowser(fenster);
        text->setOpenExternalLinks(false);
        text->setSource(QUrl(u"qrc:/trendkurve/anleitung.html"_s));
        (new QVBoxLayout(fenster))->addWidget(text);
        fenster->resize(720, 640);
    }
    fenster->show();
    fenster->raise();
    fenster->activateWindow();
    return fenster->findChild<QTextBrowser*>();
}

QString ueberText() {
    return programmName() + u" "_s + QStringLiteral(TK_VERSION) +
           u"\n\nTrendkurven an kurze Reihen von Wertepaaren anpassen: neun Regressionsmodelle "
           u"und drei Sättigungskurven der Prognose.\n\n"_s +
           besitzerVermerk() +
           u"\nLizenz: GNU General Public License, Version 3 oder neuer (GPL-3.0-or-later)."_s;
}

void hilfemenueAnbringen(QMainWindow& fenster, Dialoge& dialoge) {
    QMenu* hilfe = fenster.menuBar()->addMenu(u"&Hilfe"_s);
    QAction* anleitung = hilfe->addAction(u"Anleitung"_s);
    anleitung->setObjectName(u"mnuAnleitung"_s);
    anleitung->setShortcut(QKeySequence::HelpContents);
    QObject::connect(anleitung, &QAction::triggered, &fenster,
                     [&fenster] { anleitungZeigen(&fenster); });
    QAction* ueber = hilfe->addAction(u"Über Trendkurve"_s);
    ueber->setObjectName(u"mnuUeber"_s);
    QObject::connect(ueber, &QAction::triggered, &fenster, [&dialoge] {
        dialoge.meldung(ueberText(), u"Über Trendkurve"_s, Knoepfe::OK, Symbol::Keins);
    });
}

} // namespace tk
