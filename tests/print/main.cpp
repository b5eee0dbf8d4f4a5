#include "QtTestLauf.h"

QObject* neuSeitenTest();
QObject* neuPdfTest();

int main(int argc, char** argv) {
    return tk::test::qtTestsAusfuehren(argc, argv, {neuSeitenTest, neuPdfTest});
}
