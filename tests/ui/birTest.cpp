#include "ui/bir.h"

#include "project/ProjectRecord.h"
#include "tests/support/DefaultDesign.h"
#include "tests/support/FakePlatform.h"
#include "tests/support/FileBytes.h"
#include "tests/support/FindWidget.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/support/WidthWarning.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>
#include <stdexcept>

namespace {

struct TextFieldCase
{
    const char* objectName;
    std::string ProjectRecord::*field;
};

const TextFieldCase numberFields[] = {
    {"widthEdit", &ProjectRecord::width},
    {"heightEdit", &ProjectRecord::height},
    {"spaceEdit", &ProjectRecord::paragraphSpace},
    {"topMarginEdit", &ProjectRecord::topMargin},
    {"bottomMarginEdit", &ProjectRecord::bottomMargin},
    {"leftMarginEdit", &ProjectRecord::leftMargin},
    {"rightMarginEdit", &ProjectRecord::rightMargin},
    {"imageXEdit", &ProjectRecord::bgImageX},
    {"imageYEdit", &ProjectRecord::bgImageY},
};

struct SwatchCase
{
    const char* objectName;
    RgbColor ProjectRecord::*color;
};

const SwatchCase swatches[] = {
    {"bgColorSwatch", &ProjectRecord::bgColor},
    {"textColorSwatch", &ProjectRecord::textColor},
    {"textHoverColorSwatch", &ProjectRecord::textHoverColor},
    {"titleColorSwatch", &ProjectRecord::titleColor},
    {"titleHoverColorSwatch", &ProjectRecord::titleHoverColor},
};

QString qt(const std::string& text)
{
    return QString::fromStdString(text);
}

class Step2Page : public testing::Test
{
protected:
    Step2Page()
    {
        record.workFolder = work.path() + "/";
        page.LoadFromRecord();
        page.show();
    }

    template <typename Widget> Widget* find(const char* objectName)
    {
        return findWidget<Widget>(&page, objectName);
    }

    QLineEdit* field(const char* objectName) { return find<QLineEdit>(objectName); }

    void retype(const char* objectName, const QString& text)
    {
        QLineEdit* edit = field(objectName);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }

    void click(const char* objectName) { QTest::mouseClick(find<QWidget>(objectName), Qt::LeftButton); }

    TemporaryFolder work;
    ProjectRecord record = defaultDesign();
    FakePlatform platform;
    bir page{record, platform};
};

TEST_F(Step2Page, WidthThatConvertsToZeroWarnsOnEveryFlushAndIsStoredAllTheSame)
{
    retype("widthEdit", "");
    platform.expectMessage(widthMessage);
    page.FlushToRecord();
    EXPECT_EQ(record.width, "");
    EXPECT_EQ(platform.messages().size(), 1);

    retype("widthEdit", "0");
    platform.expectMessage(widthMessage);
    page.FlushToRecord();
    EXPECT_EQ(record.width, "0");
    platform.expectMessage(widthMessage);
    page.FlushToRecord();
    EXPECT_EQ(platform.messages().size(), 3);

    record.width = "abc";
    page.LoadFromRecord();
    platform.expectMessage(widthMessage);
    page.FlushToRecord();
    EXPECT_EQ(record.width, "abc");
    EXPECT_EQ(platform.messages().size(), 4);
    EXPECT_EQ(platform.lastCall(FakePlatform::CallKind::Message).parent, &page);
}

TEST_F(Step2Page, WidthWithLeadingZerosIsStoredAsTypedWithoutWarning)
{
    retype("widthEdit", "007");
    page.FlushToRecord();
    EXPECT_EQ(record.width, "007");
    EXPECT_TRUE(platform.messages().isEmpty());
}

TEST_F(Step2Page, NumberFieldsTakeTypedDigitsOnlyButShowALoadedTextAsItIs)
{
    retype("heightEdit", "1a2-3 4");
    EXPECT_EQ(field("heightEdit")->text(), "1234");

    record.height = "12px";
    page.LoadFromRecord();
    QLineEdit* height = field("heightEdit");
    EXPECT_EQ(height->text(), "12px");
    height->end(false);
    QTest::keyClicks(height, "5x");
    EXPECT_EQ(height->text(), "12px5");
    QTest::keyClick(height, Qt::Key_Backspace);
    QTest::keyClick(height, Qt::Key_Backspace);
    EXPECT_EQ(height->text(), "12p");
    QTest::keyClicks(height, "x");
    EXPECT_EQ(height->text(), "12p");
    page.FlushToRecord();
    EXPECT_EQ(record.height, "12p");
}

TEST_F(Step2Page, EachFieldLoadsFromAndFlushesToItsOwnRecordField)
{
    int value = 101;
    for (const TextFieldCase& number : numberFields)
        record.*number.field = std::to_string(value++);
    record.bgImageName = "sky.png";
    page.LoadFromRecord();
    value = 101;
    for (const TextFieldCase& number : numberFields)
        EXPECT_EQ(field(number.objectName)->text(), QString::number(value++)) << number.objectName;
    EXPECT_EQ(field("bgImageNameEdit")->text(), "sky.png");

    value = 201;
    for (const TextFieldCase& number : numberFields)
        retype(number.objectName, QString::number(value++));
    page.FlushToRecord();
    value = 201;
    for (const TextFieldCase& number : numberFields)
        EXPECT_EQ(record.*number.field, std::to_string(value++)) << number.objectName;
    EXPECT_EQ(record.bgImageName, "sky.png");
}

TEST_F(Step2Page, SwatchesOpenTheChooserPresetToTheirColourAndStoreOnlyOnOk)
{
    int shade = 10;
    for (const SwatchCase& swatch : swatches) {
        SCOPED_TRACE(swatch.objectName);
        const RgbColor before = record.*swatch.color;
        const QColor chosen(shade, 200 - shade, 2 * shade);
        shade += 20;

        platform.expectColor(chosen);
        click(swatch.objectName);
        EXPECT_EQ(platform.lastCall(FakePlatform::CallKind::Color).initialColor,
                  QColor(before.red, before.green, before.blue));
        EXPECT_EQ(record.*swatch.color, (RgbColor{chosen.red(), chosen.green(), chosen.blue()}));
        QWidget* painted = find<QWidget>(swatch.objectName);
        const QImage image = painted->grab().toImage();
        EXPECT_EQ(image.pixelColor(image.rect().center()), chosen);

        platform.expectColor(std::nullopt);
        click(swatch.objectName);
        EXPECT_EQ(record.*swatch.color, (RgbColor{chosen.red(), chosen.green(), chosen.blue()}));
    }
}

TEST_F(Step2Page, SwatchesPaintTheColourOfAProjectReadLater)
{
    record.titleColor = {12, 34, 56};
    page.LoadFromRecord();
    const QImage image = find<QWidget>("titleColorSwatch")->grab().toImage();
    EXPECT_EQ(image.pixelColor(image.rect().center()), QColor(12, 34, 56));
}

TEST_F(Step2Page, TickBoxWritesAtOnceAndEnablesBrowseWhileTicked)
{
    auto* tick = find<QCheckBox>("bgImageCheck");
    auto* browse = find<QPushButton>("browseButton");
    EXPECT_FALSE(tick->isChecked());
    EXPECT_FALSE(browse->isEnabled());
    EXPECT_FALSE(field("bgImageNameEdit")->isEnabled());

    click("bgImageCheck");
    EXPECT_EQ(record.bgImageOn, 1);
    EXPECT_TRUE(browse->isEnabled());
    EXPECT_FALSE(field("bgImageNameEdit")->isEnabled());

    click("bgImageCheck");
    EXPECT_EQ(record.bgImageOn, 0);
    EXPECT_FALSE(browse->isEnabled());
    EXPECT_EQ(record.bgImageName, "tkbackground.jpg");
}

TEST_F(Step2Page, LoadingAnyValueButOneShowsTheBoxUntickedAndBrowseDisabled)
{
    auto* tick = find<QCheckBox>("bgImageCheck");
    auto* browse = find<QPushButton>("browseButton");
    record.bgImageOn = 1;
    page.LoadFromRecord();
    EXPECT_TRUE(tick->isChecked());
    EXPECT_TRUE(browse->isEnabled());

    for (int stored : {2, -1, 0}) {
        record.bgImageOn = stored;
        page.LoadFromRecord();
        EXPECT_FALSE(tick->isChecked()) << stored;
        EXPECT_FALSE(browse->isEnabled()) << stored;
    }
    record.bgImageOn = 2;
    page.LoadFromRecord();
    page.FlushToRecord();
    EXPECT_EQ(record.bgImageOn, 2);
}

class Step2Browse : public Step2Page
{
protected:
    Step2Browse()
    {
        picture = pictures.file("dawn.png");
        writeBytes(picture, "new picture");
        click("bgImageCheck");
    }

    TemporaryFolder pictures;
    std::string picture;
};

TEST_F(Step2Browse, OkStoresTheFileNameAndCopiesTheImageOverTheOneInTheWorkFolder)
{
    writeBytes(work.file("dawn.png"), "old picture");
    platform.expectOpenFileName(qt(picture));
    click("browseButton");

    const FileDialogOptions options = platform.lastCall(FakePlatform::CallKind::OpenFileName).options;
    EXPECT_EQ(options.filter, "Image Files (*.jpg *.gif *.png)");
    EXPECT_EQ(options.defaultSuffix, "jpg");
    EXPECT_EQ(options.proposedName, "*.jpg;*.gif,*.png");
    EXPECT_TRUE(options.existingOnly);

    EXPECT_EQ(record.bgImageName, "dawn.png");
    EXPECT_EQ(field("bgImageNameEdit")->text(), "dawn.png");
    EXPECT_EQ(readBytes(work.file("dawn.png")), "new picture");
    EXPECT_EQ(readBytes(picture), "new picture");
    EXPECT_EQ(record.bgImageOn, 1);
}

TEST_F(Step2Browse, CancelChangesNothing)
{
    platform.expectOpenFileName(std::nullopt);
    click("browseButton");
    EXPECT_EQ(record.bgImageName, "tkbackground.jpg");
    EXPECT_EQ(field("bgImageNameEdit")->text(), "tkbackground.jpg");
    EXPECT_TRUE(platform.copies().isEmpty());
}

TEST_F(Step2Browse, FailedCopyIsReportedNamingTheFileAndTheNameIsKept)
{
    platform.setCopyFileFails(true);
    platform.expectOpenFileName(qt(picture));
    platform.expectMessage("The image \"" + qt(picture) + "\" could not be copied: \"" +
                           qt(work.file("dawn.png")) + "\": the test made copying fail.");
    click("browseButton");
    EXPECT_EQ(record.bgImageName, "dawn.png");
}

TEST_F(Step2Browse, ChoosingTheCopyAlreadyInTheWorkFolderKeepsIt)
{
    writeBytes(work.file("tkbackground.jpg"), "sample");
    platform.expectOpenFileName(qt(work.file("tkbackground.jpg")));
    click("browseButton");
    EXPECT_EQ(record.bgImageName, "tkbackground.jpg");
    EXPECT_EQ(readBytes(work.file("tkbackground.jpg")), "sample");
}

TEST_F(Step2Browse, UntickingKeepsTheChosenImageForWhenTheBoxIsTickedAgain)
{
    platform.expectOpenFileName(qt(picture));
    click("browseButton");
    click("bgImageCheck");
    click("bgImageCheck");
    page.FlushToRecord();
    EXPECT_EQ(record.bgImageOn, 1);
    EXPECT_EQ(record.bgImageName, "dawn.png");
}

} // namespace
