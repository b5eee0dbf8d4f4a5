#include "QtTestLauf.h"

QObject* neuRechnungTest();
QObject* neuDateiTest();
QObject* neuWegeTest();
QObject* neuEinfuegenTest();

int main(int argc, char* argv[]) {
    return tk::test::qtTestsAusfuehren(
        argc, argv, {neuRechnungTest, neuDateiTest, neuWegeTest, neuEinfuegenTest});
}
