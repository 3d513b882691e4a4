#include "decadic/DecadicScheme.h"

#include <stdexcept>
#include <string>

namespace quarvel {

const NumberBand& FindBand(NumberTable table, int draw) {
    for (const NumberBand& band : table) {
        if (draw >= band.Lo && draw <= band.Hi) return band;
    }
    throw std::out_of_range("no band holds the draw " + std::to_string(draw));
}

std::int64_t PowerOfTen(int exponent) {
    std::int64_t result = 1;
    for (int i = 0; i < exponent; ++i)
        result *= 10;
    return result;
}

} // namespace quarvel
