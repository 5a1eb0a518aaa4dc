#include "ui/dokuz.h"

#include "project/ProjectRecord.h"
#include "tests/support/DefaultDesign.h"
#include "tests/support/FakePlatform.h"
#include "tests/support/FindWidget.h"
#include "tests/support/RecordComparison.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>
#include <stdexcept>

namespace {

struct ListCase
{
    const char* objectName;
    int ProjectRecord::*field;
    int loaded;
    int chosen;
};

// Neighbouring lists get different values, so that two crossed lists show.
const ListCase lists[] = {
    {"textFontCombo", &ProjectRecord::textFontIndex, 9, 2},
    {"titleFontCombo", &ProjectRecord::titleFontIndex, 12, 4},
    {"textStyleCombo", &ProjectRecord::textStyle, 2, 3},
    {"titleStyleCombo", &ProjectRecord::titleStyle, 3, 0},
    {"textDecorationCombo", &ProjectRecord::textDecoration, 1, 0},
    {"textHoverDecorationCombo", &ProjectRecord::textHoverDecoration, 0, 1},
    {"titleDecorationCombo", &ProjectRecord::titleDecoration, 1, 0},
    {"titleHoverDecorationCombo", &ProjectRecord::titleHoverDecoration, 0, 1},
    {"alignmentCombo", &ProjectRecord::alignment, 2, 1},
    {"borderStyleCombo", &ProjectRecord::borderStyle, 1, 2},
};

struct TextCase
{
    const char* objectName;
    std::string ProjectRecord::*field;
};

const TextCase texts[] = {
    {"fontSizeEdit", &ProjectRecord::textFontSize},
    {"titleFontSizeEdit", &ProjectRecord::titleFontSize},
    {"lineHeightEdit", &ProjectRecord::textLineHeight},
    {"titleLineHeightEdit", &ProjectRecord::titleLineHeight},
    {"borderWidthEdit", &ProjectRecord::borderWidth},
    {"textCustomFontEdit", &ProjectRecord::textCustomFont},
    {"titleCustomFontEdit", &ProjectRecord::titleCustomFont},
};

class Step3Page : public testing::Test
{
protected:
    Step3Page()
    {
        page.LoadFromRecord();
        page.show();
    }

    template <typename Widget> Widget* find(const char* objectName)
    {
        return findWidget<Widget>(&page, objectName);
    }

    QComboBox* list(const char* objectName) { return find<QComboBox>(objectName); }
    QLineEdit* field(const char* objectName) { return find<QLineEdit>(objectName); }
    QCheckBox* tick(const char* objectName) { return find<QCheckBox>(objectName); }

    ProjectRecord record = defaultDesign();
    FakePlatform platform;
    dokuz page{record, platform};
};

struct FontRow
{
    int useCustomFont;
    std::string customFont;
    int fontIndex;
    std::string face;
    int storedIndex;
};

const FontRow fontRows[] = {
    {1, "", 3, "", 3},
    {0, "Georgia,serif", 5, "Courier New", 5},
    {0, "Georgia,serif", 42, "", -1},
    {1, "Georgia,serif", 42, "Georgia,serif", -1},
    {0, "", 12, "Verdana", 12},
};

TEST_F(Step3Page, FlushDerivesEachFontFaceFromItsOwnRow)
{
    const std::size_t count = std::size(fontRows);
    for (std::size_t i = 0; i < count; ++i) {
        const FontRow& text = fontRows[i];
        const FontRow& title = fontRows[(i + 1) % count];
        SCOPED_TRACE(i);
        record.textUseCustomFont = text.useCustomFont;
        record.textCustomFont = text.customFont;
        record.textFontIndex = text.fontIndex;
        record.titleUseCustomFont = title.useCustomFont;
        record.titleCustomFont = title.customFont;
        record.titleFontIndex = title.fontIndex;
        page.LoadFromRecord();
        page.FlushToRecord();
        EXPECT_EQ(record.textFontFace, text.face);
        EXPECT_EQ(record.textCustomFont, text.customFont);
        EXPECT_EQ(record.textFontIndex, text.storedIndex);
        EXPECT_EQ(record.titleFontFace, title.face);
        EXPECT_EQ(record.titleCustomFont, title.customFont);
        EXPECT_EQ(record.titleFontIndex, title.storedIndex);
    }
}

TEST_F(Step3Page, AFontIndexOutsideTheListShowsNoSelection)
{
    record.textFontIndex = 42;
    record.titleFontIndex = -1;
    page.LoadFromRecord();
    EXPECT_EQ(list("textFontCombo")->currentIndex(), -1);
    EXPECT_EQ(list("titleFontCombo")->currentIndex(), -1);
    EXPECT_EQ(list("textFontCombo")->count(), 13);
    EXPECT_EQ(list("textFontCombo")->itemText(5), "Courier New");
}

TEST_F(Step3Page, UseThisValueTwoLoadsUntickedWithTheListEnabledAndFlushesAsZero)
{
    record.titleUseCustomFont = 2;
    record.titleFontIndex = 10;
    page.LoadFromRecord();
    EXPECT_FALSE(tick("titleUseCustomCheck")->isChecked());
    EXPECT_TRUE(list("titleFontCombo")->isEnabled());
    EXPECT_FALSE(field("titleCustomFontEdit")->isEnabled());
    EXPECT_TRUE(tick("textUseCustomCheck")->isChecked());
    EXPECT_FALSE(list("textFontCombo")->isEnabled());
    EXPECT_TRUE(field("textCustomFontEdit")->isEnabled());

    page.FlushToRecord();
    EXPECT_EQ(record.titleUseCustomFont, 0);
    EXPECT_EQ(record.titleFontFace, "Times New Roman");
    EXPECT_EQ(record.textUseCustomFont, 1);
    EXPECT_EQ(record.textFontFace, "MS Sans Serif,arial,helvetica");
}

TEST_F(Step3Page, TickingAndUntickingWithoutFlushLeavesTheRecordUnchanged)
{
    const ProjectRecord before = record;
    QTest::mouseClick(tick("textUseCustomCheck"), Qt::LeftButton);
    EXPECT_TRUE(list("textFontCombo")->isEnabled());
    EXPECT_FALSE(field("textCustomFontEdit")->isEnabled());
    QTest::mouseClick(tick("titleUseCustomCheck"), Qt::LeftButton);
    QTest::mouseClick(tick("titleUseCustomCheck"), Qt::LeftButton);
    EXPECT_FALSE(list("titleFontCombo")->isEnabled());
    EXPECT_TRUE(field("titleCustomFontEdit")->isEnabled());
    expectSameDesign(before, record);
    EXPECT_EQ(record.textFontFace, before.textFontFace);

    page.FlushToRecord();
    EXPECT_EQ(record.textUseCustomFont, 0);
    EXPECT_EQ(record.textFontFace, "MS Sans Serif");
    EXPECT_EQ(record.titleUseCustomFont, 1);
}

TEST_F(Step3Page, LoadingLeavesTheFontFacesAlone)
{
    record.textFontFace = "stale text face";
    record.titleFontFace = "stale title face";
    record.textUseCustomFont = 0;
    page.LoadFromRecord();
    EXPECT_EQ(record.textFontFace, "stale text face");
    EXPECT_EQ(record.titleFontFace, "stale title face");
}

TEST_F(Step3Page, EachListAndFieldLoadsFromAndFlushesToItsOwnRecordField)
{
    for (const ListCase& entry : lists)
        record.*entry.field = entry.loaded;
    int value = 11;
    for (const TextCase& text : texts)
        record.*text.field = std::to_string(value++);
    page.LoadFromRecord();
    for (const ListCase& entry : lists)
        EXPECT_EQ(list(entry.objectName)->currentIndex(), entry.loaded) << entry.objectName;
    value = 11;
    for (const TextCase& text : texts)
        EXPECT_EQ(field(text.objectName)->text(), QString::number(value++)) << text.objectName;

    for (const ListCase& entry : lists)
        list(entry.objectName)->setCurrentIndex(entry.chosen);
    value = 51;
    for (const TextCase& text : texts) {
        field(text.objectName)->selectAll();
        QTest::keyClicks(field(text.objectName), QString::number(value++));
    }
    page.FlushToRecord();
    for (const ListCase& entry : lists)
        EXPECT_EQ(record.*entry.field, entry.chosen) << entry.objectName;
    value = 51;
    for (const TextCase& text : texts)
        EXPECT_EQ(record.*text.field, std::to_string(value++)) << text.objectName;
    EXPECT_EQ(record.textFontFace, "56");
    EXPECT_EQ(record.titleFontFace, "57");
}

TEST_F(Step3Page, ListValuesOutsideTheirListsShowNoSelectionAndFlushAsMinusOne)
{
    for (const ListCase& entry : lists)
        record.*entry.field = 42;
    record.alignment = -7;
    page.LoadFromRecord();
    for (const ListCase& entry : lists)
        EXPECT_EQ(list(entry.objectName)->currentIndex(), -1) << entry.objectName;
    page.FlushToRecord();
    for (const ListCase& entry : lists)
        EXPECT_EQ(record.*entry.field, -1) << entry.objectName;
}

TEST_F(Step3Page, BorderSwatchStoresTheChosenColourAtOnceAndCancelKeepsIt)
{
    platform.expectColor(QColor(1, 128, 255));
    QTest::mouseClick(find<QWidget>("borderColorSwatch"), Qt::LeftButton);
    EXPECT_EQ(platform.lastCall(FakePlatform::CallKind::Color).initialColor, QColor(92, 92, 92));
    EXPECT_EQ(record.borderColor, (RgbColor{1, 128, 255}));

    platform.expectColor(std::nullopt);
    QTest::mouseClick(find<QWidget>("borderColorSwatch"), Qt::LeftButton);
    EXPECT_EQ(record.borderColor, (RgbColor{1, 128, 255}));
}

} // namespace
