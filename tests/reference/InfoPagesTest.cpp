// The information pages as data: pictures, where the lines run, highlight
// markup and how a screen reader reads them.
#include "reference/InfoPages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>

namespace quarvel {
namespace {

const std::vector<InfoLine>& Lines(int page) {
    return InfoPageFor(page)->Lines;
}

TEST(InfoPages, PicturesFitTheWindowAndNeverCoverEachOther) {
    const auto pictures = InfoPictures();
    for (const InfoPicture& a : pictures) {
        EXPECT_EQ(a.Number, &a - pictures.data() + 1);
        EXPECT_TRUE(a.Left + a.Width <= InfoClientWidth && a.Top + a.Height <= InfoClientHeight);
        for (const InfoPicture& b : pictures) {
            const bool apart = a.Left + a.Width <= b.Left || b.Left + b.Width <= a.Left ||
                               a.Top + a.Height <= b.Top || b.Top + b.Height <= a.Top;
            EXPECT_TRUE(apart || a.Page != b.Page || &a == &b) << a.Number << " " << b.Number;
        }
    }
    EXPECT_TRUE(InfoPageFor(0) == nullptr && InfoPageFor(InfoPageCount + 1) == nullptr);
}

// Text pages run down the left margin, a text height apart or more; highlights
// come in pairs of "#", and a raise or lower mark always has a character to act
// on.
TEST(InfoPages, TextPages) {
    for (int page = 1; page <= 4; ++page) {
        const auto& lines = Lines(page);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            EXPECT_EQ(lines[i].X, 10) << lines[i].Text;
            EXPECT_TRUE(i == 0 || lines[i].Y - lines[i - 1].Y >= 20) << lines[i].Text;
        }
    }
    for (int page = 1; page <= InfoPageCount; ++page) {
        for (const InfoLine& l : Lines(page)) {
            EXPECT_EQ(std::count(l.Text.begin(), l.Text.end(), '#') % 2, 0) << l.Text;
            EXPECT_TRUE(!l.Text.empty() && l.Text.back() != '^' && l.Text.back() != '!');
        }
    }
    // A highlight may end with a word cut at the end of its line.
    EXPECT_TRUE(std::any_of(Lines(2).begin(), Lines(2).end(), [](const InfoLine& l) {
        return l.Text.find("#Fundamental-#") != std::string::npos;
    }));
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
