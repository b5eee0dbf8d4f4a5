#pragma once
// Program name and owner notice shown on the start and input windows.

#include <QChar>
#include <QString>

namespace tk {

inline QString programmName() {
    return QStringLiteral("Trendkurve");
}

// The copyright sign directly followed by the owner notice line.
inline QString besitzerVermerk() {
    return QString(QChar(169)) + QStringLiteral(" Trendkurve");
}

} // namespace tk
