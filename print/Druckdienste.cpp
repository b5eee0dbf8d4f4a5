#include "print/Druckdienste.h"

#include "charts/frmGrafikKurvex.h"
#include "print/Druckseite.h"
#include "print/QtDrucker.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

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
    // The preview only shows the A4 page: it offers no paper or orientation of its
    // own, and its print button takes the way of "Druck" with its paper check.
    QDialog vorschau(&fenster);
    vorschau.setObjectName(QStringLiteral("Druckvorschau"));
    vorschau.setWindowTitle(QStringLiteral("Druckvorschau"));
    auto* seite = new QPrintPreviewWidget(&printer, &vorschau);
    QObject::connect(seite, &QPrintPreviewWidget::paintRequested, &vorschau,
                     [&fenster](QPrinter* p) {
                         QtDrucker drucker(*p);
                         DruckSeite(fenster, drucker);
                     });
    auto* knoepfe = new QDialogButtonBox(&vorschau);
    QPushButton* drucken =
        knoepfe->addButton(QStringLiteral("Drucken ..."), QDialogButtonBox::AcceptRole);
    drucken->setObjectName(QStringLiteral("vorschauDrucken"));
    knoepfe->addButton(QStringLiteral("Schließen"), QDialogButtonBox::RejectRole);
    QObject::connect(knoepfe, &QDialogButtonBox::accepted, &vorschau, &QDialog::accept);
    QObject::connect(knoepfe, &QDialogButtonBox::rejected, &vorschau, &QDialog::reject);
    auto* spalte = new QVBoxLayout(&vorschau);
    spalte->addWidget(seite, 1);
    spalte->addWidget(knoepfe);
    vorschau.resize(700, 900);
    if (vorschau.exec() == QDialog::Accepted) fenster.drucken();
}

} // namespace tk
