#pragma once
// Runs the calculation of a data set on a worker thread with its own copy of the
// state. The caller waits in a local event loop, so the window stays alive; the
// worker's reports reach the caller as posted calls on the caller's thread.

#include "calc/Rechenlauf.h"

#include <QObject>

#include <array>
#include <atomic>
#include <functional>
#include <optional>

namespace tk {

class Hintergrundlauf : public QObject {
public:
    // Reports on the caller's thread. `fortschritt` comes at the first report of each
    // search and whenever the search's whole seconds change; `fallFertig` comes in
    // case order (Summenwerte first), also when the cases end the other way round.
    struct Rueckmeldungen {
        std::function<void(int fall, int typ)> typBeginn;
        std::function<void(int fall, int sekunden)> fortschritt;
        std::function<void(int fall, const FallErgebnis& ergebnis)> fallFertig;
    };

    // `abbruch` is read by the worker at every progress report; true stops it.
    Hintergrundlauf(const std::atomic<bool>& abbruch, Rueckmeldungen rueckmeldungen);

    // Called on the worker thread at every progress report (for tests that need a slow
    // search).
    std::function<void(int fall)> imArbeiter;

    // Runs and waits for the end; an unexpected failure of the worker is rethrown here.
    Laufergebnis ausfuehren(const Programmzustand& z);

private:
    Fortschritt fortschrittFuer(int fall);
    void fallAngekommen(int fall, const FallErgebnis& ergebnis);

    const std::atomic<bool>& abbruch_;
    Rueckmeldungen rueckmeldungen_;
    std::array<std::optional<FallErgebnis>, 2> wartend_;
    int naechsterFall_ = 0;
};

} // namespace tk
