#pragma once
#include <QObject>

class SummenPanelTest : public QObject {
    Q_OBJECT
private slots:
    void oeffnetMitHundertProzent();
    void unendlichUnberuehrt();
    void xFeld_data();
    void xFeld();
    void anteilFeld_data();
    void anteilFeld();
    void kFeld_data();
    void kFeld();
    void grenzenJenseitsDerBeobachtung();
    void kAnDerSaettigungMeldetEinmal();
};
