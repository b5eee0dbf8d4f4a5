#include "Druckdienste.h"

#include "Druckseite.h"
#include "QtDrucker.h"
#include "frmGrafikKurvex.h"

#include <QDir>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

namespace tk {

namespace {
void vorbereiten(QPrinter& printer) {
    a4Hochformat(printer);
    printer.setDocName(QStringLiteral("Trendkurve"));
    // No printer installed: the page goes into a PDF file.
    if (QPrinterInfo::availablePrinters().isEmpty()) printer.setOutputFormat(QPrinter::PdfFormat);
}

QString standardPdf() {
    QString ordner = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (ordner.isEmpty() || !QDir(ordner).exists()) ordner = QDir::homePath();
    return QDir(ordner).filePath(QStringLiteral("Trendkurve.pdf"));
}
} // namespace

void druckenMitDialog(frmGrafikKurvex& fenster) {
    QPrinter printer(QPrinter::HighResolution);
    vorbereiten(printer);
    if (printer.outputFormat() == QPrinter::PdfFormat && printer.outputFileName().isEmpty())
        printer.setOutputFileName(standardPdf());
    QPrintDialog dialog(&printer, &fenster);
    dialog.setWindowTitle(QStringLiteral("Drucken"));
    if (dialog.exec() != QDialog::Accepted) return;
    if (printer.outputFormat() == QPrinter::PdfFormat && printer.outputFileName().isEmpty())
        printer.setOutputFileName(standardPdf());
    QtDrucker drucker(printer);
    Druck(fenster, drucker);
}

void vorschauZeigen(frmGrafikKurvex& fenster) {
    QPrinter printer(QPrinter::HighResolution);
    vorbereiten(printer);
    {
        // Checked once here: message boxes must not open while the preview paints.
        const QtDrucker pruefung(printer);
        if (!PapierA4(fenster.dialoge(), pruefung)) return;
    }
    QPrintPreviewDialog vorschau(&printer, &fenster);
    vorschau.setWindowTitle(QStringLiteral("Druckvorschau"));
    QObject::connect(&vorschau, &QPrintPreviewDialog::paintRequested, &vorschau,
                     [&fenster](QPrinter* seite) {
                         QtDrucker drucker(*seite);
                         DruckSeite(fenster, drucker);
                     });
    vorschau.exec();
}

} // namespace tk
