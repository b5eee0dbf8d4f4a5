#pragma once
#include <QObject>

class RegressionPanelTest : public QObject {
    Q_OBJECT
private slots:
    void oeffnetMitErstemPunkt();
    void xFeld_data();
    void xFeld();
    void yFeld_data();
    void yFeld();
    void leeresErgebnis();
    void pfeiltastenWandern();
};
