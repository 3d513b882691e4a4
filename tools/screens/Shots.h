#pragma once
// The screenshot tool's shared context: the eight windows, the menu choices and
// the random source it gives them, and a way to save a window's picture under
// a self-explaining name.

#include "core/Random.h"
#include "core/Selection.h"
#include "windows/Windows.h"

#include <QString>

class QWidget;

namespace quarvel::screens {

struct Shots {
    QString Folder;
    qreal Scale = 1.0; // device pixel ratio of the pictures
    Windows& Wins;
    // The draws of the drill windows, seeded afresh for each picture.
    SeededRandom& Rng;
    // What the menu has chosen; a drill window is given a copy with its level.
    SelectionState Selection;

    // Grabs the whole window (menu bar included) into Folder/<name>.png.
    void Save(QWidget* window, const QString& name) const;
};

// Each subsystem adds its pictures in a file of its own.
void ShotsApp(Shots& shots);
void ShotsDrill(Shots& shots);
void ShotsPractice(Shots& shots);
void ShotsEvaluation(Shots& shots);
void ShotsReference(Shots& shots);
void ShotsSolution(Shots& shots);

} // namespace quarvel::screens
