#pragma once

#include <string>
#include <string_view>

// How much room a word of a message takes at least in a reader's browser. Browsers break lines only
// between words, so a column narrower than a word lets the word run on past the column's side.
class WordWidth
{
public:
    struct Word
    {
        std::u32string text;
        double pixels = 0;
    };

    // The widest word of a title or text as the browser's string holds it, in the CSS font family list
    // `fontFace`. Markup, entities and characters of unknown width count as breaks, so that the estimate
    // errs on the narrow side.
    static Word widestIn(std::u32string_view text, std::string_view fontFace, double fontPixels);
    // The width that `word` has at least in whichever face of the list the reader's browser uses.
    static double least(std::u32string_view word, std::string_view fontFace, double fontPixels);
};
