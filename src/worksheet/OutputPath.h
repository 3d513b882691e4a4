#pragma once
// Where a PDF may go, told in German: a regular file that may be written, or a
// new name in an existing folder that may be written in. Devices, pipes,
// sockets and folders are never replaced.

#include <optional>
#include <string>

namespace quarvel {

// Why `path` cannot take the PDF ("das ist eine Pipe, keine Datei"); nothing
// when it can.
std::optional<std::string> UnwritableReason(const std::string& path);

// The German words for a system error number (errno): "keine Schreibrechte",
// "kein Platz mehr auf dem Datenträger", "den Ordner gibt es nicht", ...
std::string ReasonOfError(int error);

} // namespace quarvel
