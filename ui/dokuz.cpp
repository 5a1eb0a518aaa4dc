#include "ui/dokuz.h"

#include "generator/PageRoundTrip.h"
#include "project/OptionLists.h"
#include "project/ProjectRecord.h"
#include "ui/CaptionGrid.h"
#include "ui/ColorSwatch.h"
#include "ui/DigitsField.h"
#include "ui/OptionCombo.h"
#include "ui/PageLayout.h"
#include "ui/RecordText.h"

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
      textFontCombo_(new OptionCombo(OptionLists::fonts(), "textFontCombo")),
      textUseCustomCheck_(useThisBox("textUseCustomCheck")),
      textCustomFontEdit_(customFontField("textCustomFontEdit")),
      titleFontCombo_(new OptionCombo(OptionLists::fonts(), "titleFontCombo")),
      titleUseCustomCheck_(useThisBox("titleUseCustomCheck")),
      titleCustomFontEdit_(customFontField("titleCustomFontEdit")),
      fontSizeEdit_(new DigitsField("fontSizeEdit")),
      titleFontSizeEdit_(new DigitsField("titleFontSizeEdit")),
      lineHeightEdit_(new DigitsField("lineHeightEdit")),
      titleLineHeightEdit_(new DigitsField("titleLineHeightEdit")),
      alignmentCombo_(new OptionCombo(OptionLists::alignments(), "alignmentCombo")),
      borderWidthEdit_(new DigitsField("borderWidthEdit")),
      borderColorSwatch_(new ColorSwatch(record.borderColor, platform)),
      borderStyleCombo_(new OptionCombo(OptionLists::borders(), "borderStyleCombo")),
      textStyleCombo_(new OptionCombo(OptionLists::styles(), "textStyleCombo")),
      titleStyleCombo_(new OptionCombo(OptionLists::styles(), "titleStyleCombo")),
      textDecorationCombo_(new OptionCombo(OptionLists::decorations(), "textDecorationCombo")),
      textHoverDecorationCombo_(new OptionCombo(OptionLists::decorations(), "textHoverDecorationCombo")),
      titleDecorationCombo_(new OptionCombo(OptionLists::decorations(), "titleDecorationCombo")),
      titleHoverDecorationCombo_(new OptionCombo(OptionLists::decorations(), "titleHoverDecorationCombo"))
{
    borderColorSwatch_->setObjectName("borderColorSwatch");
    setFocusProxy(textFontCombo_);
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

void dokuz::FlushToRecord()
{
    RecordText::store(record(), record().borderWidth, borderWidthEdit_->text());
    record().textFontIndex = textFontCombo_->currentIndex();
    record().titleFontIndex = titleFontCombo_->currentIndex();
    record().textUseCustomFont =
        textUseCustomCheck_->isChecked() ? ProjectRecord::ticked : ProjectRecord::unticked;
    record().titleUseCustomFont =
        titleUseCustomCheck_->isChecked() ? ProjectRecord::ticked : ProjectRecord::unticked;
    record().textStyle = textStyleCombo_->currentIndex();
    record().titleStyle = titleStyleCombo_->currentIndex();
    record().alignment = alignmentCombo_->currentIndex();
    record().borderStyle = borderStyleCombo_->currentIndex();
    record().textDecoration = textDecorationCombo_->currentIndex();
    record().textHoverDecoration = textHoverDecorationCombo_->currentIndex();
    record().titleDecoration = titleDecorationCombo_->currentIndex();
    record().titleHoverDecoration = titleHoverDecorationCombo_->currentIndex();
    RecordText::store(record(), record().textLineHeight, lineHeightEdit_->text());
    RecordText::store(record(), record().titleLineHeight, titleLineHeightEdit_->text());
    RecordText::store(record(), record().textFontSize, fontSizeEdit_->text());
    RecordText::store(record(), record().titleFontSize, titleFontSizeEdit_->text());
    RecordText::store(record(), record().textCustomFont, textCustomFontEdit_->text());
    RecordText::store(record(), record().titleCustomFont, titleCustomFontEdit_->text());
    record().textFontFace =
        PageRoundTrip::fontFace(record().textUseCustomFont, record().textCustomFont, record().textFontIndex);
    record().titleFontFace = PageRoundTrip::fontFace(record().titleUseCustomFont, record().titleCustomFont,
                                                     record().titleFontIndex);
}

void dokuz::LoadFromRecord()
{
    borderWidthEdit_->setText(RecordText::shown(record(), record().borderWidth));
    textFontCombo_->selectPosition(record().textFontIndex);
    titleFontCombo_->selectPosition(record().titleFontIndex);
    textUseCustomCheck_->setChecked(record().textUseCustomFont == ProjectRecord::ticked);
    titleUseCustomCheck_->setChecked(record().titleUseCustomFont == ProjectRecord::ticked);
    textStyleCombo_->selectPosition(record().textStyle);
    titleStyleCombo_->selectPosition(record().titleStyle);
    alignmentCombo_->selectPosition(record().alignment);
    borderStyleCombo_->selectPosition(record().borderStyle);
    textDecorationCombo_->selectPosition(record().textDecoration);
    textHoverDecorationCombo_->selectPosition(record().textHoverDecoration);
    titleDecorationCombo_->selectPosition(record().titleDecoration);
    titleHoverDecorationCombo_->selectPosition(record().titleHoverDecoration);
    lineHeightEdit_->setText(RecordText::shown(record(), record().textLineHeight));
    titleLineHeightEdit_->setText(RecordText::shown(record(), record().titleLineHeight));
    fontSizeEdit_->setText(RecordText::shown(record(), record().textFontSize));
    titleFontSizeEdit_->setText(RecordText::shown(record(), record().titleFontSize));
    textCustomFontEdit_->setText(RecordText::shown(record(), record().textCustomFont));
    titleCustomFontEdit_->setText(RecordText::shown(record(), record().titleCustomFont));
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
