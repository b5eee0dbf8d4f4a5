#include "tests/support/QtTestLauf.h"

int main(int argc, char** argv) {
    return tk::test::qtTestsAusfuehren(argc, argv, tk::test::angemeldeteTests());
}
