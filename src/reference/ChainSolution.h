#pragma once
// A worked solution as the chain window draws it below its chain: the labels
// of the units the path runs through framed on the chain, an arrow under the
// chain for each step with its factor, for a decadic task the digits in the
// columns of their places, and the sentences. x values are offsets from the
// middle as in ChainLayout; y values offsets from the top of the solution part.

#include "reference/ChainGeometry.h"
#include "solution/WorkedSolution.h"

#include <string>
#include <vector>

namespace quarvel {

// A horizontal arrow from x From to x To (the head at To), with short strokes
// across both ends.
struct ChainArrow {
    int From = 0;
    int To = 0;
    int Y = 0;
};

struct ChainSolution {
    std::vector<ChainLabel> Framed; // labels of the chain, as the chain has them
    std::vector<ChainArrow> Arrows;
    std::vector<ChainLabel> Labels; // factors, bridges, digits and commas
    int Height = 0;                 // the rows of arrows and digits; the sentences follow
    std::vector<std::string> Sentences;
};

inline constexpr Rgb ChainArrowColour = Blue;
inline constexpr Rgb ChainGivenColour = Black;
inline constexpr Rgb ChainExpectedColour = Blue;
inline constexpr int ChainSolutionTextSize = 12;

// Where a step's unit or a digit's place is not on the chain, only the
// sentences are drawn.
ChainSolution SolutionOnChain(const ChainLayout& chain, const MeasureSolution& solution);
ChainSolution SolutionOnChain(const ChainLayout& chain, const DekSolution& solution);

} // namespace quarvel
