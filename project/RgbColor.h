#pragma once

// A colour as the colour chooser gives it; values read from a file are kept whatever their range.
struct RgbColor
{
    int red = 0;
    int green = 0;
    int blue = 0;

    friend bool operator==(const RgbColor&, const RgbColor&) = default;
};
