#include "print/QtDrucker.h"

#include "zeichnung/QPainterAusgabe.h"

#include <QFile>
#include <QPainter>
#include <QPrinter>

namespace tk {

QtDrucker::QtDrucker(QPrinter& printer) : printer_(&printer) {}

QtDrucker::QtDrucker(std::unique_ptr<QPrinter> eigener)
    : eigener_(std::move(eigener)), printer_(eigener_.get()) {}

QtDrucker::~QtDrucker() {
    ausgabe_.reset();
    if (painter_ && painter_->isActive()) painter_->end();
}

// Qt reports the paper in whole points; a twip is a twentieth of a point.
double QtDrucker::seitenBreiteTwips() const {
    return printer_->pageLayout().fullRectPoints().width() * 20.0;
}

double QtDrucker::seitenHoeheTwips() const {
    return printer_->pageLayout().fullRectPoints().height() * 20.0;
}

QSizeF QtDrucker::druckbereichMm() const {
    return printer_->pageRect(QPrinter::Millimeter).size();
}

Ausgabe* QtDrucker::seiteBeginnen() {
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(printer_)) {
        painter_.reset();
        return nullptr;
    }
    ausgabe_ = std::make_unique<QPainterAusgabe>(*painter_);
    return ausgabe_.get();
}

void QtDrucker::seiteBeenden() {
    ausgabe_.reset();
    if (painter_) gesendet_ = painter_->end();
    painter_.reset();
}

void QtDrucker::abbrechen() {
    ausgabe_.reset();
    if (!painter_) return;
    const bool abgebrochen = printer_->abort();
    if (painter_->isActive()) painter_->end();
    painter_.reset();
    // A PDF file cannot be aborted; the half page must not stay behind.
    if (!abgebrochen && printer_->outputFormat() == QPrinter::PdfFormat &&
        !printer_->outputFileName().isEmpty())
        QFile::remove(printer_->outputFileName());
}

namespace {
std::unique_ptr<QPrinter> pdfPrinter(const QString& datei, const QPageSize& papier) {
    auto p = std::make_unique<QPrinter>(QPrinter::HighResolution);
    p->setOutputFormat(QPrinter::PdfFormat);
    p->setOutputFileName(datei);
    p->setPageSize(papier);
    p->setPageOrientation(QPageLayout::Portrait);
    return p;
}
} // namespace

PdfDrucker::PdfDrucker(const QString& datei, const QPageSize& papier)
    : QtDrucker(pdfPrinter(datei, papier)) {}

void a4Hochformat(QPrinter& printer) {
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
}

} // namespace tk
