#include "bericht/CsvBericht.h"

#include "bericht/Json.h"
#include "calc/Ergebnistabelle.h"
#include "calc/Format.h"

namespace tk::bericht {

namespace {

std::string zahlText(const Json& wert, bool punkt) {
    if (!wert.is_number()) return "";
    const double v = wert.get<double>();
    return punkt ? allgemein(v) : tabellenzahl(v);
}

// datei; modus; fall; code; A; B; KMax; r; R² (data); note
Tabellenzeile zeile(const std::string& datei, const char* modus, const char* fall,
                    const Json& entscheidend, const char* codeName, bool punkt) {
    if (entscheidend.is_null())
        return {datei, modus, fall, "", "", "", "", "", "", "keine entscheidende Kurve"};
    return {datei,
            modus,
            fall,
            std::to_string(entscheidend[codeName].get<int>()),
            zahlText(entscheidend["A"], punkt),
            zahlText(entscheidend["B"], punkt),
            zahlText(entscheidend.value("KMax", Json()), punkt),
            zahlText(entscheidend["r"], punkt),
            zahlText(entscheidend["r2_data"], punkt),
            ""};
}

std::string csv(const std::vector<Tabellenzeile>& t, bool punkt) {
    const std::string s = alsCsv(t, punkt ? ',' : ';');
    // Lines end as the command line's other output does.
    std::string aus;
    for (std::size_t i = 0; i < s.size(); ++i)
        if (!(s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n')) aus += s[i];
    return aus;
}

} // namespace

std::string csvKopf(bool punkt, const std::string& ersteSpalte) {
    return csv(
        {{ersteSpalte, "modus", "fall", "code", "A", "B", "KMax", "r", "R2_daten", "hinweis"}},
        punkt);
}

std::string alsCsvZeilen(const Bericht& b, const std::string& datei, bool punkt) {
    const Json j = alsJsonWert(b, datei);
    if (!b.prognose)
        return csv({zeile(datei, "regression", "", j["decisive"], "code", punkt)}, punkt);
    const Json& faelle = j["cases"];
    return csv(
        {zeile(datei, "prognose", "summenwerte", faelle["summenwerte"]["decisive"], "type", punkt),
         zeile(datei, "prognose", "einzelwerte", faelle["einzelwerte"]["decisive"], "type", punkt)},
        punkt);
}

std::string fehlerAlsCsv(const std::string& datei, const std::string& text, bool punkt) {
    return csv({{datei, "", "", "", "", "", "", "", "", text}}, punkt);
}

} // namespace tk::bericht
