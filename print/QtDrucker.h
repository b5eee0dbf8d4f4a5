#pragma once
// The printer behind a QPrinter: a real printer, a PDF file or a preview page.

#include "print/Drucker.h"

#include <QPageSize>
#include <QString>
#include <memory>

class QPainter;
class QPrinter;

namespace tk {

class QPainterAusgabe;

class QtDrucker : public Drucker {
public:
    // Prints on a printer the caller keeps (the print dialog's or the preview's).
    explicit QtDrucker(QPrinter& printer);
    ~QtDrucker() override;

    double seitenBreiteTwips() const override;
    double seitenHoeheTwips() const override;
    QSizeF druckbereichMm() const override;
    Ausgabe* seiteBeginnen() override;
    void seiteBeenden() override;
    void abbrechen() override;

    QPrinter& printer() { return *printer_; }
    bool seiteGesendet() const { return gesendet_; }

protected:
    explicit QtDrucker(std::unique_ptr<QPrinter> eigener);

private:
    std::unique_ptr<QPrinter> eigener_;
    QPrinter* printer_;
    std::unique_ptr<QPainter> painter_;
    std::unique_ptr<QPainterAusgabe> ausgabe_;
    bool gesendet_ = false;
};

// Prints into a PDF file on paper of the given size, without any dialog.
class PdfDrucker : public QtDrucker {
public:
    PdfDrucker(const QString& datei, const QPageSize& papier);
};

// Selects A4 portrait, the paper the printout is laid out for.
void a4Hochformat(QPrinter& printer);

} // namespace tk
