#pragma once

#include <QIcon>
#include <QPixmap>

// The program's own pictures, painted rather than shipped: the Step 1 banner and the application icon.
class Artwork
{
public:
    static constexpr int bannerWidth = 217;
    static constexpr int bannerHeight = 59;

    // "Marquetto" and, below it, "Wizard", light grey on black.
    static QPixmap banner();

    // The icon at any size, painted when a size is first asked for.
    static QIcon applicationIcon();
    // One square image of the icon, `size` pixels wide.
    static QImage applicationIconImage(int size);
};
