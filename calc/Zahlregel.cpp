#include "calc/Zahlregel.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace tk {

namespace {

bool ziffer(char c) {
    return c >= '0' && c <= '9';
}

// Length of the thousands separator at the start of t, 0 when there is none. The
// other one of '.' and ',' only counts where it is not the decimal separator.
std::size_t gruppentrenner(std::string_view t, char dezimal) {
    if (t.empty()) return 0;
    const char c = t.front();
    if (c == ' ' || c == '\'' || ((c == '.' || c == ',') && c != dezimal)) return 1;
    if (t.starts_with("\xC2\xA0")) return 2;     // no-break blank
    if (t.starts_with("\xE2\x80\xAF")) return 3; // narrow no-break blank
    return 0;
}

std::string_view ohneRand(std::string_view t) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!t.empty() && blank(t.front())) t.remove_prefix(1);
    while (!t.empty() && blank(t.back())) t.remove_suffix(1);
    return t;
}

// The digits before the decimal separator, without their thousands separators;
// false when groups are not of three or two kinds of separator are mixed.
bool ganzerTeil(std::string_view& t, char dezimal, std::string& ziffern) {
    std::string_view trenner;
    std::size_t gruppe = 0;
    while (!t.empty()) {
        if (ziffer(t.front())) {
            ziffern += t.front();
            ++gruppe;
            t.remove_prefix(1);
            continue;
        }
        const std::size_t n = gruppentrenner(t, dezimal);
        if (n == 0) break;
        const bool erste = trenner.empty();
        if (!erste && t.substr(0, n) != trenner) return false;
        // the first group has one to three digits and no leading zero, every other three
        if (erste ? (gruppe < 1 || gruppe > 3 || ziffern.front() == '0') : gruppe != 3)
            return false;
        trenner = t.substr(0, n);
        t.remove_prefix(n);
        gruppe = 0;
    }
    return trenner.empty() || gruppe == 3;
}

} // namespace

std::optional<double> zahlLesen(std::string_view zelle, Dezimalzeichen dezimal) {
    const char d = dezimal == Dezimalzeichen::Punkt ? '.' : ',';
    std::string_view t = ohneRand(zelle);
    std::string text;
    if (!t.empty() && (t.front() == '+' || t.front() == '-')) {
        if (t.front() == '-') text += '-';
        t.remove_prefix(1);
    }
    std::string ziffern;
    if (!ganzerTeil(t, d, ziffern)) return std::nullopt;
    text += ziffern;
    bool hatZiffer = !ziffern.empty();
    if (!t.empty() && t.front() == d) {
        text += '.';
        t.remove_prefix(1);
        for (; !t.empty() && ziffer(t.front()); t.remove_prefix(1), hatZiffer = true)
            text += t.front();
    }
    if (!hatZiffer) return std::nullopt;
    if (!t.empty() && (t.front() == 'e' || t.front() == 'E')) {
        text += 'e';
        t.remove_prefix(1);
        if (!t.empty() && (t.front() == '+' || t.front() == '-')) {
            text += t.front();
            t.remove_prefix(1);
        }
        if (t.empty() || !ziffer(t.front())) return std::nullopt;
        for (; !t.empty() && ziffer(t.front()); t.remove_prefix(1)) text += t.front();
    }
    if (!t.empty()) return std::nullopt;
    double wert = 0;
    const auto [ende, ec] = std::from_chars(text.data(), text.data() + text.size(), wert);
    if (ec != std::errc() || ende != text.data() + text.size() || !std::isfinite(wert))
        return std::nullopt;
    return wert;
}

std::optional<double> zahlAusEingabe(std::string_view text) {
    const std::size_t punkt = text.rfind('.'), komma = text.rfind(',');
    const auto anzahl = [&](char c) { return std::count(text.begin(), text.end(), c); };
    Dezimalzeichen d = Dezimalzeichen::Punkt;
    if (punkt != std::string_view::npos && komma != std::string_view::npos)
        d = komma > punkt ? Dezimalzeichen::Komma : Dezimalzeichen::Punkt;
    else if (komma != std::string_view::npos)
        d = anzahl(',') > 1 ? Dezimalzeichen::Punkt : Dezimalzeichen::Komma;
    else if (punkt != std::string_view::npos && anzahl('.') > 1)
        d = Dezimalzeichen::Komma;
    return zahlLesen(text, d);
}

Dezimalentscheid dezimalzeichenFuer(const std::vector<std::string_view>& zellen) {
    Dezimalentscheid e;
    std::optional<std::size_t> mehrdeutig;
    for (std::size_t i = 0; i < zellen.size(); ++i) {
        const auto p = zahlLesen(zellen[i], Dezimalzeichen::Punkt);
        const auto k = zahlLesen(zellen[i], Dezimalzeichen::Komma);
        if (p && k) {
            if (*p != *k && !mehrdeutig) mehrdeutig = i;
            continue;
        }
        if (!p && !k) continue;
        const Dezimalzeichen stimme = p ? Dezimalzeichen::Punkt : Dezimalzeichen::Komma;
        if (e.zeichen && *e.zeichen != stimme) return {std::nullopt, false, i};
        e.zeichen = stimme;
    }
    if (!e.zeichen && mehrdeutig) return {std::nullopt, true, *mehrdeutig};
    if (!e.zeichen) e.zeichen = Dezimalzeichen::Punkt; // no cell has a separator
    return e;
}

} // namespace tk
