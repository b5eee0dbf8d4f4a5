// Trendkurve: fits trend curves to short series of value pairs.

#include "app/QtDialoge.h"
#include "app/Uebersetzung.h"
#include "programm/Bildexport.h"
#include "programm/Fensterfolge.h"
#include "programm/Startoptionen.h"

#include <QApplication>
#include <QFont>
#include <QSettings>

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

int main(int argc, char* argv[]) {
    const std::vector<std::string> argumente(argv + 1, argv + argc);
    if (tk::exportGewuenscht(argumente)) {
        // Report scripts run without a display.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        // Only our own messages reach stderr: a script reads them.
        qInstallMessageHandler([](QtMsgType art, const QMessageLogContext&, const QString& text) {
            if (art == QtCriticalMsg || art == QtFatalMsg)
                std::fprintf(stderr, "%s\n", qPrintable(text));
        });
        QApplication app(argc, argv);
        QApplication::setFont(QFont(QStringLiteral("Arial"), 9));
        return tk::bildExportieren(argumente, std::cerr);
    }
    // Answered before Qt starts, so it also works without a display. The bytes of a
    // file name are kept as they are.
    const tk::Startoptionen optionen = tk::startoptionen(argumente);
    switch (optionen.art) {
    case tk::Startoptionen::Art::Hilfe:
        std::fputs(tk::aufrufHilfe().c_str(), stdout);
        return 0;
    case tk::Startoptionen::Art::Version:
        std::printf("trendkurve %s\n", TK_VERSION);
        return 0;
    case tk::Startoptionen::Art::Fehler:
        std::fprintf(stderr, "trendkurve: %s\n\n%s", optionen.meldung.c_str(),
                     tk::aufrufHilfe().c_str());
        return 2;
    case tk::Startoptionen::Art::Start:
        break;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Trendkurve"));
    QApplication::setFont(QFont(QStringLiteral("Arial"), 9));
    tk::deutschLaden(app);
    // The window-state machine decides when the program ends.
    QApplication::setQuitOnLastWindowClosed(false);

    tk::QtDialoge dialoge;
    QSettings einstellungen(QStringLiteral("Trendkurve"), QStringLiteral("trendkurve"));
    tk::Fensterfolge folge(dialoge, &einstellungen);
    QObject::connect(&folge, &tk::Fensterfolge::programmEnde, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    // A data file given on the command line (as a file manager passes it) is opened
    // in its mode's input window.
    folge.starten(optionen.datei);
    return QApplication::exec();
}
