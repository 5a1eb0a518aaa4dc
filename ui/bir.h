#pragma once

#include "ui/StepPage.h"

class CaptionGrid;
class ColorSwatch;
class DigitsField;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
struct RgbColor;

// The Step 2 page: size of the box, space between messages, margins, five colours, background image.
class bir : public StepPage
{
    Q_OBJECT

public:
    bir(ProjectRecord& record, Platform& platform, QWidget* parent = nullptr);

    void FlushToRecord() override;
    void LoadFromRecord() override;
    void copyInto(ProjectRecord& design) const override;

private:
    QGroupBox* sizeGroup(CaptionGrid* grid);
    QGroupBox* spaceGroup(CaptionGrid* grid);
    QGroupBox* marginsGroup(CaptionGrid* grid);
    QGroupBox* colorGroup(CaptionGrid* grid);
    QGroupBox* backgroundImageGroup(CaptionGrid* grid);

    ColorSwatch* swatch(RgbColor& color, const QString& objectName);

    void warnAboutWidth();
    void setBackgroundImageOn(bool on);
    void browseForImage();
    void copyIntoWorkFolder(const QString& chosenPath, const QString& fileName);

    DigitsField* widthEdit_;
    DigitsField* heightEdit_;
    DigitsField* spaceEdit_;
    DigitsField* topMarginEdit_;
    DigitsField* bottomMarginEdit_;
    DigitsField* leftMarginEdit_;
    DigitsField* rightMarginEdit_;
    QList<ColorSwatch*> swatches_;
    QCheckBox* bgImageCheck_;
    QLineEdit* bgImageNameEdit_;
    QPushButton* browseButton_;
    DigitsField* imageXEdit_;
    DigitsField* imageYEdit_;
};
