#include "entry/Hintergrundlauf.h"

#include <QEventLoop>

#include <chrono>
#include <exception>
#include <thread>
#include <utility>

namespace tk {

namespace {
using Uhr = std::chrono::steady_clock;
}

Hintergrundlauf::Hintergrundlauf(const std::atomic<bool>& abbruch, Rueckmeldungen rueckmeldungen)
    : abbruch_(abbruch), rueckmeldungen_(std::move(rueckmeldungen)) {}

Fortschritt Hintergrundlauf::fortschrittFuer(int fall) {
    // Per search: its start and the seconds last reported. Only the case's own
    // thread touches them.
    struct Suche {
        Uhr::time_point beginn;
        int sekunden = -1;
    };
    auto suche = std::make_shared<Suche>();
    Fortschritt f;
    f.typBeginn = [this, fall, suche](int typ) {
        *suche = {Uhr::now(), -1};
        QMetaObject::invokeMethod(
            this, [this, fall, typ] { rueckmeldungen_.typBeginn(fall, typ); },
            Qt::QueuedConnection);
    };
    f.fortschritt = [this, fall, suche](long) {
        if (imArbeiter) imArbeiter(fall);
        const auto s = static_cast<int>(
            std::chrono::duration_cast<std::chrono::seconds>(Uhr::now() - suche->beginn).count());
        if (s != suche->sekunden) {
            suche->sekunden = s;
            QMetaObject::invokeMethod(
                this, [this, fall, s] { rueckmeldungen_.fortschritt(fall, s); },
                Qt::QueuedConnection);
        }
        return !abbruch_.load(std::memory_order_relaxed);
    };
    return f;
}

void Hintergrundlauf::fallAngekommen(int fall, const FallErgebnis& ergebnis) {
    wartend_[static_cast<std::size_t>(fall)] = ergebnis;
    while (naechsterFall_ < 2 && wartend_[static_cast<std::size_t>(naechsterFall_)]) {
        const int f = naechsterFall_++;
        rueckmeldungen_.fallFertig(f, *wartend_[static_cast<std::size_t>(f)]);
    }
}

Laufergebnis Hintergrundlauf::ausfuehren(const Programmzustand& z) {
    Laufhaken haken;
    haken.fortschritt = {fortschrittFuer(0), fortschrittFuer(1)};
    haken.fallFertig = [this](int fall, const FallErgebnis& e) {
        QMetaObject::invokeMethod(
            this, [this, fall, e] { fallAngekommen(fall, e); }, Qt::QueuedConnection);
    };
    Laufergebnis lauf;
    std::exception_ptr fehler;
    QEventLoop warten;
    std::thread arbeiter([&, kopie = z] {
        try {
            lauf = rechenlauf(kopie, haken);
        } catch (...) {
            fehler = std::current_exception();
        }
        // Posted after every report of the run, so it is handled last.
        QMetaObject::invokeMethod(&warten, &QEventLoop::quit, Qt::QueuedConnection);
    });
    warten.exec();
    arbeiter.join();
    if (fehler) std::rethrow_exception(fehler);
    return lauf;
}

} // namespace tk
