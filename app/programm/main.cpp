// Trendkurve: fits trend curves to short series of value pairs.

#include "Fensterfolge.h"
#include "QtDialoge.h"
#include "Uebersetzung.h"

#include <QApplication>
#include <QFont>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Trendkurve"));
    QApplication::setFont(QFont(QStringLiteral("Arial"), 9));
    tk::deutschLaden(app);
    // The window-state machine decides when the program ends.
    QApplication::setQuitOnLastWindowClosed(false);

    tk::QtDialoge dialoge;
    tk::Fensterfolge folge(dialoge);
    QObject::connect(&folge, &tk::Fensterfolge::programmEnde, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    folge.starten();
    return QApplication::exec();
}
