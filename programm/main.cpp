// Trendkurve: fits trend curves to short series of value pairs.

#include "Fensterfolge.h"
#include "QtDialoge.h"
#include "Uebersetzung.h"

#include <QApplication>
#include <QFont>

#include <cstdio>
#include <cstring>

int main(int argc, char* argv[]) {
    // Answered before Qt starts, so it also works without a display.
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("trendkurve %s\n", TK_VERSION);
            return 0;
        }
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
    // A data file given on the command line (as a file manager passes it) is opened
    // in its mode's input window. QApplication has taken its own options out of argv;
    // the bytes of the name are kept as they are.
    std::string datei;
    for (int i = 1; i < argc && datei.empty(); ++i)
        if (argv[i][0] != '-') datei = argv[i];
    folge.starten(datei);
    return QApplication::exec();
}
