#pragma once
// Scripted stand-in for the message boxes and file dialogs: records every call and
// answers from queues; a dialog that finds no queued answer is listed in `unerwartet`.

#include "app/Dialoge.h"

#include <QMetaType>
#include <QString>
#include <QStringList>
#include <deque>
#include <optional>
#include <vector>

// The answer types as QtTest data columns.
Q_DECLARE_METATYPE(tk::Knoepfe)
Q_DECLARE_METATYPE(tk::Symbol)
Q_DECLARE_METATYPE(tk::Antwort)

namespace tk::test {

struct Aufruf {
    enum class Art { Meldung, Oeffnen, Speichern, Eingabe } art;
    QString text; // prompt, or the filter of a file dialog
    QString titel;
    Knoepfe knoepfe = Knoepfe::OK;
    Symbol symbol = Symbol::Keins;
};

class FakeDialoge : public Dialoge {
public:
    // Queue an answer for the next message box / file dialog (nullopt = cancel).
    void antworte(Antwort a) { antworten_.push_back(a); }
    // A null QString stands for a cancelled dialog inside the queue.
    void waehleDatei(const std::optional<QString>& pfad) {
        dateien_.push_back(pfad ? *pfad : QString());
    }

    // The next one-line answer (nullopt = cancel).
    void tippeAntwort(const std::optional<QString>& text) {
        eingaben_.push_back(text ? *text : QString());
    }

    Antwort meldung(const QString& text, const QString& titel, Knoepfe knoepfe,
                    Symbol symbol) override {
        aufrufe.push_back({Aufruf::Art::Meldung, text, titel, knoepfe, symbol});
        if (antworten_.empty()) {
            // A single-button box can only be answered one way.
            if (knoepfe == Knoepfe::OK) return Antwort::OK;
            unerwartet.push_back(text);
            return Antwort::Abbrechen;
        }
        Antwort a = antworten_.front();
        antworten_.pop_front();
        return a;
    }
    std::optional<QString> dateiOeffnen(const QString& filter) override {
        return datei(Aufruf::Art::Oeffnen, filter);
    }
    std::optional<QString> dateiSpeichern(const QString& filter) override {
        return datei(Aufruf::Art::Speichern, filter);
    }

    std::optional<QString> texteingabe(const QString& frage, const QString& titel,
                                       const QString&) override {
        aufrufe.push_back({Aufruf::Art::Eingabe, frage, titel, Knoepfe::OK, Symbol::Frage});
        return aus(eingaben_, frage);
    }

    std::vector<Aufruf> aufrufe;
    QStringList unerwartet; // dialogs that found no queued answer
    std::vector<Aufruf> meldungen() const {
        std::vector<Aufruf> m;
        for (const auto& a : aufrufe)
            if (a.art == Aufruf::Art::Meldung) m.push_back(a);
        return m;
    }
    void leeren() {
        aufrufe.clear();
        unerwartet.clear();
        antworten_.clear();
        dateien_.clear();
        eingaben_.clear();
    }

private:
    std::optional<QString> datei(Aufruf::Art art, const QString& filter) {
        aufrufe.push_back({art, filter, {}, Knoepfe::OK, Symbol::Keins});
        return aus(dateien_, QStringLiteral("Dateidialog ") + filter);
    }
    std::optional<QString> aus(std::deque<QString>& schlange, const QString& wofuer) {
        if (schlange.empty()) {
            unerwartet.push_back(wofuer);
            return std::nullopt;
        }
        const QString p = schlange.front();
        schlange.pop_front();
        if (p.isNull()) return std::nullopt;
        return p;
    }

    std::deque<Antwort> antworten_;
    std::deque<QString> dateien_, eingaben_;
};

} // namespace tk::test
