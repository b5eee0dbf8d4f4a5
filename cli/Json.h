#pragma once
// A small JSON writer (compact output, numbers with 17 significant digits, null
// for a value that could not be computed) and the report in that form.

#include "Bericht.h"

#include <optional>
#include <string>
#include <vector>

namespace tk::cli {

class JsonSchreiber {
public:
    JsonSchreiber& objektBeginn();
    JsonSchreiber& objektEnde();
    JsonSchreiber& feldBeginn(const std::string& name); // key of the next value
    JsonSchreiber& listeBeginn();
    JsonSchreiber& listeEnde();
    JsonSchreiber& zahl(double v); // null when not finite
    JsonSchreiber& zahl(const std::optional<double>& v);
    JsonSchreiber& ganz(long long v);
    JsonSchreiber& text(const std::string& t);
    JsonSchreiber& wahr(bool b);
    JsonSchreiber& null();

    template <class T> JsonSchreiber& feld(const std::string& name, const T& wert) {
        feldBeginn(name);
        return wertSchreiben(wert);
    }

    const std::string& ergebnis() const { return aus_; }

private:
    void vorWert();
    JsonSchreiber& wertSchreiben(double v) { return zahl(v); }
    JsonSchreiber& wertSchreiben(const std::optional<double>& v) { return zahl(v); }
    JsonSchreiber& wertSchreiben(int v) { return ganz(v); }
    JsonSchreiber& wertSchreiben(long v) { return ganz(v); }
    JsonSchreiber& wertSchreiben(bool v) { return wahr(v); }
    JsonSchreiber& wertSchreiben(const std::string& v) { return text(v); }
    JsonSchreiber& wertSchreiben(const char* v) { return text(v); }

    std::string aus_;
    std::vector<bool> erstes_; // per open container: no element written yet
    bool nachSchluessel_ = false;
};

// Text of a number with 17 significant digits, "null" when not finite.
std::string jsonZahl(double v);

std::string alsJson(const Bericht& b);

} // namespace tk::cli
