#include "QtTestLauf.h"

QObject* neuRechnungTest();
QObject* neuDateiTest();
QObject* neuTextBHilfTest();
QObject* neuWegeTest();

int main(int argc, char* argv[]) {
    return tk::test::qtTestsAusfuehren(
        argc, argv, {neuRechnungTest, neuDateiTest, neuTextBHilfTest, neuWegeTest});
}
