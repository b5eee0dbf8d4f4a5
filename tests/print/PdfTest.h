#pragma once
#include <QObject>
#include <QTemporaryDir>

// The page of the real chart window printed into PDF files.
class PdfTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void seiteJeModus_data();
    void seiteJeModus();
    void letterWirdAbgelehnt();
    void grafikFehlerDrucktNichts();
    void abgebrocheneSeiteBleibtNicht();
    void vorschauZeigtDieSeite();

private:
    QTemporaryDir ordner_;
};
