#include "zeichnung/Symbolschrift.h"

namespace tk {

namespace {

QChar griechisch(QChar c) {
    // Upper and lower case follow the Symbol font's letter table.
    static const char16_t gross[26] = {u'Α', u'Β', u'Χ', u'Δ', u'Ε', u'Φ', u'Γ', u'Η', u'Ι',
                                       u'ϑ', u'Κ', u'Λ', u'Μ', u'Ν', u'Ο', u'Π', u'Θ', u'Ρ',
                                       u'Σ', u'Τ', u'Υ', u'ς', u'Ω', u'Ξ', u'Ψ', u'Ζ'};
    static const char16_t klein[26] = {u'α', u'β', u'χ', u'δ', u'ε', u'φ', u'γ', u'η', u'ι',
                                       u'φ', u'κ', u'λ', u'μ', u'ν', u'ο', u'π', u'θ', u'ρ',
                                       u'σ', u'τ', u'υ', u'ϖ', u'ω', u'ξ', u'ψ', u'ζ'};
    const char16_t u = c.unicode();
    if (u >= u'A' && u <= u'Z') return QChar(gross[u - u'A']);
    if (u >= u'a' && u <= u'z') return QChar(klein[u - u'a']);
    if (u == 229) return QChar(u'∑');
    return c;
}

} // namespace

QString symbolAlsUnicode(const QString& text) {
    QString ergebnis = text;
    for (QChar& c : ergebnis) c = griechisch(c);
    return ergebnis;
}

bool istSymbolschrift(const QString& name) {
    return name.compare(QStringLiteral("Symbol"), Qt::CaseInsensitive) == 0;
}

} // namespace tk
