#include "QtTestLauf.h"

QObject* neuRegressionPanelTest();
QObject* neuSummenPanelTest();
QObject* neuEinzelPanelTest();
QObject* neuSpeicherTest();

int main(int argc, char** argv) {
    return tk::test::qtTestsAusfuehren(
        argc, argv,
        {neuRegressionPanelTest, neuSummenPanelTest, neuEinzelPanelTest, neuSpeicherTest});
}
