#include "ui/dokuz.h"

#include "generator/PageRoundTrip.h"
#include "project/OptionLists.h"
#include "project/ProjectRecord.h"
#include "ui/CaptionGrid.h"
#include "ui/ColorSwatch.h"
#include "ui/DigitsField.h"
#include "ui/LineFieldValidator.h"
#include "ui/OptionCombo.h"
#include "ui/PageLayout.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

QCheckBox* useThisBox(const QString& objectName)
{
    auto* box = new QCheckBox;
    box->setObjectName(objectName);
    return box;
}

QLineEdit* customFontField(const QString& objectName)
{
    auto* field = new QLineEdit;
    field->setObjectName(objectName);
    new LineFieldValidator(field);
    return field;
}

QHBoxLayout* customFontRow(QCheckBox* useThis, QLineEdit* customFont)
{
    auto* row = new QHBoxLayout;
    row->addWidget(useThis);
    row->addWidget(customFont, 1);
    return row;
}

} // namespace

dokuz::dokuz(ProjectRecord& record, Platform& platform, QWidget* parent)
    : StepPage(record, platform, parent),
      textFontCombo_(fields().choice(new OptionCombo(OptionLists::fonts(), "textFontCombo"),
                                     &ProjectRecord::textFontIndex)),
      textUseCustomCheck_(fields().tick(useThisBox("textUseCustomCheck"), &ProjectRecord::textUseCustomFont)),
      textCustomFontEdit_(
          fields().text(customFontField("textCustomFontEdit"), &ProjectRecord::textCustomFont)),
      titleFontCombo_(fields().choice(new OptionCombo(OptionLists::fonts(), "titleFontCombo"),
                                      &ProjectRecord::titleFontIndex)),
      titleUseCustomCheck_(
          fields().tick(useThisBox("titleUseCustomCheck"), &ProjectRecord::titleUseCustomFont)),
      titleCustomFontEdit_(
          fields().text(customFontField("titleCustomFontEdit"), &ProjectRecord::titleCustomFont)),
      fontSizeEdit_(fields().text(new DigitsField("fontSizeEdit"), &ProjectRecord::textFontSize)),
      titleFontSizeEdit_(fields().text(new DigitsField("titleFontSizeEdit"), &ProjectRecord::titleFontSize)),
      lineHeightEdit_(fields().text(new DigitsField("lineHeightEdit"), &ProjectRecord::textLineHeight)),
      titleLineHeightEdit_(
          fields().text(new DigitsField("titleLineHeightEdit"), &ProjectRecord::titleLineHeight)),
      alignmentCombo_(fields().choice(new OptionCombo(OptionLists::alignments(), "alignmentCombo"),
                                      &ProjectRecord::alignment)),
      borderWidthEdit_(fields().text(new DigitsField("borderWidthEdit"), &ProjectRecord::borderWidth)),
      borderColorSwatch_(new ColorSwatch(record.borderColor, platform)),
      borderStyleCombo_(fields().choice(new OptionCombo(OptionLists::borders(), "borderStyleCombo"),
                                        &ProjectRecord::borderStyle)),
      textStyleCombo_(fields().choice(new OptionCombo(OptionLists::styles(), "textStyleCombo"),
                                      &ProjectRecord::textStyle)),
      titleStyleCombo_(fields().choice(new OptionCombo(OptionLists::styles(), "titleStyleCombo"),
                                       &ProjectRecord::titleStyle)),
      textDecorationCombo_(fields().choice(new OptionCombo(OptionLists::decorations(), "textDecorationCombo"),
                                           &ProjectRecord::textDecoration)),
      textHoverDecorationCombo_(
          fields().choice(new OptionCombo(OptionLists::decorations(), "textHoverDecorationCombo"),
                          &ProjectRecord::textHoverDecoration)),
      titleDecorationCombo_(
          fields().choice(new OptionCombo(OptionLists::decorations(), "titleDecorationCombo"),
                          &ProjectRecord::titleDecoration)),
      titleHoverDecorationCombo_(
          fields().choice(new OptionCombo(OptionLists::decorations(), "titleHoverDecorationCombo"),
                          &ProjectRecord::titleHoverDecoration))
{
    borderColorSwatch_->setObjectName("borderColorSwatch");
    connect(borderColorSwatch_, &ColorSwatch::colorChosen, this, &dokuz::noteEdited);
    setFirstControl(textFontCombo_);
    textCustomFontEdit_->setAccessibleName(tr("Text font name"));
    titleCustomFontEdit_->setAccessibleName(tr("Title font name"));
    connect(textUseCustomCheck_, &QCheckBox::toggled, this,
            [this] { showCustomFontChoice(textUseCustomCheck_, textFontCombo_, textCustomFontEdit_); });
    connect(titleUseCustomCheck_, &QCheckBox::toggled, this,
            [this] { showCustomFontChoice(titleUseCustomCheck_, titleFontCombo_, titleCustomFontEdit_); });

    auto* alignmentGrid = new CaptionGrid;
    auto* borderGrid = new CaptionGrid;
    auto* right = new QVBoxLayout;
    right->addWidget(alignmentGroup(alignmentGrid));
    right->addWidget(borderGroup(borderGrid));
    right->addStretch();
    auto* lower = new QHBoxLayout;
    lower->addWidget(fontStyleGroup(), 0, Qt::AlignTop);
    lower->addLayout(right, 1);
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(PageLayout::margins);
    page->addWidget(fontGroup());
    page->addLayout(lower);
    page->addStretch();
    CaptionGrid::alignCaptions({alignmentGrid, borderGrid});
}

void dokuz::copyInto(ProjectRecord& design) const
{
    StepPage::copyInto(design);
    design.textFontFace =
        PageRoundTrip::fontFace(design.textUseCustomFont, design.textCustomFont, design.textFontIndex);
    design.titleFontFace =
        PageRoundTrip::fontFace(design.titleUseCustomFont, design.titleCustomFont, design.titleFontIndex);
}

void dokuz::LoadFromRecord()
{
    loadFields();
    textCustomFontEdit_->setCursorPosition(0);
    titleCustomFontEdit_->setCursorPosition(0);
    showCustomFontChoice(textUseCustomCheck_, textFontCombo_, textCustomFontEdit_);
    showCustomFontChoice(titleUseCustomCheck_, titleFontCombo_, titleCustomFontEdit_);
    borderColorSwatch_->refresh();
}

QGroupBox* dokuz::fontGroup()
{
    auto* fonts = new CaptionGrid;
    fonts->addWideRow(tr("Text Font type :"), textFontCombo_);
    fonts->addWideRow(tr("Use this :"), customFontRow(textUseCustomCheck_, textCustomFontEdit_));
    fonts->addWideRow(tr("Title font type :"), titleFontCombo_);
    fonts->addWideRow(tr("Use this :"), customFontRow(titleUseCustomCheck_, titleCustomFontEdit_));
    auto* sizes = new CaptionGrid;
    sizes->addRow(tr("Font size :"), fontSizeEdit_);
    sizes->addRow(tr("Title font size :"), titleFontSizeEdit_);
    sizes->addRow(tr("Line height :"), lineHeightEdit_);
    sizes->addRow(tr("Title line height :"), titleLineHeightEdit_);
    auto* columns = new QHBoxLayout;
    columns->addLayout(fonts, 1);
    columns->addSpacing(12);
    columns->addLayout(sizes);
    return PageLayout::group(tr("Font"), columns);
}

QGroupBox* dokuz::fontStyleGroup()
{
    auto* grid = new CaptionGrid;
    grid->addWideRow(tr("Text style :"), textStyleCombo_);
    grid->addWideRow(tr("Title style :"), titleStyleCombo_);
    grid->addWideRow(tr("Text decoration :"), textDecorationCombo_);
    grid->addWideRow(tr("Mouse over text decoration :"), textHoverDecorationCombo_);
    grid->addWideRow(tr("Title text decoration :"), titleDecorationCombo_);
    grid->addWideRow(tr("Title mouse over text decoration :"), titleHoverDecorationCombo_);
    return PageLayout::group(tr("Font style :"), grid);
}

QGroupBox* dokuz::alignmentGroup(CaptionGrid* grid)
{
    grid->addWideRow(tr("Text alignment :"), alignmentCombo_);
    return PageLayout::group(tr("Alignment"), grid);
}

QGroupBox* dokuz::borderGroup(CaptionGrid* grid)
{
    grid->addRow(tr("Border width :"), borderWidthEdit_);
    grid->addRow(tr("Border color :"), borderColorSwatch_);
    grid->addWideRow(tr("Border style :"), borderStyleCombo_);
    return PageLayout::group(tr("Border :"), grid);
}

// Only the tick box decides which of the two is in use; nothing reaches the record before the flush.
void dokuz::showCustomFontChoice(QCheckBox* useCustom, OptionCombo* fontList, QLineEdit* customFont)
{
    fontList->setEnabled(!useCustom->isChecked());
    customFont->setEnabled(useCustom->isChecked());
}
