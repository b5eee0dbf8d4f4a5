#pragma once
// A small JSON reader for the tests: keeps the order of object keys and refuses
// what is not JSON (NaN, inf, trailing commas or text) by throwing.

#include <cstdlib>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace tk::test {

struct JsonWert {
    enum class Art { Null, Bool, Zahl, Text, Liste, Objekt } art = Art::Null;
    bool wahr = false;
    double zahl = 0;
    std::string text;
    std::vector<JsonWert> liste;
    std::vector<std::pair<std::string, JsonWert>> objekt;

    std::vector<std::string> schluessel() const {
        std::vector<std::string> s;
        for (const auto& [k, v] : objekt) s.push_back(k);
        return s;
    }
    const JsonWert& operator[](const std::string& k) const {
        for (const auto& [name, v] : objekt)
            if (name == k) return v;
        throw std::out_of_range("no key " + k);
    }
    bool istNull() const { return art == Art::Null; }
};

class JsonLeser {
public:
    static JsonWert lies(const std::string& text) {
        JsonLeser l(text);
        JsonWert w = l.wert();
        if (l.naechstes() != '\0') l.fehler();
        return w;
    }

private:
    explicit JsonLeser(const std::string& text) : t(text) {}
    const std::string& t;
    std::size_t pos = 0;

    [[noreturn]] void fehler() const {
        throw std::runtime_error("JSON error at " + std::to_string(pos));
    }
    // The next character after blanks, not consumed; '\0' at the end.
    char naechstes() {
        while (pos < t.size() && std::string(" \t\r\n").find(t[pos]) != std::string::npos) ++pos;
        return pos < t.size() ? t[pos] : '\0';
    }
    void erwarte(char c) {
        if (naechstes() != c) fehler();
        ++pos;
    }
    bool wort(const std::string& w) {
        if (t.compare(pos, w.size(), w) != 0) return false;
        pos += w.size();
        return true;
    }
    // Reads a list or object body up to `ende`, calling `element` for each entry.
    template <typename F> void folge(char ende, F element) {
        ++pos;
        if (naechstes() == ende) return void(++pos);
        for (element(); naechstes() == ','; element()) ++pos;
        erwarte(ende);
    }
    JsonWert wert() {
        JsonWert w;
        const char c = naechstes();
        if (c == '{') {
            w.art = JsonWert::Art::Objekt;
            folge('}', [&] {
                std::string k = text();
                erwarte(':');
                w.objekt.emplace_back(std::move(k), wert());
            });
        } else if (c == '[') {
            w.art = JsonWert::Art::Liste;
            folge(']', [&] { w.liste.push_back(wert()); });
        } else if (c == '"') {
            w.art = JsonWert::Art::Text;
            w.text = text();
        } else if (wort("true") || wort("false")) {
            w.art = JsonWert::Art::Bool;
            w.wahr = c == 't';
        } else if (!wort("null")) {
            const char* anfang = t.c_str() + pos;
            char* ende = nullptr;
            w.art = JsonWert::Art::Zahl;
            w.zahl = std::strtod(anfang, &ende);
            // strtod also takes "nan", "inf" and hex, which JSON does not.
            if (ende == anfang || !(c == '-' || (c >= '0' && c <= '9')) ||
                std::string(anfang, static_cast<const char*>(ende)).find_first_of("xXnNiI") !=
                    std::string::npos)
                fehler();
            pos += static_cast<std::size_t>(ende - anfang);
        }
        return w;
    }
    std::string text() {
        erwarte('"');
        std::string s;
        for (char c; (c = t.at(pos++)) != '"';) {
            if (static_cast<unsigned char>(c) < 0x20) fehler();
            if (c == '\\') {
                c = t.at(pos++);
                if (c == 'u') {
                    c = static_cast<char>(std::stoi(t.substr(pos, 4), nullptr, 16));
                    pos += 4;
                } else if (c == 'n' || c == 'r' || c == 't') {
                    c = c == 'n' ? '\n' : c == 'r' ? '\r' : '\t';
                }
            }
            s += c;
        }
        return s;
    }
};

} // namespace tk::test
