#pragma once
// Creates the program's windows once, in their fixed order.

#include "core/Random.h"
#include "windows/StartU.h"

#include <QString>
#include <QStringList>

#include <memory>

namespace quarvel {

// The start window owns the other seven (Qt parent ownership); `windows` is
// filled in creation order.
// The drill windows draw their tasks from `rng`.
std::unique_ptr<TfrmStart> CreateWindows(Windows& windows, std::shared_ptr<RandomSource> rng,
                                         TfrmStart::ScreenQuery screen = {});

// What the command line asks for: `--code CODE` opens that exercise at once
// (for a desktop shortcut a teacher hands out); --help and --version.
struct ProgramOptions {
    QString Code; // as given; read (and perhaps refused) by the start window
    bool Help = false;
    bool Version = false;
    QString Error; // why the command line is wrong; empty when it is right
    QString HelpText;
};

// `arguments` with the program's name first, as QCoreApplication gives them.
// Give the German translations first: Qt's own help texts come from them.
ProgramOptions ParseProgramOptions(const QStringList& arguments);

} // namespace quarvel
