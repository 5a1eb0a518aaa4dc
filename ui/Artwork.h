#pragma once

#include <QIcon>
#include <QPixmap>

// The program's own pictures: the Step 1 banner, painted, and the application icon, rendered at build time
// from data/icons/example.marquetto.Marquetto.svg.
class Artwork
{
public:
    static constexpr int bannerWidth = 217;
    static constexpr int bannerHeight = 59;

    // "Marquetto" and, below it, "Wizard", light grey on black; painted with `pixelRatio` device pixels
    // per pixel, so that it stays sharp on a scaled screen.
    static QPixmap banner(qreal pixelRatio = 1);

    static QIcon applicationIcon();
};
