#include "ui/Artwork.h"

#include <QCoreApplication>
#include <QFont>
#include <QPainter>

namespace {

const QColor lightGrey(0xD4, 0xD4, 0xD4);
const QColor dimGrey(0x6E, 0x6E, 0x6E);

QFont bannerFont(int pixelSize, QFont::Weight weight)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    return font;
}

// Thin lines at the left edge, like messages passing upwards.
void paintBannerLines(QPainter& painter)
{
    painter.setPen(Qt::NoPen);
    const int lengths[] = {26, 18, 30, 14, 22};
    for (int i = 0; i < 5; ++i) {
        painter.setBrush(i == 0 ? lightGrey : dimGrey);
        painter.drawRect(QRect(10, 9 + i * 9, lengths[i], 3));
    }
}

} // namespace

QPixmap Artwork::banner(qreal pixelRatio)
{
    QPixmap picture(QSize(bannerWidth, bannerHeight) * pixelRatio);
    picture.setDevicePixelRatio(pixelRatio);
    picture.fill(Qt::black);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    paintBannerLines(painter);
    painter.setPen(lightGrey);
    painter.setFont(bannerFont(27, QFont::Bold));
    painter.drawText(QRect(48, 3, 166, 34), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Marquetto"));
    painter.setFont(bannerFont(15, QFont::Normal));
    painter.drawText(QRect(48, 34, 162, 20), Qt::AlignRight | Qt::AlignVCenter,
                     QCoreApplication::translate("Artwork", "Wizard"));
    return picture;
}

QIcon Artwork::applicationIcon()
{
    // Window frames take every size an icon offers over the wire, so it offers only the small ones they show.
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64})
        icon.addFile(QStringLiteral(":/marquetto/icons/%1.png").arg(size), QSize(size, size));
    return icon;
}
