#pragma once
// A strict little JSON reader for the tests: refuses anything that is not JSON
// (NaN, inf, trailing commas, trailing text) and keeps the order of object keys.

#include <cctype>
#include <cstdlib>
#include <memory>
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
        l.blanks();
        if (l.pos_ != l.t_.size()) l.fehler("trailing text");
        return w;
    }

private:
    explicit JsonLeser(const std::string& t) : t_(t) {}

    [[noreturn]] void fehler(const std::string& was) const {
        throw std::runtime_error("JSON: " + was + " at " + std::to_string(pos_));
    }
    void blanks() {
        while (pos_ < t_.size() && std::isspace(static_cast<unsigned char>(t_[pos_]))) ++pos_;
    }
    bool wort(const char* w) {
        const std::string s(w);
        if (t_.compare(pos_, s.size(), s) != 0) return false;
        pos_ += s.size();
        return true;
    }
    char erwarte(char c) {
        blanks();
        if (pos_ >= t_.size() || t_[pos_] != c) fehler(std::string("expected ") + c);
        return t_[pos_++];
    }

    JsonWert wert() {
        blanks();
        if (pos_ >= t_.size()) fehler("unexpected end");
        JsonWert w;
        const char c = t_[pos_];
        if (c == '{') {
            w.art = JsonWert::Art::Objekt;
            ++pos_;
            blanks();
            if (t_[pos_] == '}') return ++pos_, w;
            for (;;) {
                blanks();
                std::string k = text();
                erwarte(':');
                w.objekt.emplace_back(std::move(k), wert());
                blanks();
                if (t_[pos_] == ',')
                    ++pos_;
                else
                    return erwarte('}'), w;
            }
        }
        if (c == '[') {
            w.art = JsonWert::Art::Liste;
            ++pos_;
            blanks();
            if (t_[pos_] == ']') return ++pos_, w;
            for (;;) {
                w.liste.push_back(wert());
                blanks();
                if (t_[pos_] == ',')
                    ++pos_;
                else
                    return erwarte(']'), w;
            }
        }
        if (c == '"') {
            w.art = JsonWert::Art::Text;
            w.text = text();
            return w;
        }
        if (wort("null")) return w;
        if (wort("true")) return w.art = JsonWert::Art::Bool, w.wahr = true, w;
        if (wort("false")) return w.art = JsonWert::Art::Bool, w;
        const std::size_t anfang = pos_;
        if (t_[pos_] == '-') ++pos_;
        if (pos_ >= t_.size() || !std::isdigit(static_cast<unsigned char>(t_[pos_])))
            fehler("bad value");
        while (pos_ < t_.size() && (std::isdigit(static_cast<unsigned char>(t_[pos_])) ||
                                    std::string(".eE+-").find(t_[pos_]) != std::string::npos))
            ++pos_;
        w.art = JsonWert::Art::Zahl;
        w.zahl = std::strtod(t_.substr(anfang, pos_ - anfang).c_str(), nullptr);
        return w;
    }

    std::string text() {
        if (t_[pos_] != '"') fehler("expected string");
        ++pos_;
        std::string s;
        while (pos_ < t_.size() && t_[pos_] != '"') {
            char c = t_[pos_++];
            if (static_cast<unsigned char>(c) < 0x20) fehler("raw control character");
            if (c == '\\') {
                const char e = t_.at(pos_++);
                switch (e) {
                case 'n':
                    c = '\n';
                    break;
                case 'r':
                    c = '\r';
                    break;
                case 't':
                    c = '\t';
                    break;
                case 'u':
                    c = static_cast<char>(std::stoi(t_.substr(pos_, 4), nullptr, 16));
                    pos_ += 4;
                    break;
                default:
                    c = e;
                }
            }
            s += c;
        }
        if (pos_ >= t_.size()) fehler("unterminated string");
        ++pos_;
        return s;
    }

    const std::string& t_;
    std::size_t pos_ = 0;
};

} // namespace tk::test
