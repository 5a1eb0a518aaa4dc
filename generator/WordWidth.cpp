#include "generator/WordWidth.h"

#include <algorithm>
#include <array>

namespace {

// The advance of each printable ASCII character in thousandths of the font size: the narrowest of
// Helvetica's, Times' and Courier's (their published metrics, which Arial, Times New Roman and Courier
// New and their free look-alikes share), so that no common face sets a word narrower than this.
constexpr std::array<int, 95> narrowestAdvance = {
    250, 278, 355, 500, 500, 600, 600, 180, 333, 333, 389, 564, 250, 333, 250, 278, //  !"#$%&'()*+,-./
    500, 500, 500, 500, 500, 500, 500, 500, 500, 500, 278, 278, 564, 564, 564, 444, // 0123456789:;<=>?
    600, 600, 600, 600, 600, 600, 556, 600, 600, 278, 389, 600, 556, 600, 600, 600, // @ABCDEFGHIJKLMNO
    556, 600, 600, 556, 600, 600, 600, 600, 600, 600, 600, 278, 278, 278, 469, 500, // PQRSTUVWXYZ[\]^_
    333, 444, 500, 444, 500, 444, 278, 500, 500, 222, 222, 500, 222, 600, 500, 500, // `abcdefghijklmno
    500, 500, 333, 389, 278, 500, 500, 600, 500, 500, 444, 334, 200, 334, 541,      // pqrstuvwxyz{|}~
};
// Helvetica's advances, which Arial and its look-alikes share.
constexpr std::array<int, 95> helveticaAdvance = {
    278,  278, 355, 556, 556, 889, 667, 191, 333, 333, 389, 584, 278, 333, 278, 278, //  !"#$%&'()*+,-./
    556,  556, 556, 556, 556, 556, 556, 556, 556, 556, 278, 278, 584, 584, 584, 556, // 0123456789:;<=>?
    1015, 667, 667, 722, 722, 667, 611, 778, 722, 278, 500, 667, 556, 833, 722, 778, // @ABCDEFGHIJKLMNO
    667,  778, 722, 667, 611, 722, 667, 944, 667, 667, 611, 278, 278, 278, 469, 556, // PQRSTUVWXYZ[\]^_
    333,  556, 556, 500, 556, 556, 278, 556, 556, 222, 222, 500, 222, 833, 556, 556, // `abcdefghijklmno
    556,  556, 333, 500, 278, 556, 500, 722, 500, 500, 500, 334, 260, 334, 584,      // pqrstuvwxyz{|}~
};
// Faces that set no character narrower than Helvetica does. A list of these alone is as wide as that
// wherever it lands: every desktop has Arial or Helvetica, or a face of the same widths under its name.
constexpr std::array<std::string_view, 10> atLeastHelvetica = {
    "arial",      "helvetica",       "verdana",     "ms sans serif", "microsoft sans serif",
    "sans-serif", "liberation sans", "nimbus sans", "dejavu sans",   "comic sans ms",
};
// Latin letters with accents are at least as wide as the narrowest letter, "i".
constexpr int narrowestLetter = 222;
// Beyond the Latin letters widths vary too much to guess, and many scripts break between any two
// characters.
constexpr char32_t lastLatinLetter = 0x24F;

bool isSpace(char32_t c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == 0xA0;
}

bool isAsciiLetter(char32_t c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isAsciiAlnum(char32_t c)
{
    return isAsciiLetter(c) || (c >= '0' && c <= '9');
}

bool hasKnownWidth(char32_t c)
{
    return (c >= 0x20 && c < 0x7F) || (c > 0xA0 && c <= lastLatinLetter);
}

// Where markup that starts at `at` ends, or `at` when the "<" or "&" there is a plain character.
std::size_t afterMarkup(std::u32string_view text, std::size_t at)
{
    const bool tag =
        text[at] == '<' && at + 1 < text.size() &&
        (isAsciiLetter(text[at + 1]) || text[at + 1] == '/' || text[at + 1] == '!' || text[at + 1] == '?');
    if (tag) {
        const std::size_t close = text.find(U'>', at);
        return close == std::u32string_view::npos ? text.size() : close + 1;
    }
    if (text[at] == '&' && at + 1 < text.size() && (isAsciiLetter(text[at + 1]) || text[at + 1] == '#')) {
        std::size_t end = at + 2;
        while (end < text.size() && isAsciiAlnum(text[end]))
            ++end;
        if (end < text.size() && text[end] == ';')
            return end + 1;
    }
    return at;
}

std::string_view trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t\"'");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\"'") - first + 1);
}

bool isAtLeastHelvetica(std::string_view family)
{
    std::string lower(trimmed(family));
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return std::find(atLeastHelvetica.begin(), atLeastHelvetica.end(), lower) != atLeastHelvetica.end();
}

const std::array<int, 95>& advancesOf(std::string_view fontFace)
{
    std::size_t start = 0;
    while (start <= fontFace.size()) {
        const std::size_t comma = std::min(fontFace.find(',', start), fontFace.size());
        if (!isAtLeastHelvetica(fontFace.substr(start, comma - start)))
            return narrowestAdvance;
        start = comma + 1;
    }
    return helveticaAdvance;
}

} // namespace

WordWidth::Word WordWidth::widestIn(std::u32string_view text, std::string_view fontFace, double fontPixels)
{
    Word widest;
    std::u32string word;
    const auto endWord = [&] {
        if (const double pixels = least(word, fontFace, fontPixels); pixels > widest.pixels)
            widest = {word, pixels};
        word.clear();
    };
    for (std::size_t at = 0; at < text.size();) {
        const char32_t c = text[at];
        if (const std::size_t after = afterMarkup(text, at); after != at) {
            endWord();
            at = after;
            continue;
        }
        ++at;
        if (isSpace(c) || !hasKnownWidth(c)) {
            endWord();
            continue;
        }
        word += c;
        // A line may break after a hyphen or a slash.
        if (c == '-' || c == '/')
            endWord();
    }
    endWord();
    return widest;
}

double WordWidth::least(std::u32string_view word, std::string_view fontFace, double fontPixels)
{
    const std::array<int, 95>& advances = advancesOf(fontFace);
    int thousandths = 0;
    for (char32_t c : word)
        if (hasKnownWidth(c))
            thousandths += c < 0x7F ? advances[c - 0x20] : narrowestLetter;
    return thousandths * fontPixels / 1000;
}
