#pragma once
// Writes a chart to a PNG, SVG or PDF file, drawn by the same routine as on screen.

#include "zeichnung/Ausgabe.h"

#include <QSizeF>
#include <QString>
#include <functional>
#include <optional>

namespace tk {

enum class Exportformat { PNG, SVG, PDF };

// The file type named by the path's suffix (case-insensitive); nullopt for others.
std::optional<Exportformat> exportformatFuer(const QString& pfad);

// The filter of the save dialog.
QString exportFilter();

// Draws with `zeichne` on a surface of `groesseMm` and writes it to `pfad` in `format`.
// The target is replaced only when everything succeeded; otherwise a file already
// there stays untouched and no new file is left behind.
struct ExportErgebnis {
    bool geoeffnet = false; // the file could be created
    bool gezeichnet = false;
    bool geschrieben = false;
};
ExportErgebnis exportiereGrafik(const QString& pfad, Exportformat format, QSizeF groesseMm,
                                const std::function<bool(Ausgabe&)>& zeichne);

} // namespace tk
