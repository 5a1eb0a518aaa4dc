#pragma once

#include "project/RgbColor.h"

#include <string>

// How design values are written into the generated page and scripts.
class ValueFormats
{
public:
    struct StyleWords
    {
        std::string style;
        std::string weight;
    };

    // "%02X" per component: above 255 gives more digits, a negative one its 32-bit two's complement.
    static std::string HexColor(const RgbColor& color);
    static StyleWords FontStyleWords(int index);
    static std::string AlignWord(int index);
    static std::string DecorationWord(int flag);
    static std::string bodyDecorationCode(int flag);
    static std::string titleDecorationCode(int flag);
    static std::string borderStyleWord(int index);
    // Seconds of the IE transition for a speed: "2", "1", "0.6" or "0.4".
    static std::string transitionDuration(int speed);

    // A typed number without its leading zeros ("02" gives "2", "0" stays "0"), so that no script reads
    // it as an octal number and the page and the scripts agree; a text that does not begin with a number
    // (after blanks and a sign) is returned as typed.
    static std::string number(const std::string& typed);

    // The pause text with "000" appended: text, not arithmetic, so "3s" gives "3s000".
    static std::string standardsPause(const std::string& pause);
    static std::string pauseMilliseconds(const std::string& pause);
    // The pause plus the transition's duration, so a fader page stands still for the whole pause; 0 for
    // a speed outside the list.
    static std::string iePause(const std::string& pause, int transitionSpeed);
};
