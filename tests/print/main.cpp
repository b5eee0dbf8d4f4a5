#include "QtTestLauf.h"

QObject* neuDruckTest();

int main(int argc, char** argv) {
    return tk::test::qtTestsAusfuehren(argc, argv, {neuDruckTest});
}
