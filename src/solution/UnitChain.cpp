#include "solution/UnitChain.h"

#include "solution/DecimalText.h"

#include <array>
#include <span>

namespace quarvel {

namespace {

// A unit and the exponent of the step to the next smaller unit of its chain.
struct Link {
    std::string_view Unit;
    int Exponent;
};

struct Chain {
    UnitKind Kind;
    std::span<const Link> Links;
};

constexpr Link kLength[] = {{"km", 3}, {"m", 1}, {"dm", 1}, {"cm", 1}, {"mm", 0}};
constexpr Link kMass[] = {{"t", 3},  {"kg", 2}, {"dag", 1}, {"g", 1},
                          {"dg", 1}, {"cg", 1}, {"mg", 0}};
constexpr Link kArea[] = {{"km^2", 2}, {"ha", 2},   {"a", 2},   {"m^2", 2},
                          {"dm^2", 2}, {"cm^2", 2}, {"mm^2", 0}};
constexpr Link kCubic[] = {{"m^3", 3}, {"dm^3", 3}, {"cm^3", 3}, {"mm^3", 0}};
constexpr Link kLitre[] = {{"hl", 2}, {"l", 1}, {"dl", 1}, {"cl", 1}, {"ml", 0}};

const std::array<Chain, 5> kChains = {{{UnitKind::Length, kLength},
                                       {UnitKind::Mass, kMass},
                                       {UnitKind::Area, kArea},
                                       {UnitKind::Cubic, kCubic},
                                       {UnitKind::Litre, kLitre}}};

struct Position {
    const Chain* On = nullptr;
    std::size_t Index = 0;
};

std::optional<Position> Find(std::string_view unit) {
    for (const Chain& chain : kChains) {
        for (std::size_t i = 0; i < chain.Links.size(); ++i) {
            if (chain.Links[i].Unit == unit) return Position{&chain, i};
        }
    }
    return std::nullopt;
}

ChainStep Step(std::string_view from, std::string_view to, int exponent) {
    return {std::string(from), std::string(to), exponent, PowerOfTen(exponent)};
}

// Appends the steps from index `from` to index `to` of one chain.
void Walk(const Chain& chain, std::size_t from, std::size_t to, std::vector<ChainStep>& steps) {
    const auto& links = chain.Links;
    for (std::size_t i = from; i < to; ++i)
        steps.push_back(Step(links[i].Unit, links[i + 1].Unit, links[i].Exponent));
    for (std::size_t i = from; i > to; --i)
        steps.push_back(Step(links[i].Unit, links[i - 1].Unit, -links[i - 1].Exponent));
}

bool OneWay(const std::vector<ChainStep>& steps) {
    bool up = false;
    bool down = false;
    for (const ChainStep& step : steps) {
        up = up || step.Exponent < 0;
        down = down || step.Exponent > 0;
    }
    return !(up && down);
}

} // namespace

std::optional<UnitKind> KindOfUnit(std::string_view unit) {
    const auto position = Find(unit);
    if (!position) return std::nullopt;
    return position->On->Kind;
}

std::optional<std::vector<ChainStep>> ChainPath(std::string_view from, std::string_view to) {
    const auto a = Find(from);
    const auto b = Find(to);
    if (!a || !b) return std::nullopt;
    std::vector<ChainStep> steps;
    if (a->On == b->On) {
        Walk(*a->On, a->Index, b->Index, steps);
        return steps;
    }
    const bool litreToCubic = a->On->Kind == UnitKind::Litre && b->On->Kind == UnitKind::Cubic;
    const bool cubicToLitre = a->On->Kind == UnitKind::Cubic && b->On->Kind == UnitKind::Litre;
    if (!litreToCubic && !cubicToLitre) return std::nullopt;

    std::optional<std::vector<ChainStep>> best;
    for (const auto& [litre, cubic] : kLitreCubicBridges) {
        const auto near = Find(litreToCubic ? litre : cubic);
        const auto far = Find(litreToCubic ? cubic : litre);
        std::vector<ChainStep> path;
        Walk(*a->On, a->Index, near->Index, path);
        path.push_back(Step(near->On->Links[near->Index].Unit, far->On->Links[far->Index].Unit, 0));
        Walk(*b->On, far->Index, b->Index, path);
        const bool better = !best || (OneWay(path) && !OneWay(*best)) ||
                            (OneWay(path) == OneWay(*best) && path.size() < best->size());
        if (better) best = std::move(path);
    }
    return best;
}

} // namespace quarvel
