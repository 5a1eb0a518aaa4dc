#pragma once

#include <QFontMetrics>
#include <QSize>

// Sizes given in dialog units, turned into pixels for a font: a horizontal unit is a quarter of the
// font's average character width, a vertical unit an eighth of its height, so that fields, buttons and
// pages grow with the font the user chose.
class DialogUnits
{
public:
    explicit DialogUnits(const QFontMetrics& metrics);

    int x(int units) const;
    int y(int units) const;
    QSize size(int widthUnits, int heightUnits) const { return {x(widthUnits), y(heightUnits)}; }

private:
    double averageCharWidth_;
    int height_;
};
