#pragma once
#include <QObject>

class SpeicherTest : public QObject {
    Q_OBJECT
private slots:
    void grenzeUndRueckfrage_data();
    void grenzeUndRueckfrage();
    void zeichnetNurInPrognose_data();
    void zeichnetNurInPrognose();
    void speichertFeldwerte();
};
