// File-system side of the data files: loading, the atomic save, existence and
// deletion, with the system's failure reasons mapped onto the program's codes.

#include "Datei.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <fstream>
#include <sstream>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tk {

namespace {

constexpr int PlatteVoll = 61;

std::string verzeichnisVon(const std::string& pfad) {
    const auto schraegstrich = pfad.find_last_of('/');
    if (schraegstrich == std::string::npos) return ".";
    if (schraegstrich == 0) return "/";
    return pfad.substr(0, schraegstrich);
}

bool istVerzeichnis(const std::string& pfad) {
    struct stat st {};
    return ::stat(pfad.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

Fehler systemFehler(int fehlerNr, const std::string& quelle, const std::string& pfad) {
    switch (fehlerNr) {
    case ENOENT:
    case ENOTDIR:
        if (!istVerzeichnis(verzeichnisVon(pfad)))
            return Fehler(fehlercode::PfadNichtGefunden, quelle,
                          "Das Verzeichnis von \"" + pfad + "\" existiert nicht.");
        return Fehler(fehlercode::DateiNichtGefunden, quelle,
                      "Die Datei \"" + pfad + "\" wurde nicht gefunden.");
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
        return Fehler(fehlercode::PfadZugriff, quelle, "Kein Zugriff auf \"" + pfad + "\".");
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return Fehler(PlatteVoll, quelle, "Kein freier Speicherplatz für \"" + pfad + "\".");
    case ENAMETOOLONG:
    case EINVAL:
        return Fehler(fehlercode::FalscherDateiname, quelle,
                      "Der Dateiname \"" + pfad + "\" ist nicht zulässig.");
    default:
        return Fehler(fehlercode::EinAusgabefehler, quelle,
                      "Ein-/Ausgabefehler bei \"" + pfad + "\".");
    }
}

// Removes the temporary file unless it was renamed into place.
class TempDatei {
public:
    TempDatei(std::string pfad, int fd) : pfad_(std::move(pfad)), fd_(fd) {}
    TempDatei(const TempDatei&) = delete;
    TempDatei& operator=(const TempDatei&) = delete;
    ~TempDatei() {
        if (fd_ >= 0) ::close(fd_);
        if (!uebergeben_) ::unlink(pfad_.c_str());
    }
    int fd() const { return fd_; }
    // Closes the file, reporting whether the last data reached it.
    bool schliessen() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }
    const std::string& pfad() const { return pfad_; }
    void uebergeben() { uebergeben_ = true; }

private:
    std::string pfad_;
    int fd_ = -1;
    bool uebergeben_ = false;
};

mode_t neueDateiRechte(const std::string& ziel) {
    struct stat st {};
    if (::stat(ziel.c_str(), &st) == 0) return st.st_mode & 07777;
    const mode_t maske = ::umask(0);
    ::umask(maske);
    return 0666 & ~maske;
}

} // namespace

Datensatz laden(const std::string& pfad) {
    constexpr const char* quelle = "Datei lesen";
    if (pfad.empty())
        throw Fehler(fehlercode::FalscherDateiname, quelle, "Kein Dateiname angegeben.");
    struct stat st {};
    if (::stat(pfad.c_str(), &st) != 0) throw systemFehler(errno, quelle, pfad);
    if (S_ISDIR(st.st_mode)) throw systemFehler(EISDIR, quelle, pfad);
    std::ifstream ein(pfad, std::ios::binary);
    if (!ein) throw systemFehler(errno, quelle, pfad);
    return lesen(ein);
}

void speichern(const std::string& pfad, const Programmzustand& z) {
    constexpr const char* quelle = "Datei speichern";
    if (pfad.empty())
        throw Fehler(fehlercode::FalscherDateiname, quelle, "Kein Dateiname angegeben.");
    if (istVerzeichnis(pfad)) throw systemFehler(EISDIR, quelle, pfad);
    // A write-protected file stays protected, although the directory would allow
    // replacing it.
    if (DateiVorhanden(pfad) && ::access(pfad.c_str(), W_OK) != 0)
        throw systemFehler(errno, quelle, pfad);

    std::ostringstream puffer(std::ios::binary);
    schreiben(puffer, z);
    const std::string inhalt = puffer.str();

    const std::string verzeichnis = verzeichnisVon(pfad);
    const auto name =
        pfad.substr(pfad.find_last_of('/') == std::string::npos ? 0 : pfad.find_last_of('/') + 1);
    std::string vorlage = verzeichnis + "/." + name + ".tmp-XXXXXX";
    const int fd = ::mkstemp(vorlage.data());
    if (fd < 0) throw systemFehler(errno, quelle, pfad);
    TempDatei temp(vorlage, fd);

    ::fchmod(temp.fd(), neueDateiRechte(pfad));
    std::size_t geschrieben = 0;
    while (geschrieben < inhalt.size()) {
        const ssize_t k =
            ::write(temp.fd(), inhalt.data() + geschrieben, inhalt.size() - geschrieben);
        if (k < 0) {
            if (errno == EINTR) continue;
            throw systemFehler(errno, quelle, pfad);
        }
        geschrieben += static_cast<std::size_t>(k);
    }
    if (::fsync(temp.fd()) != 0) throw systemFehler(errno, quelle, pfad);
    if (!temp.schliessen()) throw systemFehler(errno, quelle, pfad);
    if (::rename(temp.pfad().c_str(), pfad.c_str()) != 0) throw systemFehler(errno, quelle, pfad);
    temp.uebergeben();
}

bool DateiVorhanden(const std::string& pfad) {
    struct stat st {};
    return !pfad.empty() && ::stat(pfad.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

void loeschen(const std::string& pfad) {
    constexpr const char* quelle = "Datei löschen";
    if (pfad.empty())
        throw Fehler(fehlercode::FalscherDateiname, quelle, "Kein Dateiname angegeben.");
    if (::unlink(pfad.c_str()) != 0) throw systemFehler(errno, quelle, pfad);
}

DateiArt artVon(const std::string& pfad) {
    const auto punkt = pfad.find_last_of('.');
    if (punkt == std::string::npos || pfad.find('/', punkt) != std::string::npos)
        return DateiArt::Unbekannt;
    std::string endung = pfad.substr(punkt);
    std::transform(endung.begin(), endung.end(), endung.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (endung == ".pro") return DateiArt::Prognose;
    if (endung == ".rgr") return DateiArt::Regression;
    return DateiArt::Unbekannt;
}

} // namespace tk
