#include "worksheet/OutputPath.h"

#include <cerrno>
#include <filesystem>
#include <system_error>

#include <unistd.h>

namespace quarvel {
namespace {

namespace fs = std::filesystem;

std::optional<std::string> KindReason(fs::file_type type) {
    switch (type) {
    case fs::file_type::regular:
    case fs::file_type::not_found:
        return std::nullopt;
    case fs::file_type::directory:
        return "das ist ein Ordner, keine Datei";
    case fs::file_type::fifo:
        return "das ist eine Pipe, keine Datei";
    case fs::file_type::socket:
        return "das ist ein Socket, keine Datei";
    case fs::file_type::block:
    case fs::file_type::character:
        return "das ist ein Gerät, keine Datei";
    default:
        return "das ist keine gewöhnliche Datei";
    }
}

} // namespace

std::string ReasonOfError(int error) {
    switch (error) {
    case EACCES:
    case EPERM:
        return "keine Schreibrechte";
    case ENOSPC:
    case EDQUOT:
        return "kein Platz mehr auf dem Datenträger";
    case ENOENT:
        return "den Ordner gibt es nicht";
    case ENOTDIR:
        return "ein Teil des Pfads ist kein Ordner";
    case EISDIR:
        return "das ist ein Ordner, keine Datei";
    case EROFS:
        return "der Datenträger ist schreibgeschützt";
    case ENAMETOOLONG:
        return "der Name ist zu lang";
    case ELOOP:
        return "zu viele Verknüpfungen hintereinander";
    case EMFILE:
    case ENFILE:
        return "zu viele offene Dateien";
    case EFBIG:
        return "die Datei würde zu groß";
    case EBUSY:
    case ETXTBSY:
        return "die Datei ist gerade in Gebrauch";
    case EIO:
        return "Fehler beim Zugriff auf den Datenträger";
    default:
        return "Systemfehler " + std::to_string(error);
    }
}

std::optional<std::string> UnwritableReason(const std::string& path) {
    if (path.empty()) return "kein Dateiname";
    // What the name stands for, through any links: a link to a pipe is a pipe.
    const fs::path target(path);
    std::error_code error;
    const fs::file_status status = fs::status(target, error);
    if (error && status.type() != fs::file_type::not_found) return ReasonOfError(error.value());
    if (std::optional<std::string> kind = KindReason(status.type())) return kind;
    if (status.type() == fs::file_type::regular && ::access(path.c_str(), W_OK) != 0)
        return ReasonOfError(errno);

    // The PDF is written beside its name and then takes it: the folder must
    // exist and take new files.
    fs::path folder = target.parent_path();
    if (folder.empty()) folder = ".";
    const fs::file_status folderStatus = fs::status(folder, error);
    if (folderStatus.type() == fs::file_type::not_found) return "den Ordner gibt es nicht";
    if (error) return ReasonOfError(error.value());
    if (folderStatus.type() != fs::file_type::directory)
        return "„" + folder.string() + "“ ist kein Ordner";
    if (::access(folder.c_str(), W_OK | X_OK) != 0) {
        const int why = errno;
        return why == EACCES ? "keine Schreibrechte im Ordner" : ReasonOfError(why);
    }
    return std::nullopt;
}

} // namespace quarvel
