#include "ui/ArtworkIconEngine.h"

#include "ui/Artwork.h"

#include <QPainter>

void ArtworkIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state)
{
    painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
}

QPixmap ArtworkIconEngine::pixmap(const QSize& size, QIcon::Mode, QIcon::State)
{
    const int side = qMin(size.width(), size.height());
    auto found = painted_.constFind(side);
    if (found == painted_.constEnd())
        found = painted_.insert(side, QPixmap::fromImage(Artwork::applicationIconImage(side)));
    return *found;
}

QList<QSize> ArtworkIconEngine::availableSizes(QIcon::Mode, QIcon::State)
{
    return {QSize(16, 16), QSize(24, 24), QSize(32, 32), QSize(48, 48), QSize(64, 64)};
}

QIconEngine* ArtworkIconEngine::clone() const
{
    return new ArtworkIconEngine(*this);
}
