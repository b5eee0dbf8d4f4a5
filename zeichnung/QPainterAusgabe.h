#pragma once
// The output surface on any QPaintDevice: the picture box's image, a printer page, an
// SVG or PDF file. User coordinates are mapped to device pixels here (not through the
// painter's transform), so text stays upright under the y-up system.

#include "zeichnung/Ausgabe.h"

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QRectF>
#include <memory>

class QPainter;
class QPaintDevice;

namespace tk {

class QPainterAusgabe : public Ausgabe {
public:
    // Paints with its own painter on `geraet` until destroyed.
    explicit QPainterAusgabe(QPaintDevice& geraet);
    // Paints `zoom` times the natural size (lines, pens and fonts alike) into `feld`,
    // in the device's device-independent pixels. The surface reports the field's size
    // divided by the zoom, so a chart lays itself out as on a smaller surface.
    QPainterAusgabe(QPaintDevice& geraet, double zoom, const QRectF& feld);
    // Paints with a painter the caller has begun (for instance on a printer page that
    // the caller also draws on). The painter must outlive this surface.
    explicit QPainterAusgabe(QPainter& painter);
    ~QPainterAusgabe() override;

    QPainterAusgabe(const QPainterAusgabe&) = delete;
    QPainterAusgabe& operator=(const QPainterAusgabe&) = delete;

    static QColor farbwert(Farbe farbe);
    // The font a Schrift stands for on this machine.
    static QFont qtSchrift(const Schrift& schrift);

    double breiteMm() const override;
    double hoeheMm() const override;
    void setzeKoordinaten(double links, double oben, double rechts, double unten) override;
    void koordinatenZuruecksetzen() override;
    void loeschen() override;
    void setzePosition(double x, double y) override;
    double positionX() const override { return x_; }
    double positionY() const override { return y_; }
    void punkt(double x, double y) override;
    void linieZu(double x, double y) override;
    void kreis(double x, double y, double radius, Farbe farbe) override;
    void flaeche(const std::vector<std::pair<double, double>>& polygon, Farbe farbe) override;
    void setzeFarbe(Farbe farbe) override { farbe_ = farbe; }
    Farbe farbe() const override { return farbe_; }
    void setzeLinienbreite(int breite) override { breite_ = breite; }
    int linienbreite() const override { return breite_; }
    void setzeLinienstil(Linienstil stil) override { stil_ = stil; }
    Linienstil linienstil() const override { return stil_; }
    void setzeSchrift(const Schrift& schrift) override;
    Schrift schrift() const override { return schrift_; }
    void drucke(const QString& text) override;
    double textBreite(const QString& text) const override;
    double textHoehe(const QString& text) const override;

private:
    QPointF geraetPunkt(double x, double y) const;
    double breitePx() const;
    double hoehePx() const;
    double pixelJeMmX() const;
    double pixelJeMmY() const;
    void einrichten();
    void setzeStift(Farbe farbe);
    QString sichtbarerText(const QString& text) const;

    std::unique_ptr<QPainter> eigener_;
    QPainter* painter_;
    QPaintDevice* geraet_;
    double zoom_ = 1;
    QRectF feld_; // empty: the whole device
    double links_ = 0, oben_ = 0, rechts_ = 1, unten_ = 1;
    double x_ = 0, y_ = 0;
    Farbe farbe_ = Farbe::Schwarz;
    int breite_ = 1;
    Linienstil stil_ = Linienstil::Durchgezogen;
    Schrift schrift_;
    QFont font_;
};

} // namespace tk
