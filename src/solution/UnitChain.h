#pragma once
// The conversion chains as the chain window draws them, as data a worked
// solution can walk: km -1000- m -10- dm -10- cm -10- mm, t -1000- kg -100- dag
// -10- g ..., the areas in steps of 100, the cubic units in steps of 1000, the
// litre units hl -100- l -10- dl -10- cl -10- ml, and the two bridges
// 1 l = 1 dm^3 and 1 ml = 1 cm^3 between litre and cubic units.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quarvel {

enum class UnitKind { Length, Mass, Area, Cubic, Litre };

// The kind of a unit as stored in a task record ("km", "m^2", "hl").
std::optional<UnitKind> KindOfUnit(std::string_view unit);

// Where litre and cubic units meet: 1 l = 1 dm^3, 1 ml = 1 cm^3.
inline constexpr std::array<std::pair<std::string_view, std::string_view>, 2> kLitreCubicBridges = {
    {{"l", "dm^3"}, {"ml", "cm^3"}}};

// One step between neighbours on a chain: 1 From = Factor To, Factor = 10^Exponent.
// The exponent is negative towards a larger unit and 0 on a bridge.
struct ChainStep {
    std::string From;
    std::string To;
    int Exponent = 0;
    std::string Factor; // "1000", "0,01", "1"
};

// The steps from `from` to `to` along the chains. Between litre and cubic units
// the path crosses the bridge that lets every factor point the same way
// (dl -> cl -> ml -> cm^3), else the shorter one (m^3 -> dm^3 -> l -> hl).
// Empty for equal units; nothing for an unknown unit or two kinds that no
// chain joins.
std::optional<std::vector<ChainStep>> ChainPath(std::string_view from, std::string_view to);

} // namespace quarvel
