#include "app/Uebersetzung.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace tk {

bool deutschLaden(QCoreApplication& app) {
    auto uebersetzer = std::make_unique<QTranslator>();
    const QString pfad = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!uebersetzer->load(QStringLiteral("qtbase_de"), pfad)) return false;
    uebersetzer->setParent(&app); // the application owns it from here on
    QCoreApplication::installTranslator(uebersetzer.release());
    return true;
}

} // namespace tk
