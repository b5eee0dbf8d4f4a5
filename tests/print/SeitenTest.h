#pragma once
#include <QObject>

// Layout of the page on a recording surface.
class SeitenTest : public QObject {
    Q_OBJECT
private slots:
    void rahmenUndTitel_data();
    void rahmenUndTitel();
    void eingabeTabelle();
    void abfragenNurWennGespeichert_data();
    void abfragenNurWennGespeichert();
    void abfrageTabellenImRahmen_data();
    void abfrageTabellenImRahmen();
    void papierPruefung_data();
    void papierPruefung();
    void grafikImDruckModus();
    void fehlerDrucktNichts();
};
