#pragma once

#include <QHash>
#include <QIconEngine>

// Paints the application icon at the size asked for, when it is asked for. Window frames take every
// size an icon offers over the wire, so it offers only the small ones they show.
class ArtworkIconEngine : public QIconEngine
{
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QIconEngine* clone() const override;

private:
    QHash<int, QPixmap> painted_;
};
