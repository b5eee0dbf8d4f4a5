#include "QtTestLauf.h"

QObject* neuMeldungenTest();
QObject* neuQtDialogeTest();
QObject* neuStartTest();
QObject* neuFensterfolgeTest();

int main(int argc, char* argv[]) {
    return tk::test::qtTestsAusfuehren(
        argc, argv, {neuMeldungenTest, neuQtDialogeTest, neuStartTest, neuFensterfolgeTest});
}
