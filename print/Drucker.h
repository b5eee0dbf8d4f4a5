#pragma once
// The printer as the printout sees it: the paper size in twips (1/1440 inch), the
// printable area, and one page at a time drawn on an output surface.

#include <QSizeF>

namespace tk {

class Ausgabe;

class Drucker {
public:
    virtual ~Drucker() = default;

    // Paper size in twips (whole page, portrait or landscape as set).
    virtual double seitenBreiteTwips() const = 0;
    virtual double seitenHoeheTwips() const = 0;
    // Size of the printable area in millimetres.
    virtual QSizeF druckbereichMm() const = 0;

    // Starts the page: a surface whose default coordinates are millimetres from the
    // top-left corner of the printable area, y down. nullptr when the printer fails.
    virtual Ausgabe* seiteBeginnen() = 0;
    // Ends the page and sends the document to the printer.
    virtual void seiteBeenden() = 0;
    // Drops the page begun, so that nothing is printed.
    virtual void abbrechen() = 0;
};

} // namespace tk
