// Runs the query panel tests; a class name as first argument runs only that class.
#include "EinzelPanelTest.h"
#include "RegressionPanelTest.h"
#include "SpeicherTest.h"
#include "SummenPanelTest.h"

#include <QApplication>
#include <QTest>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QString nur;
    if (argc > 1 && argv[1][0] != '-') {
        nur = QString::fromLocal8Bit(argv[1]);
        --argc;
        ++argv;
    }
    RegressionPanelTest regression;
    SummenPanelTest summen;
    EinzelPanelTest einzel;
    SpeicherTest speicher;
    int fehler = 0;
    for (QObject* t : std::initializer_list<QObject*>{&regression, &summen, &einzel, &speicher})
        if (nur.isEmpty() || nur == QString::fromLatin1(t->metaObject()->className()))
            fehler += QTest::qExec(t, argc, argv);
    return fehler;
}
