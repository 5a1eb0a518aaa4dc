#pragma once

#include <QAbstractButton>

class Platform;
struct RgbColor;

// A small framed square painted with a colour of the record; a click opens the colour chooser preset to
// it, and OK stores the new colour into the record at once.
class ColorSwatch : public QAbstractButton
{
    Q_OBJECT

public:
    ColorSwatch(RgbColor& color, Platform& platform, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    // Shows the record's colour again, also to screen readers: "Caption : #RRGGBB".
    void refresh();

signals:
    // The user chose a colour, now in the record.
    void colorChosen();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor shownColor() const;
    QString caption() const;
    void chooseColor();

    RgbColor& color_;
    Platform& platform_;
};
