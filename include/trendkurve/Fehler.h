#pragma once
// Errors of the Trendkurve library: every function that cannot deliver throws
// trendkurve::Fehler, which carries the program's error code and its German message,
// the same pair the command line writes as {"code", "text"}.

#include <stdexcept>
#include <string>

#if defined(TRENDKURVE_BAUEN)
#define TRENDKURVE_API __attribute__((visibility("default")))
#else
#define TRENDKURVE_API
#endif

namespace trendkurve {

// Codes used here: 5 an argument outside what the calculation accepts (a query value
// the query panel would refuse), 53 file not found, 57 input/output error, 62 an unusable
// data set (fewer than 4 or more than 21 pairs, a value that is not a finite number,
// unequal lengths, a damaged file), 76 path not found.
class TRENDKURVE_API Fehler : public std::runtime_error {
public:
    Fehler(int code, const std::string& text) : std::runtime_error(text), code_(code) {}
    int code() const noexcept { return code_; }
    std::string text() const { return what(); } // German, as the program shows it

private:
    int code_;
};

} // namespace trendkurve
