#include "ui/dort.h"

#include "platform/Platform.h"
#include "project/ProjectRecord.h"
#include "ui/Artwork.h"
#include "ui/LineFieldValidator.h"
#include "ui/NamedButton.h"
#include "ui/about2.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QUrl>
#include <QVBoxLayout>

dort::dort(ProjectRecord& record, Platform& platform, QWidget* parent)
    : StepPage(record, platform, parent),
      nameEdit_(fields().text(new QLineEdit, &ProjectRecord::scrollerName)),
      accessibleBoxCheck_(
          fields().tick(new QCheckBox(tr("Accessible box (pause button, keyboard, reduced motion)")),
                        &ProjectRecord::accessibleBox)),
      rightToLeftCheck_(fields().tick(new QCheckBox(tr("Right-to-left text")), &ProjectRecord::rightToLeft)),
      fitPageWidthCheck_(
          fields().tick(new QCheckBox(tr("Fit the page width")), &ProjectRecord::fitPageWidth)),
      lightMotionCheck_(fields().tick(new QCheckBox(tr("Light motion")), &ProjectRecord::lightMotion)),
      liveMessagesCheck_(fields().tick(new QCheckBox(tr("Live messages")), &ProjectRecord::liveMessages)),
      liveSecondsEdit_(fields().number(new QSpinBox, &ProjectRecord::liveSeconds))
{
    auto* banner = new QLabel;
    banner->setObjectName("banner");
    banner->setPixmap(Artwork::banner(qApp->devicePixelRatio()));
    banner->setFixedSize(Artwork::bannerWidth, Artwork::bannerHeight);

    auto* aboutButton = namedButton(tr("About"), "aboutButton", 74);
    auto* openProjectButton = namedButton(tr("Open Project"), "openProjectButton", 74);
    auto* webSiteButton = namedButton(QString::fromLatin1(webSiteAddress), "webSiteButton", 74);
    connect(aboutButton, &QPushButton::clicked, this, &dort::showAbout);
    connect(openProjectButton, &QPushButton::clicked, this, &dort::openProject);
    connect(webSiteButton, &QPushButton::clicked, this, &dort::openWebSite);

    auto* top = new QGridLayout;
    top->setHorizontalSpacing(16);
    top->addWidget(banner, 0, 0, 3, 1, Qt::AlignLeft | Qt::AlignTop);
    top->addWidget(aboutButton, 0, 2);
    top->addWidget(openProjectButton, 1, 2);
    top->addWidget(webSiteButton, 2, 2);
    top->setColumnStretch(1, 1);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(12, 12, 12, 12);
    page->addLayout(top);
    page->addStretch(1);
    page->addWidget(nameGroup());
    page->addWidget(roomBelowName(), 2);
    // What a user types first on this page is the name.
    setFirstControl(nameEdit_);
}

QWidget* dort::nameGroup()
{
    auto* explanation = new QLabel(tr("Name of your scroller. If you use more than one scroller on the same "
                                      "site, please set different names for each one."));
    explanation->setWordWrap(true);
    nameEdit_->setObjectName("nameEdit");
    new LineFieldValidator(nameEdit_);

    auto* group = new QGroupBox(tr("Name :"));
    auto* layout = new QVBoxLayout(group);
    layout->setSpacing(10);
    layout->addWidget(explanation);
    layout->addWidget(nameEdit_);
    return group;
}

QWidget* dort::optionsGroup()
{
    accessibleBoxCheck_->setObjectName("accessibleBoxCheck");
    accessibleBoxCheck_->setAccessibleDescription(
        tr("The published box gets a pause button, works by keyboard and stays still for readers who ask "
           "for reduced motion"));
    rightToLeftCheck_->setObjectName("rightToLeftCheck");
    rightToLeftCheck_->setAccessibleDescription(
        tr("Messages are written and aligned right to left, as Arabic, Hebrew and Persian are"));
    fitPageWidthCheck_->setObjectName("fitPageWidthCheck");
    fitPageWidthCheck_->setAccessibleDescription(
        tr("On a page narrower than the box, as on a phone, the box narrows with it and its messages wrap"));
    lightMotionCheck_->setObjectName("lightMotionCheck");
    lightMotionCheck_->setAccessibleDescription(
        tr("The box moves the same way for less of the reader's battery and rests while it cannot be seen"));

    auto* group = new QGroupBox(tr("Options :"));
    group->setObjectName("optionsGroup");
    auto* layout = new QVBoxLayout(group);
    // As wide as their captions, so that a click beside a caption does not tick a box.
    layout->addWidget(accessibleBoxCheck_, 0, Qt::AlignLeft);
    layout->addWidget(rightToLeftCheck_, 0, Qt::AlignLeft);
    layout->addWidget(fitPageWidthCheck_, 0, Qt::AlignLeft);
    layout->addWidget(lightMotionCheck_, 0, Qt::AlignLeft);
    layout->addLayout(liveMessagesRow());
    return group;
}

// The seconds belong to the option, so they can be changed only while it is on.
QLayout* dort::liveMessagesRow()
{
    liveMessagesCheck_->setObjectName("liveMessagesCheck");
    liveMessagesCheck_->setAccessibleDescription(
        tr("The published box takes new messages from a file beside it while its page stays open"));
    liveSecondsEdit_->setObjectName("liveSecondsEdit");
    liveSecondsEdit_->setRange(ProjectRecord::fewestLiveSeconds, ProjectRecord::mostLiveSeconds);
    liveSecondsEdit_->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    liveSecondsEdit_->setPrefix(tr("every "));
    liveSecondsEdit_->setSuffix(tr(" seconds"));
    liveSecondsEdit_->setAccessibleName(tr("Live messages every"));
    liveSecondsEdit_->setEnabled(false);
    connect(liveMessagesCheck_, &QCheckBox::toggled, liveSecondsEdit_, &QWidget::setEnabled);

    auto* row = new QHBoxLayout;
    row->addWidget(liveMessagesCheck_);
    row->addWidget(liveSecondsEdit_);
    row->addStretch(1);
    return row;
}

// The options take the free space below the name, which the page shares out as before: the controls above
// them keep their places.
QWidget* dort::roomBelowName()
{
    auto* room = new QWidget;
    room->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Ignored);
    auto* layout = new QVBoxLayout(room);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch(1);
    layout->addWidget(optionsGroup());
    layout->addStretch(1);
    return room;
}

void dort::FlushToRecord()
{
    storeFields();
}

void dort::LoadFromRecord()
{
    loadFields();
}

void dort::openProject()
{
    if (openProjectCommand_ && openProjectCommand_())
        loadFields();
}

void dort::showAbout()
{
    about2 box(this);
    box.exec();
}

void dort::openWebSite()
{
    platform().openUrl(QUrl(QString::fromLatin1(webSiteAddress)));
}
