#pragma once
// The program's message boxes and file dialogs: QMessageBox with German buttons and
// QFileDialog, started in the folder used last.

#include "app/Dialoge.h"

#include <QString>

class QWidget;

namespace tk {

// "(*.rgr)|*.rgr" (description|pattern pairs) -> "(*.rgr)" (Qt's ";;"-separated form).
QString qtFilter(const QString& filter);

class QtDialoge : public Dialoge {
public:
    Antwort meldung(const QString& text, const QString& titel, Knoepfe knoepfe,
                    Symbol symbol) override;
    std::optional<QString> dateiOeffnen(const QString& filter) override;
    std::optional<QString> dateiSpeichern(const QString& filter) override;
    std::optional<QString> texteingabe(const QString& frage, const QString& titel,
                                       const QString& vorgabe) override;

private:
    std::optional<QString> datei(const QString& filter, bool speichern);
    QString ordner_;
};

} // namespace tk
