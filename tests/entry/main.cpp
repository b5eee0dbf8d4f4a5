#include "QtTestLauf.h"

QObject* neuEingabeTest();
QObject* neuListeTest();
QObject* neuRechnungTest();
QObject* neuDateiTest();
QObject* neuTextBHilfTest();
QObject* neuWegeTest();

int main(int argc, char* argv[]) {
    return tk::test::qtTestsAusfuehren(argc, argv,
                                       {neuEingabeTest, neuListeTest, neuRechnungTest, neuDateiTest,
                                        neuTextBHilfTest, neuWegeTest});
}
