#include "ui/uc.h"

#include "generator/DesignCheck.h"
#include "generator/Generator.h"
#include "platform/Platform.h"
#include "project/ProjectRecord.h"
#include "ui/GenerationRefusal.h"
#include "ui/NamedButton.h"
#include "ui/PageLayout.h"
#include "ui/RecordText.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <optional>

namespace {

QPlainTextEdit* readOnlyBox(const char* objectName)
{
    auto* box = new QPlainTextEdit;
    box->setObjectName(objectName);
    box->setReadOnly(true);
    box->setTabChangesFocus(true);
    return box;
}

// Each finding begins with the step where its field is, "Step 4, ..."; the step's index counts from 0.
std::optional<int> stepOf(const std::string& finding)
{
    if (finding.rfind("Step ", 0) != 0 || finding.size() < 6 || finding[5] < '1' || finding[5] > '4')
        return std::nullopt;
    return finding[5] - '1';
}

constexpr int findingLinesShown = 7;

// Controls show lines without the CR of the generated files.
QString withoutCarriageReturns(QString text)
{
    return text.remove(QLatin1Char('\r'));
}

} // namespace

uc::uc(const ProjectRecord& record, Platform& platform, QWidget* parent)
    : QWidget(parent), record_(record), platform_(platform),
      previewButton_(namedButton(tr("Preview"), "previewButton")), snippetEdit_(readOnlyBox("snippetEdit")),
      generatedFilesEdit_(readOnlyBox("generatedFilesEdit"))
{
    // Added in the order of the numbered groups, which is the order Tab follows: Step 1 upper left,
    // Step 2 on the right, Step 3 lower left, and the design check's notice across the bottom.
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(PageLayout::margins);
    grid->setSpacing(10);
    grid->addWidget(previewGroup(), 0, 0);
    grid->addWidget(snippetGroup(), 0, 1, 2, 1);
    grid->addWidget(filesGroup(), 1, 0);
    grid->addWidget(findingsNotice(), 2, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(1, 1);
}

QWidget* uc::previewGroup()
{
    auto* previewInBrowserButton = namedButton(tr("Preview in Browser"), "previewInBrowserButton");
    connect(previewButton_, &QPushButton::clicked, this, &uc::previewRequested);
    connect(previewInBrowserButton, &QPushButton::clicked, this, &uc::previewInBrowserRequested);

    auto* group = new QGroupBox(tr("Step 1 :"));
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(previewButton_);
    layout->addWidget(previewInBrowserButton);
    return group;
}

QWidget* uc::snippetGroup()
{
    auto* instructions = new QLabel(tr("Copy the below into the <body> section of your web\n"
                                       "page where you wish the news scroller to appear."));
    instructions->setTextFormat(Qt::PlainText);
    instructions->setBuddy(snippetEdit_);
    auto* copyButton = namedButton(tr("Copy"), "copyButton");
    connect(copyButton, &QPushButton::clicked, this, &uc::copyRequested);
    snippetEdit_->setLineWrapMode(QPlainTextEdit::NoWrap);
    snippetEdit_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    auto* group = new QGroupBox(tr("Step 2 :"));
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(instructions);
    layout->addWidget(copyButton, 0, Qt::AlignLeft);
    layout->addWidget(snippetEdit_, 1);
    return group;
}

QWidget* uc::filesGroup()
{
    auto* copyFilesButton = namedButton(tr("Copy Files into..."), "copyFilesButton");
    connect(copyFilesButton, &QPushButton::clicked, this, &uc::copyFilesRequested);
    generatedFilesEdit_->setFrameShape(QFrame::NoFrame);
    generatedFilesEdit_->setLineWrapMode(QPlainTextEdit::NoWrap);
    generatedFilesEdit_->viewport()->setAutoFillBackground(false);

    auto* group = new QGroupBox(tr("Step 3 :"));
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(copyFilesButton);
    layout->addSpacing(6);
    auto* filesCaption = new QLabel(tr("Generated files :"));
    filesCaption->setBuddy(generatedFilesEdit_);
    layout->addWidget(filesCaption);
    layout->addWidget(generatedFilesEdit_, 1);
    return group;
}

// Shown only when the check finds something; it informs and never stands in the way of publishing.
QWidget* uc::findingsNotice()
{
    findingsNotice_ = new QFrame;
    findingsNotice_->setObjectName("findingsNotice");
    findingsNotice_->setFrameShape(QFrame::StyledPanel);
    findingsNotice_->setAutoFillBackground(true);
    QPalette shade = findingsNotice_->palette();
    shade.setColor(QPalette::Window, QColor(255, 244, 206));
    shade.setColor(QPalette::WindowText, QColor(60, 45, 0));
    findingsNotice_->setPalette(shade);

    findingsTitle_ = new QLabel;
    findingsTitle_->setObjectName("findingsTitle");
    findingsTitle_->setWordWrap(true);
    findingsList_ = new QListWidget;
    findingsList_->setObjectName("findingsList");
    findingsList_->setWordWrap(true);
    findingsList_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    findingsList_->setAlternatingRowColors(true);
    findingsList_->setSelectionMode(QAbstractItemView::NoSelection);
    findingsList_->setFocusPolicy(Qt::TabFocus);
    // Room for three findings of two lines each at the page's font and a line to spare, so that a usual
    // check needs no scrolling.
    findingsList_->setFixedHeight(fontMetrics().lineSpacing() * findingLinesShown +
                                  2 * findingsList_->frameWidth() + 4);
    findingsList_->setAccessibleName(tr("Design check findings"));
    connect(findingsList_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const QVariant step = item->data(Qt::UserRole);
        if (step.isValid())
            emit stepToFixRequested(step.toInt());
    });

    auto* layout = new QVBoxLayout(findingsNotice_);
    layout->setContentsMargins(8, 4, 8, 4);
    layout->setSpacing(2);
    layout->addWidget(findingsTitle_);
    layout->addWidget(findingsList_);
    // The space stays when there is nothing to tell, so that the snippet does not move between runs.
    QSizePolicy keepsPlace = findingsNotice_->sizePolicy();
    keepsPlace.setRetainSizeWhenHidden(true);
    findingsNotice_->setSizePolicy(keepsPlace);
    findingsNotice_->hide();
    return findingsNotice_;
}

void uc::showFindings()
{
    const std::vector<std::string> findings = DesignCheck::problems(record_, record_.workFolder);
    findingsList_->clear();
    const ProjectEncoding::Kind encoding = ProjectEncoding::of(record_);
    for (const std::string& finding : findings) {
        auto* item = new QListWidgetItem(RecordText::shown(encoding, finding), findingsList_);
        if (const std::optional<int> step = stepOf(finding)) {
            item->setData(Qt::UserRole, *step);
            item->setToolTip(tr("Click to go to Step %1").arg(*step + 1));
        }
    }
    const QString count = findings.size() == 1 ? tr("1 thing") : tr("%1 things").arg(findings.size());
    findingsTitle_->setText(
        tr("The files are written. The design check found %1 to fix in the steps named (click one to go "
           "there):")
            .arg(count));
    findingsNotice_->setVisible(!findings.empty());
}

bool uc::GenerateOutputs()
{
    if (const auto generated = Generator::GenerateOutputs(record_, texts_); !generated.ok()) {
        platform_.showMessage(this, GenerationRefusal::text(generated.error()));
        return false;
    }
    snippetEdit_->setPlainText(RecordText::shown(record_, texts_.embedSnippet));
    generatedFilesEdit_->setPlainText(
        withoutCarriageReturns(RecordText::shown(record_, Generator::generatedFilesText(record_))));
    showFindings();
    return true;
}

void uc::setPreviewButtonCaption(const QString& caption)
{
    previewButton_->setText(caption);
}

QString uc::snippetText() const
{
    return snippetEdit_->toPlainText();
}

QString uc::selectWholeSnippet()
{
    snippetEdit_->selectAll();
    // A selection separates its lines by U+2029; the clipboard wants plain line breaks.
    return snippetEdit_->textCursor().selectedText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
}
