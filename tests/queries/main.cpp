#include "QtTestLauf.h"

QObject* neuAbfrageTest();

int main(int argc, char** argv) {
    return tk::test::qtTestsAusfuehren(argc, argv, {neuAbfrageTest});
}
