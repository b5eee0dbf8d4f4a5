#pragma once
// All modal questions and file dialogs of the windows go through this interface,
// so that tests can script the user's answers.

#include "calc/Meldungstext.h"

#include <QString>
#include <optional>

namespace tk {

enum class Antwort { OK, Ja, Nein, Abbrechen, Wiederholen };

class Dialoge {
public:
    virtual ~Dialoge() = default;
    // A modal message box; returns the button pressed.
    virtual Antwort meldung(const QString& text, const QString& titel, Knoepfe knoepfe,
                            Symbol symbol) = 0;
    // File dialogs with a filter such as "(*.rgr)|*.rgr"; nullopt = cancelled.
    virtual std::optional<QString> dateiOeffnen(const QString& filter) = 0;
    virtual std::optional<QString> dateiSpeichern(const QString& filter) = 0;
    // A one-line answer to a question, offered with `vorgabe`; nullopt = cancelled.
    virtual std::optional<QString> texteingabe(const QString& frage, const QString& titel,
                                               const QString& vorgabe) = 0;

    Antwort meldung(const Meldungstext& m) {
        return meldung(QString::fromStdString(m.text), QString::fromStdString(m.titel), m.knoepfe,
                       m.symbol);
    }
};

} // namespace tk
