#pragma once
// Loads Qt's German translation so that standard dialogs speak German on any locale.

class QCoreApplication;

namespace tk {

// Installs qtbase_de.qm from Qt's translation directory; false when it is missing
// (the message boxes still carry German button texts of their own).
bool deutschLaden(QCoreApplication& app);

} // namespace tk
