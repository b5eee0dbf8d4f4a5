#include "app/Uebersetzung.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace tk {

bool deutschLaden(QCoreApplication& app) {
    auto* uebersetzer = new QTranslator(&app);
    const QString pfad = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!uebersetzer->load(QStringLiteral("qtbase_de"), pfad)) {
        delete uebersetzer;
        return false;
    }
    QCoreApplication::installTranslator(uebersetzer);
    return true;
}

} // namespace tk
