#pragma once
// The pages of a worksheet series, on any paged device (PDF writer, printer,
// print preview): one A4 page per sheet and, when asked, the answer key on
// pages of its own after them. Task texts go through the drill's own text
// renderer, so exponents and decimal commas look as they do on screen; all
// text stays vector text.

#include "worksheet/Worksheet.h"

#include <QFileDevice>
#include <QString>

#include <vector>

class QIODevice;
class QPagedPaintDevice;
class QPainter;

namespace quarvel {

// A4 portrait with margins of 15 mm.
void SetUpPages(QPagedPaintDevice& device);

// Paints the series with `painter`, which is active on `device`. Returns the
// number of pages.
int PaintWorksheets(QPainter& painter, QPagedPaintDevice& device, const WorksheetRequest& request,
                    const std::vector<Worksheet>& sheets);

// The series as an A4 PDF with its fonts embedded. False, with the reason in
// `error`, when it could not be written.
bool WritePdf(QIODevice& out, const WorksheetRequest& request, const std::vector<Worksheet>& sheets,
              QString& error);

// The same into a file: a regular file or a new name in an existing folder,
// never a device, pipe, socket or folder. The PDF goes to a temporary file
// beside `path` that takes its place only once it is complete, so a failure
// leaves no half-written file (and an older file of that name untouched).
// `error` tells why in German.
bool WritePdfFile(const QString& path, const WorksheetRequest& request,
                  const std::vector<Worksheet>& sheets, QString& error);

// The German reason for a failed file operation, from Qt's kind of error and
// its text (QFileDevice::errorString(), the system's words for the cause).
QString WriteFailureReason(QFileDevice::FileError error, const QString& systemText);

} // namespace quarvel
