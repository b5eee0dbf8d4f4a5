#pragma once
#include <QObject>

class EinzelPanelTest : public QObject {
    Q_OBJECT
private slots:
    void aufbau();
    void band_data();
    void band();
    void xiNichtUnterXid_data();
    void xiNichtUnterXid();
    void xidNichtUeberXi();
    void grenzwertUndBandbreiteOk();
};
