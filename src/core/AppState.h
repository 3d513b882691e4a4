#pragma once
// The process-wide records of a run, owned in one place. main creates one
// AppState and hands it by reference to windows and generators; a test builds a
// fresh one per case.

#include "core/Random.h"
#include "decadic/DekTaskSheet.h"
#include "drill/TaskSheet.h"

#include <cstdint>
#include <memory>
#include <string_view>

namespace quarvel {

struct SelectionState {
    int AreaCode = 0;      // 0 none, 1..4 decadic trainings, 5 length, 6 mass, 7 area, 8 volume
    int KombiCategory = 0; // 0 none, 1..5 the combination trainings
    int LevelDekNum = 0;
    int LevelDekDek = 0;
    int LevelDezNum = 0;
    int LevelDezDez = 0;
    int LevelLaenge = 0;
    int LevelMasse = 0; // 6 = "Volksschüler"
    int LevelFlaeche = 0;
    int LevelKubik = 0;
    int LevelLiter = 0;
    int LevelGemischt = 0;
    int LevelLM = 0;
    int LevelLF = 0;
    int LevelLFM = 0;
    int LevelFR = 0;
    int LevelAlle = 0;
    int CurrentPass = 1;
    int MaxPasses = 3;
    bool TimeDisplay = false;
    bool FullScreen = false;
};

struct ScoreState {
    std::int32_t TryNumber = 1;
    std::int32_t PassTries = 0;
    float PassPoints = 0.0F;
    float TotalPoints = 0.0F;
    std::int32_t TotalTries = 0;
};

// What the last generator drew; kept for inspection after a call.
struct DrawVariables {
    std::int32_t DirectionDraw = 0;
    std::int32_t PairDraw = 0;
    std::int32_t PatternDraw = 0;
    // Name of the generator that filled the last line (also when a mixing
    // dispatcher chose it); for the task dump and tests.
    std::string_view LastGenerator;
};

struct AppState {
    SelectionState Selection;
    ScoreState Score;
    TTaskSheet TaskSheet;
    TDekTaskSheet DekTaskSheet;
    DrawVariables Draws;
    std::int32_t AnswerWidth = 170; // width of every answer field
    std::int32_t ToUnitLeft = 600;  // x of the ToUnit text
    std::shared_ptr<RandomSource> Rng = std::make_shared<ClockRandom>();

    int Random(int n) { return Rng->Random(n); }
};

} // namespace quarvel
