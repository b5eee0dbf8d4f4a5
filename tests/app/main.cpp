#include "QtTestLauf.h"

QObject* neuDialogeTest();
QObject* neuFensterfolgeTest();

int main(int argc, char* argv[]) {
    return tk::test::qtTestsAusfuehren(argc, argv, {neuDialogeTest, neuFensterfolgeTest});
}
