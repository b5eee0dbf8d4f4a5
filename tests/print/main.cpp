#include "PdfTest.h"
#include "QtTestLauf.h"
#include "SeitenTest.h"

int main(int argc, char** argv) {
    return tk::test::qtTestsAusfuehren(argc, argv,
                                       {[] { return new SeitenTest; }, [] { return new PdfTest; }});
}
