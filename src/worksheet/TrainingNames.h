#pragma once
// The trainings as a worksheet names them: a short German word for the
// command line ("laenge", "laengen-massen") and the captions of the start
// menu for the page and the window, so both speak as the drill program does.

#include "drill/Training.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quarvel {

struct TrainingWord {
    Training Id;
    std::string_view Word;
};

// Every training in the order of the start menu.
std::span<const TrainingWord> TrainingWords();
std::string_view WordOf(Training training);
// Also takes the word with umlauts and capitals ("Länge", "FLÄCHE").
std::optional<Training> TrainingByWord(std::string_view word);

// The captions from the menu bar down to the training, without mnemonics:
// {"Maßeinheiten", "Volumen", "Kubik"}.
std::vector<std::string_view> MenuPath(Training training);
// The same joined with " · ".
std::string TrainingTitle(Training training);

struct LevelName {
    int Level;
    std::string_view Caption;
};
// The training's level items in menu order ("Volksschüler", 6, comes first
// under "Masse"; the decadic third level reads "Fortgeschritten").
std::vector<LevelName> LevelsOf(Training training);
// Empty for a level the training does not have.
std::string_view LevelCaption(Training training, int level);

} // namespace quarvel
