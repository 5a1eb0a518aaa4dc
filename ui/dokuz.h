#pragma once

#include "ui/StepPage.h"

class CaptionGrid;
class ColorSwatch;
class DigitsField;
class OptionCombo;
class QCheckBox;
class QGroupBox;
class QLineEdit;

// The Step 3 page: fonts of texts and titles, sizes and line heights, styles and decorations, alignment
// and border; its flush also derives the two font faces that generation uses.
class dokuz : public StepPage
{
    Q_OBJECT

public:
    dokuz(ProjectRecord& record, Platform& platform, QWidget* parent = nullptr);

    void LoadFromRecord() override;
    void copyInto(ProjectRecord& design) const override;

private:
    QGroupBox* fontGroup();
    QGroupBox* fontStyleGroup();
    QGroupBox* alignmentGroup(CaptionGrid* grid);
    QGroupBox* borderGroup(CaptionGrid* grid);

    void showCustomFontChoice(QCheckBox* useCustom, OptionCombo* fontList, QLineEdit* customFont);

    OptionCombo* textFontCombo_;
    QCheckBox* textUseCustomCheck_;
    QLineEdit* textCustomFontEdit_;
    OptionCombo* titleFontCombo_;
    QCheckBox* titleUseCustomCheck_;
    QLineEdit* titleCustomFontEdit_;
    DigitsField* fontSizeEdit_;
    DigitsField* titleFontSizeEdit_;
    DigitsField* lineHeightEdit_;
    DigitsField* titleLineHeightEdit_;
    OptionCombo* alignmentCombo_;
    DigitsField* borderWidthEdit_;
    ColorSwatch* borderColorSwatch_;
    OptionCombo* borderStyleCombo_;
    OptionCombo* textStyleCombo_;
    OptionCombo* titleStyleCombo_;
    OptionCombo* textDecorationCombo_;
    OptionCombo* textHoverDecorationCombo_;
    OptionCombo* titleDecorationCombo_;
    OptionCombo* titleHoverDecorationCombo_;
};
