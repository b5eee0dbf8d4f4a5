// Trendkurve: fits trend curves to short series of value pairs.

#include "Bildexport.h"
#include "Fensterfolge.h"
#include "QtDialoge.h"
#include "Uebersetzung.h"

#include <QApplication>
#include <QFont>

#include <cstdio>
#include <cstring>
#include <iostream>

int main(int argc, char* argv[]) {
    // Answered before Qt starts, so it also works without a display.
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("trendkurve %s\n", TK_VERSION);
            return 0;
        }
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
