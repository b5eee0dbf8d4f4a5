#pragma once
// A printer that records the page instead of printing it.

#include "print/Drucker.h"
#include "tests/support/AufzeichnungsAusgabe.h"

#include <memory>

namespace tk::test {

class AufzeichnungsDrucker : public Drucker {
public:
    AufzeichnungsDrucker(double breiteTwips, double hoeheTwips, QSizeF bereichMm)
        : breite_(breiteTwips), hoehe_(hoeheTwips), bereich_(bereichMm) {}

    double seitenBreiteTwips() const override { return breite_; }
    double seitenHoeheTwips() const override { return hoehe_; }
    QSizeF druckbereichMm() const override { return bereich_; }
    Ausgabe* seiteBeginnen() override {
        ++begonnen;
        seite = std::make_unique<AufzeichnungsAusgabe>(bereich_.width(), bereich_.height());
        return seite.get();
    }
    void seiteBeenden() override { ++beendet; }
    void abbrechen() override { ++abgebrochen; }

    std::unique_ptr<AufzeichnungsAusgabe> seite;
    int begonnen = 0, beendet = 0, abgebrochen = 0;

private:
    double breite_, hoehe_;
    QSizeF bereich_;
};

} // namespace tk::test
