#include "ui/bir.h"

#include "platform/Platform.h"
#include "platform/RecordPath.h"
#include "project/IntegerText.h"
#include "project/ProjectRecord.h"
#include "ui/CaptionGrid.h"
#include "ui/ColorSwatch.h"
#include "ui/DigitsField.h"
#include "ui/PageLayout.h"
#include "ui/RecordText.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const char* const widthMessage = QT_TRANSLATE_NOOP(
    "bir", "\"Width of the text scroll\" field require numerical value, the minumum value is 1");

} // namespace

bir::bir(ProjectRecord& record, Platform& platform, QWidget* parent)
    : StepPage(record, platform, parent),
      widthEdit_(fields().text(new DigitsField("widthEdit"), &ProjectRecord::width)),
      heightEdit_(fields().text(new DigitsField("heightEdit"), &ProjectRecord::height)),
      spaceEdit_(fields().text(new DigitsField("spaceEdit"), &ProjectRecord::paragraphSpace)),
      topMarginEdit_(fields().text(new DigitsField("topMarginEdit"), &ProjectRecord::topMargin)),
      bottomMarginEdit_(fields().text(new DigitsField("bottomMarginEdit"), &ProjectRecord::bottomMargin)),
      leftMarginEdit_(fields().text(new DigitsField("leftMarginEdit"), &ProjectRecord::leftMargin)),
      rightMarginEdit_(fields().text(new DigitsField("rightMarginEdit"), &ProjectRecord::rightMargin)),
      bgImageCheck_(new QCheckBox), bgImageNameEdit_(new QLineEdit),
      browseButton_(new QPushButton(tr("Browse..."))),
      imageXEdit_(fields().text(new DigitsField("imageXEdit"), &ProjectRecord::bgImageX)),
      imageYEdit_(fields().text(new DigitsField("imageYEdit"), &ProjectRecord::bgImageY))
{
    bgImageCheck_->setObjectName("bgImageCheck");
    bgImageNameEdit_->setObjectName("bgImageNameEdit");
    bgImageNameEdit_->setEnabled(false);
    bgImageNameEdit_->setAccessibleName(tr("Background image file"));
    browseButton_->setObjectName("browseButton");
    browseButton_->setEnabled(false);
    connect(bgImageCheck_, &QCheckBox::clicked, this, &bir::setBackgroundImageOn);
    connect(browseButton_, &QPushButton::clicked, this, &bir::browseForImage);

    auto* sizeGrid = new CaptionGrid;
    auto* spaceGrid = new CaptionGrid;
    auto* marginsGrid = new CaptionGrid;
    auto* colorGrid = new CaptionGrid;
    auto* imageGrid = new CaptionGrid;
    auto* left = new QVBoxLayout;
    left->addWidget(sizeGroup(sizeGrid));
    left->addWidget(spaceGroup(spaceGrid));
    left->addWidget(marginsGroup(marginsGrid));
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(colorGroup(colorGrid));
    right->addWidget(backgroundImageGroup(imageGrid));
    right->addStretch();
    auto* columns = new QHBoxLayout(this);
    columns->setContentsMargins(PageLayout::margins);
    columns->addLayout(left, 4);
    columns->addLayout(right, 5);
    CaptionGrid::alignCaptions({sizeGrid, spaceGrid, marginsGrid});
    CaptionGrid::alignCaptions({colorGrid, imageGrid});
}

void bir::FlushToRecord()
{
    storeFields();
    warnAboutWidth();
    // Not among the bound fields: the width check comes between the number fields and the image name.
    RecordText::store(record(), record().bgImageName, bgImageNameEdit_->text());
}

void bir::copyInto(ProjectRecord& design) const
{
    StepPage::copyInto(design);
    RecordText::store(design, design.bgImageName, bgImageNameEdit_->text());
}

void bir::LoadFromRecord()
{
    loadFields();
    bgImageNameEdit_->setText(RecordText::shown(record(), record().bgImageName));
    bgImageCheck_->setChecked(record().bgImageOn == ProjectRecord::ticked);
    browseButton_->setEnabled(bgImageCheck_->isChecked());
    for (ColorSwatch* swatch : swatches_)
        swatch->refresh();
}

QGroupBox* bir::sizeGroup(CaptionGrid* grid)
{
    grid->addRow(tr("Width :"), widthEdit_, tr("pixels"));
    grid->addRow(tr("Height :"), heightEdit_, tr("pixels"));
    return PageLayout::group(tr("Size :"), grid);
}

QGroupBox* bir::spaceGroup(CaptionGrid* grid)
{
    grid->addRow(tr("Space :"), spaceEdit_, tr("pixels"));
    return PageLayout::group(tr("Space between paragraphs :"), grid);
}

QGroupBox* bir::marginsGroup(CaptionGrid* grid)
{
    grid->addRow(tr("Top margin :"), topMarginEdit_);
    grid->addRow(tr("Bottom margin :"), bottomMarginEdit_);
    grid->addRow(tr("Left margin :"), leftMarginEdit_);
    grid->addRow(tr("Right margin :"), rightMarginEdit_);
    return PageLayout::group(tr("Margins :"), grid);
}

QGroupBox* bir::colorGroup(CaptionGrid* grid)
{
    grid->addRow(tr("Background color :"), swatch(record().bgColor, "bgColorSwatch"));
    grid->addRow(tr("Text color :"), swatch(record().textColor, "textColorSwatch"));
    grid->addRow(tr("Mouse over text color :"), swatch(record().textHoverColor, "textHoverColorSwatch"));
    grid->addRow(tr("Title color :"), swatch(record().titleColor, "titleColorSwatch"));
    grid->addRow(tr("Mouse over title color :"), swatch(record().titleHoverColor, "titleHoverColorSwatch"));
    return PageLayout::group(tr("Color :"), grid);
}

QGroupBox* bir::backgroundImageGroup(CaptionGrid* grid)
{
    auto* imageRow = new QHBoxLayout;
    imageRow->addWidget(bgImageCheck_);
    imageRow->addWidget(bgImageNameEdit_, 1);
    imageRow->addWidget(browseButton_);
    grid->addRow(tr("Image X position :"), imageXEdit_);
    grid->addRow(tr("Image Y position :"), imageYEdit_);
    auto* content = new QVBoxLayout;
    content->addLayout(imageRow);
    content->addLayout(grid);
    return PageLayout::group(tr("Background image :"), content);
}

ColorSwatch* bir::swatch(RgbColor& color, const QString& objectName)
{
    auto* swatch = new ColorSwatch(color, platform());
    swatch->setObjectName(objectName);
    connect(swatch, &ColorSwatch::colorChosen, this, &bir::noteEdited);
    swatches_.append(swatch);
    return swatch;
}

// The width is the only value of the page that is checked, and the check blocks nothing.
void bir::warnAboutWidth()
{
    if (IntegerText::parse(record().width) == 0)
        platform().showMessage(this, tr(widthMessage));
}

void bir::setBackgroundImageOn(bool on)
{
    record().bgImageOn = on ? ProjectRecord::ticked : ProjectRecord::unticked;
    browseButton_->setEnabled(on);
    noteEdited();
}

void bir::browseForImage()
{
    FileDialogOptions options;
    options.filter = tr("Image Files (*.jpg *.gif *.png)");
    options.defaultSuffix = QStringLiteral("jpg");
    options.proposedName = QStringLiteral("*.jpg;*.gif,*.png");
    options.existingOnly = true;
    const std::optional<QString> chosen = platform().openFileName(this, options);
    if (!chosen)
        return;
    const QString fileName = QFileInfo(*chosen).fileName();
    RecordText::store(record(), record().bgImageName, fileName);
    bgImageNameEdit_->setText(fileName);
    copyIntoWorkFolder(*chosen, fileName);
    noteEdited();
}

void bir::copyIntoWorkFolder(const QString& chosenPath, const QString& fileName)
{
    const QString target = RecordPath::toPath(record().workFolder) + fileName;
    // The user may pick the copy that already lies in the working folder; replacing a file by itself
    // would delete it.
    const QString source = QFileInfo(chosenPath).canonicalFilePath();
    if (!source.isEmpty() && source == QFileInfo(target).canonicalFilePath())
        return;
    if (const auto copied = platform().copyFile(chosenPath, target); !copied.ok()) {
        platform().showMessage(this, tr("The image \"%1\" could not be copied: %2")
                                         .arg(QDir::toNativeSeparators(chosenPath),
                                              QString::fromLocal8Bit(copied.error().message())));
    }
}
