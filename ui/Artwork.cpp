#include "ui/Artwork.h"

#include "ui/ArtworkIconEngine.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

const QColor lightGrey(0xD4, 0xD4, 0xD4);
const QColor dimGrey(0x6E, 0x6E, 0x6E);
// The icon is designed on a 256-pixel square and scaled to each size.
constexpr qreal iconDesignSize = 256.0;

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

void paintIconPanel(QPainter& painter)
{
    QLinearGradient background(0, 0, 0, iconDesignSize);
    background.setColorAt(0, QColor(0x2B, 0x3A, 0x5E));
    background.setColorAt(1, QColor(0x16, 0x1F, 0x36));
    painter.setPen(Qt::NoPen);
    painter.setBrush(background);
    painter.drawRoundedRect(QRectF(8, 8, 240, 240), 40, 40);
    painter.setBrush(QColor(0xFA, 0xFA, 0xF7));
    painter.drawRoundedRect(QRectF(44, 40, 168, 176), 14, 14);
}

// Two messages: a red title bar over grey text lines each.
void paintIconMessages(QPainter& painter)
{
    for (int message = 0; message < 2; ++message) {
        const qreal top = 62 + message * 80;
        painter.setBrush(QColor(0xB9, 0x00, 0x00));
        painter.drawRoundedRect(QRectF(64, top, 92, 16), 6, 6);
        painter.setBrush(QColor(0x8A, 0x90, 0xA0));
        painter.drawRoundedRect(QRectF(64, top + 28, 128, 10), 5, 5);
        painter.drawRoundedRect(QRectF(64, top + 46, 104, 10), 5, 5);
    }
}

void paintIconArrow(QPainter& painter)
{
    QPainterPath arrow;
    arrow.moveTo(196, 52);
    arrow.lineTo(224, 90);
    arrow.lineTo(206, 90);
    arrow.lineTo(206, 130);
    arrow.lineTo(186, 130);
    arrow.lineTo(186, 90);
    arrow.lineTo(168, 90);
    arrow.closeSubpath();
    painter.setBrush(QColor(0xF2, 0xA5, 0x1A));
    painter.setPen(QPen(QColor(0x16, 0x1F, 0x36), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(arrow);
}

} // namespace

QPixmap Artwork::banner()
{
    QPixmap picture(bannerWidth, bannerHeight);
    picture.fill(Qt::black);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    paintBannerLines(painter);
    painter.setPen(lightGrey);
    painter.setFont(bannerFont(27, QFont::Bold));
    painter.drawText(QRect(48, 3, 166, 34), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Marquetto"));
    painter.setFont(bannerFont(15, QFont::Normal));
    painter.drawText(QRect(48, 34, 162, 20), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Wizard"));
    return picture;
}

QImage Artwork::applicationIconImage(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / iconDesignSize, size / iconDesignSize);
    paintIconPanel(painter);
    paintIconMessages(painter);
    paintIconArrow(painter);
    return image;
}

QIcon Artwork::applicationIcon()
{
    return QIcon(new ArtworkIconEngine);
}
