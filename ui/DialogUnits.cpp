#include "ui/DialogUnits.h"

#include <cmath>

namespace {

// Averaged over the alphabet, as dialog units are, rather than the font's own average, which some fonts
// state far from the letters' real widths.
const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");

} // namespace

DialogUnits::DialogUnits(const QFontMetrics& metrics)
    : averageCharWidth_(metrics.horizontalAdvance(alphabet) / double(alphabet.size())),
      height_(metrics.height())
{}

int DialogUnits::x(int units) const
{
    return static_cast<int>(std::lround(units * averageCharWidth_ / 4));
}

int DialogUnits::y(int units) const
{
    return static_cast<int>(std::lround(units * height_ / 8.0));
}
