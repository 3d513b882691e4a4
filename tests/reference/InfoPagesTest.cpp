// The information pages' markup and how a screen reader reads them; their
// places, wording and figures are compared with their tables in tests/tables.
#include "reference/InfoPages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>

namespace quarvel {
namespace {

// Highlights come in pairs of "#", and a raise or lower mark always has a
// character to act on.
TEST(InfoPages, Markup) {
    EXPECT_TRUE(InfoPageFor(0) == nullptr && InfoPageFor(InfoPageCount + 1) == nullptr);
    for (int page = 1; page <= InfoPageCount; ++page) {
        for (const InfoLine& l : InfoPageFor(page)->Lines) {
            EXPECT_EQ(std::count(l.Text.begin(), l.Text.end(), '#') % 2, 0) << l.Text;
            EXPECT_TRUE(!l.Text.empty() && l.Text.back() != '^' && l.Text.back() != '!');
        }
    }
}

// Read line by line, a page has no markup and no word cut at a line end; a
// table row is one line; every picture is named.
TEST(InfoPages, SpokenLinesHoldWholeWords) {
    std::string all;
    for (int page = 1; page <= InfoPageCount; ++page) {
        for (const SpokenLine& line : SpokenPage(*InfoPageFor(page))) {
            EXPECT_EQ(line.Text.find_first_of("#^!"), std::string::npos) << line.Text;
            const std::size_t n = line.Text.size();
            EXPECT_FALSE(n > 1 && line.Text[n - 1] == '-' && std::isalpha(line.Text[n - 2]))
                << line.Text;
            all += line.Text + "\n";
        }
    }
    for (const char* whole : {"drei aneinandergelegten\nGerstenkörnern", "die Meterstäbe,\n",
                              "(Krypton-86)", "der Fundamentalkonstanten\nder Physik",
                              "\n1 Elle = 1,143 m\n", "Dezimal- und Küchenwaage"})
        EXPECT_NE(all.find(whole), std::string::npos) << whole;
    for (const InfoPicture& picture : InfoPictures())
        EXPECT_FALSE(picture.Subject.empty());
}

} // namespace
} // namespace quarvel
