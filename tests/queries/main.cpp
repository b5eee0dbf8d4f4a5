#include "EinzelPanelTest.h"
#include "QtTestLauf.h"
#include "RegressionPanelTest.h"
#include "SpeicherTest.h"
#include "SummenPanelTest.h"

int main(int argc, char** argv) {
    return tk::test::qtTestsAusfuehren(
        argc, argv,
        {[] { return new RegressionPanelTest; }, [] { return new SummenPanelTest; },
         [] { return new EinzelPanelTest; }, [] { return new SpeicherTest; }});
}
