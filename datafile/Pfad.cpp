// File-system side of the data files: loading, the atomic save, existence and
// deletion, with the system's failure reasons mapped onto the program's codes.

#include "datafile/Datei.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
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
        return Fehler(fehlercode::PfadZugriff, quelle,
                      "Keine Berechtigung für \"" + pfad + "\" oder sein Verzeichnis.");
    case EROFS:
        return Fehler(fehlercode::PfadZugriff, quelle,
                      "\"" + pfad + "\" liegt auf einem schreibgeschützten Datenträger.");
    case EISDIR:
        return Fehler(fehlercode::PfadZugriff, quelle,
                      "\"" + pfad + "\" ist ein Ordner, keine Datei.");
    case ETXTBSY:
        return Fehler(fehlercode::PfadZugriff, quelle, "Kein Zugriff auf \"" + pfad + "\".");
    case ELOOP:
        return Fehler(fehlercode::FalscherDateiname, quelle,
                      "\"" + pfad + "\" führt über symbolische Verknüpfungen im Kreis.");
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return Fehler(PlatteVoll, quelle, "Kein freier Speicherplatz für \"" + pfad + "\".");
    case ENAMETOOLONG:
        return Fehler(fehlercode::FalscherDateiname, quelle,
                      "Der Dateiname \"" + pfad +
                          "\" ist zu lang: höchstens 255 Bytes je Name, 4095 für den Pfad.");
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

// Creates the temporary file beside the target. A new file gets the rights the
// process's umask gives (the kernel applies it); a replaced file keeps its own.
int neueTempDatei(const std::string& basis, const std::string& ziel, std::string& pfad,
                  const Speicherwege& wege) {
    static std::atomic<unsigned> zaehler{0};
    for (int versuch = 0; versuch < 100; ++versuch) {
        pfad = basis + std::to_string(::getpid()) + "-" + std::to_string(++zaehler);
        const int fd = wege.oeffnen(pfad.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            struct stat st {};
            if (::stat(ziel.c_str(), &st) == 0) ::fchmod(fd, st.st_mode & 07777);
            return fd;
        }
        if (errno != EEXIST) return -1;
    }
    return -1;
}

// Saving through a symbolic link replaces the file it points to, not the link.
std::string wirklicherPfad(const std::string& pfad) {
    char* echt = ::realpath(pfad.c_str(), nullptr);
    if (!echt) return pfad; // not there yet
    std::string ergebnis(echt);
    std::free(echt);
    return ergebnis;
}

constexpr off_t MaxDateiGroesse = 1 << 20;

} // namespace

Fehler dateiFehler(int fehlerNr, const std::string& quelle, const std::string& pfad) {
    return systemFehler(fehlerNr, quelle, pfad);
}

Datensatz laden(const std::string& pfad) {
    constexpr const char* quelle = "Datei lesen";
    if (pfad.empty())
        throw Fehler(fehlercode::FalscherDateiname, quelle, "Kein Dateiname angegeben.");
    struct stat st {};
    if (::stat(pfad.c_str(), &st) != 0) throw systemFehler(errno, quelle, pfad);
    if (S_ISDIR(st.st_mode)) throw systemFehler(EISDIR, quelle, pfad);
    // A data set of 21 pairs takes a few hundred bytes: anything that is not a plain
    // file of modest size (a device, a pipe, a huge file) is not one.
    if (!S_ISREG(st.st_mode) || st.st_size > MaxDateiGroesse)
        throw Fehler(fehlercode::DateiFormat, quelle,
                     "Die Datei \"" + pfad + "\" ist keine Datendatei.");
    std::ifstream ein(pfad, std::ios::binary);
    if (!ein) throw systemFehler(errno, quelle, pfad);
    return lesen(ein);
}

Speicherwege Speicherwege::system() {
    return {[](const char* p, int flags, mode_t rechte) { return ::open(p, flags, rechte); },
            [](int fd, const void* daten, std::size_t n, off_t stelle) {
                return ::pwrite(fd, daten, n, stelle);
            }};
}

namespace {

constexpr const char* speichernQuelle = "Datei speichern";

// Writes all of `inhalt` at the start of the file; false with errno set on failure.
bool allesSchreiben(const Speicherwege& wege, int fd, const std::string& inhalt) {
    std::size_t geschrieben = 0;
    while (geschrieben < inhalt.size()) {
        const ssize_t k =
            wege.schreiben(fd, inhalt.data() + geschrieben, inhalt.size() - geschrieben,
                           static_cast<off_t>(geschrieben));
        if (k < 0 && errno == EINTR) continue;
        if (k <= 0) {
            if (k == 0) errno = ENOSPC;
            return false;
        }
        geschrieben += static_cast<std::size_t>(k);
    }
    return true;
}

class Deskriptor {
public:
    explicit Deskriptor(int fd) : fd_(fd) {}
    Deskriptor(const Deskriptor&) = delete;
    Deskriptor& operator=(const Deskriptor&) = delete;
    ~Deskriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    int fd() const { return fd_; }
    bool schliessen() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

// Where no file can be created beside the target but the target itself may be
// written: room is reserved first, and a failed write puts the old content back.
void sofortSpeichern(const std::string& ziel, const std::string& inhalt, const std::string& pfad,
                     const Speicherwege& wege) {
    Deskriptor datei(wege.oeffnen(ziel.c_str(), O_RDWR | O_CLOEXEC, 0));
    if (datei.fd() < 0) throw systemFehler(errno, speichernQuelle, pfad);
    std::string alt;
    char block[4096];
    for (ssize_t k;
         (k = ::pread(datei.fd(), block, sizeof block, static_cast<off_t>(alt.size()))) > 0;)
        alt.append(block, static_cast<std::size_t>(k));
    if (inhalt.size() > alt.size()) {
        const int r = ::posix_fallocate(datei.fd(), 0, static_cast<off_t>(inhalt.size()));
        if (r == ENOSPC || r == EDQUOT) throw systemFehler(r, speichernQuelle, pfad);
    }
    // Padded with blank lines to the old length, the file holds one whole data set at
    // every moment: a save killed before the truncation leaves the new content and blank
    // lines, never the new content with the old one's tail.
    std::string gepolstert = inhalt;
    if (alt.size() > inhalt.size()) gepolstert.append(alt.size() - inhalt.size(), '\n');
    if (!allesSchreiben(wege, datei.fd(), gepolstert) ||
        ::ftruncate(datei.fd(), static_cast<off_t>(inhalt.size())) != 0 ||
        ::fsync(datei.fd()) != 0) {
        const int fehler = errno;
        // The space of the old content is still reserved: it fits back.
        if (allesSchreiben(Speicherwege::system(), datei.fd(), alt)) {
            (void)!::ftruncate(datei.fd(), static_cast<off_t>(alt.size()));
            ::fsync(datei.fd());
        }
        throw systemFehler(fehler, speichernQuelle, pfad);
    }
    if (!datei.schliessen()) throw systemFehler(errno, speichernQuelle, pfad);
}

} // namespace

namespace {

// A save that was killed may have left its named temporary file beside the target:
// remove this program's leftovers of the same target whose process is gone.
void alteTempDateienEntfernen(const std::string& verzeichnis, const std::string& praefix) {
    DIR* d = ::opendir(verzeichnis.c_str());
    if (!d) return;
    while (const dirent* e = ::readdir(d)) {
        const std::string n = e->d_name;
        if (!n.starts_with(praefix)) continue;
        const std::string rest =
            n.substr(praefix.size()); // "<pid>-<counter>" or "<pid>-u<counter>"
        const auto strich = rest.find('-');
        if (strich == std::string::npos || strich == 0 ||
            rest.find_first_not_of("0123456789-u") != std::string::npos)
            continue;
        const long pid = std::strtol(rest.substr(0, strich).c_str(), nullptr, 10);
        if (pid > 0 && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH)) continue;
        struct stat st {};
        const std::string pfad = verzeichnis + "/" + n;
        if (::lstat(pfad.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::getuid())
            ::unlink(pfad.c_str());
    }
    ::closedir(d);
}

// Writes the content into an unnamed file of the target's folder, so that a save
// killed while writing leaves nothing behind; -1 where the file system has none.
int unbenannteDatei(const std::string& verzeichnis, const std::string& ziel,
                    const std::string& inhalt, const Speicherwege& wege) {
#ifdef O_TMPFILE
    const int fd = wege.oeffnen(verzeichnis.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (fd < 0) return -1;
    struct stat st {};
    if (::stat(ziel.c_str(), &st) == 0) ::fchmod(fd, st.st_mode & 07777);
    if (!allesSchreiben(wege, fd, inhalt) || ::fsync(fd) != 0) {
        const int fehler = errno;
        ::close(fd);
        errno = fehler;
        return -2;
    }
    return fd;
#else
    (void)verzeichnis, (void)ziel, (void)inhalt, (void)wege;
    errno = EOPNOTSUPP;
    return -1;
#endif
}

// Gives the unnamed file a temporary name and renames it over the target.
bool unbenannteEinsetzen(int fd, const std::string& basis, const std::string& ziel) {
    static std::atomic<unsigned> zaehler{0};
    const std::string quelle = "/proc/self/fd/" + std::to_string(fd);
    for (int versuch = 0; versuch < 100; ++versuch) {
        const std::string name =
            basis + std::to_string(::getpid()) + "-u" + std::to_string(++zaehler);
        if (::linkat(AT_FDCWD, quelle.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) != 0) {
            if (errno == EEXIST) continue;
            return false;
        }
        if (::rename(name.c_str(), ziel.c_str()) == 0) return true;
        const int fehler = errno;
        ::unlink(name.c_str());
        errno = fehler;
        return false;
    }
    return false;
}

} // namespace

void speichern(const std::string& pfad, const Programmzustand& z, const Speicherwege& wege) {
    const char* quelle = speichernQuelle;
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

    const std::string ziel = wirklicherPfad(pfad);
    const std::string verzeichnis = verzeichnisVon(ziel);
    const auto name =
        ziel.substr(ziel.find_last_of('/') == std::string::npos ? 0 : ziel.find_last_of('/') + 1);
    // Cut so that the temporary name stays within the 255 bytes a name may have.
    const std::string praefix = "." + name.substr(0, 200) + ".tmp-";
    alteTempDateienEntfernen(verzeichnis, praefix);

    const int unbenannt = unbenannteDatei(verzeichnis, ziel, inhalt, wege);
    if (unbenannt == -2) throw systemFehler(errno, quelle, pfad);
    if (unbenannt >= 0) {
        Deskriptor datei(unbenannt);
        if (unbenannteEinsetzen(datei.fd(), verzeichnis + "/" + praefix, ziel)) return;
        // Without /proc the unnamed file cannot be linked: save the classic way.
    }

    std::string tempPfad;
    const int fd = neueTempDatei(verzeichnis + "/" + praefix, ziel, tempPfad, wege);
    if (fd < 0) {
        const int fehler = errno;
        if ((fehler == EACCES || fehler == EPERM) && DateiVorhanden(ziel))
            return sofortSpeichern(ziel, inhalt, pfad, wege);
        throw systemFehler(fehler, quelle, pfad);
    }
    TempDatei temp(tempPfad, fd);
    if (!allesSchreiben(wege, temp.fd(), inhalt)) throw systemFehler(errno, quelle, pfad);
    if (::fsync(temp.fd()) != 0) throw systemFehler(errno, quelle, pfad);
    if (!temp.schliessen()) throw systemFehler(errno, quelle, pfad);
    if (::rename(temp.pfad().c_str(), ziel.c_str()) != 0) throw systemFehler(errno, quelle, pfad);
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
