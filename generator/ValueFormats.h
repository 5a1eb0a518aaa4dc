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

    // The pause text with "000" appended: text, not arithmetic, so "02" gives "02000".
    static std::string standardsPause(const std::string& pause);
    static std::string pauseMilliseconds(const std::string& pause);
    // The pause plus the transition's duration, so a fader page stands still for the whole pause; 0 for
    // a speed outside the list.
    static std::string iePause(const std::string& pause, int transitionSpeed);
};
