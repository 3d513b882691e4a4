#include "worksheet/TrainingNames.h"

#include "core/Selection.h"

#include <algorithm>

namespace quarvel {
namespace {

using T = Training;

constexpr TrainingWord kWords[] = {
    {T::DekNum, "dek-num"},
    {T::DekDek, "dek-dek"},
    {T::DezNum, "dez-num"},
    {T::DezDez, "dez-dez"},
    {T::Laenge, "laenge"},
    {T::Masse, "masse"},
    {T::Flaeche, "flaeche"},
    {T::Kubik, "kubik"},
    {T::Liter, "liter"},
    {T::Gemischt, "gemischt"},
    {T::LM, "laengen-massen"},
    {T::LF, "laengen-flaechen"},
    {T::LFM, "laengen-flaechen-massen"},
    {T::FR, "flaechen-raummasse"},
    {T::Alle, "alle"},
};

constexpr bool InEnumOrder() {
    for (std::size_t i = 0; i < std::size(kWords); ++i) {
        if (static_cast<std::size_t>(kWords[i].Id) != i) return false;
    }
    return true;
}
static_assert(std::size(kWords) == 15 && InEnumOrder(), "one word per training, in enum order");

std::string_view WithoutMnemonic(std::string_view caption) {
    return caption.starts_with('&') ? caption.substr(1) : caption;
}

// The submenu whose level items set the training's level field, with the
// captions on the way to it.
const MenuEntry* FindLevels(const std::vector<MenuEntry>& entries, int SelectionState::*level,
                            std::vector<std::string_view>& path) {
    for (const MenuEntry& entry : entries) {
        if (entry.Children.empty()) continue;
        path.push_back(WithoutMnemonic(entry.Caption));
        if (entry.Children.front().Action == MenuAction::ChooseLevel &&
            entry.Children.front().Level == level) {
            return &entry;
        }
        if (const MenuEntry* found = FindLevels(entry.Children, level, path)) return found;
        path.pop_back();
    }
    return nullptr;
}

// ASCII lower case with the umlauts spelt out, so "Länge" reads as "laenge".
std::string Folded(std::string_view word) {
    std::string folded;
    for (std::size_t i = 0; i < word.size(); ++i) {
        const std::string_view rest = word.substr(i);
        const auto spell = [&](std::string_view utf8, std::string_view ascii) {
            if (!rest.starts_with(utf8)) return false;
            folded += ascii;
            i += utf8.size() - 1;
            return true;
        };
        if (spell("ä", "ae") || spell("Ä", "ae") || spell("ö", "oe") || spell("Ö", "oe") ||
            spell("ü", "ue") || spell("Ü", "ue") || spell("ß", "ss")) {
            continue;
        }
        const char c = word[i];
        folded += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return folded;
}

} // namespace

std::span<const TrainingWord> TrainingWords() {
    return kWords;
}

std::string_view WordOf(Training training) {
    return kWords[static_cast<std::size_t>(training)].Word;
}

std::optional<Training> TrainingByWord(std::string_view word) {
    const std::string folded = Folded(word);
    for (const TrainingWord& w : kWords) {
        if (w.Word == folded) return w.Id;
    }
    return std::nullopt;
}

std::vector<std::string_view> MenuPath(Training training) {
    std::vector<std::string_view> path;
    FindLevels(StartMenu(), InfoOf(training).Level, path);
    return path;
}

std::string TrainingTitle(Training training) {
    std::string title;
    for (const std::string_view caption : MenuPath(training)) {
        if (!title.empty()) title += " · ";
        title += caption;
    }
    return title;
}

std::vector<LevelName> LevelsOf(Training training) {
    std::vector<std::string_view> path;
    const MenuEntry* menu = FindLevels(StartMenu(), InfoOf(training).Level, path);
    std::vector<LevelName> levels;
    if (menu == nullptr) return levels;
    for (const MenuEntry& item : menu->Children)
        levels.push_back({item.Value, item.Caption});
    return levels;
}

std::string_view LevelCaption(Training training, int level) {
    const std::vector<LevelName> levels = LevelsOf(training);
    const auto found = std::find_if(levels.begin(), levels.end(),
                                    [level](const LevelName& l) { return l.Level == level; });
    return found == levels.end() ? std::string_view() : found->Caption;
}

} // namespace quarvel
