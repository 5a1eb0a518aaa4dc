#include "ui/CQuorvoDlg.h"

#include "ui/Artwork.h"
#include "ui/CAboutDlg.h"
#include "ui/DialogUnits.h"
#include "ui/NamedButton.h"
#include "ui/StepPage.h"
#include "ui/bir.h"
#include "ui/dokuz.h"
#include "ui/dort.h"
#include "ui/iki.h"
#include "ui/uc.h"

#include <QAction>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QShortcut>
#include <QTabBar>
#include <QVBoxLayout>

CQuorvoDlg::CQuorvoDlg(Platform& platform, const std::string& startFolder, const std::string& workFolder,
                       QWidget* parent)
    : CQuorvoDlg(platform, startFolder, workFolder, &CQuorvoDlg::makeStepPage, parent)
{}

CQuorvoDlg::CQuorvoDlg(Platform& platform, const std::string& startFolder, const std::string& workFolder,
                       const PageFactory& makePage, QWidget* parent)
    : QDialog(parent), platform_(platform),
      commands_(
          record_, platform, this, [this] { flushPages(); }, [this] { loadPages(); }),
      stepTabs_(new QTabBar)
{
    setWindowTitle(QStringLiteral("Marquetto v2.3"));
    setWindowIcon(Artwork::applicationIcon());
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    createAboutAction();
    record_.startFolder = startFolder;
    record_.workFolder = workFolder;
    record_.projectPath.assign(1, ' ');

    stepTabs_->setObjectName("stepTabs");
    stepTabs_->setExpanding(true);
    stepTabs_->setDrawBase(false);
    for (int step = 1; step <= stepCount; ++step)
        stepTabs_->addTab(tr("Step %1").arg(step));

    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(0);
    layout->addWidget(stepTabs_);
    layout->addWidget(createPageFrame(makePage));
    layout->addSpacing(10);
    layout->addLayout(createButtonRow());
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connectStepOnePage();
    stopButtonsFromTakingEnter();
    fixPageSize();
    createStepShortcuts();

    for (int step = 1; step < stepCount; ++step)
        pageOfStep(step)->hide();
    commands_.loadDefaultProject();
    focusFirstControl(pageOfStep(0));
    record_.currentStep = 0;
    connect(stepTabs_, &QTabBar::currentChanged, this, &CQuorvoDlg::changeStep);
}

StepPage* CQuorvoDlg::makeStepPage(int step, ProjectRecord& record, Platform& platform, QWidget* parent)
{
    switch (step) {
    case 0:
        return new dort(record, platform, parent);
    case 1:
        return new bir(record, platform, parent);
    case 2:
        return new dokuz(record, platform, parent);
    default:
        return new iki(record, platform, parent);
    }
}

QWidget* CQuorvoDlg::createPageFrame(const PageFactory& makePage)
{
    auto* frame = new QFrame;
    frame->setObjectName("pageFrame");
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    auto* stack = new QGridLayout(frame);
    stack->setContentsMargins(6, 6, 6, 6);
    for (int step = 0; step < stepCount - 1; ++step) {
        pages_.at(static_cast<std::size_t>(step)) = makePage(step, record_, platform_, frame);
        stack->addWidget(stepPage(step), 0, 0);
        connect(stepPage(step), &StepPage::edited, this, &CQuorvoDlg::designChanged);
    }
    publishingPage_ = new uc(record_, platform_, frame);
    connect(publishingPage_, &uc::stepToFixRequested, this,
            [this](int step) { stepTabs_->setCurrentIndex(step); });
    stack->addWidget(publishingPage_, 0, 0);
    return frame;
}

// Every page gets the same size, large enough for the largest at the font in use. Hidden pages keep
// their place, so the frame holds its shape even when no page is shown.
void CQuorvoDlg::fixPageSize()
{
    QSize size = DialogUnits(fontMetrics()).size(pageUnits.width(), pageUnits.height());
    for (int step = 0; step < stepCount; ++step)
        size = size.expandedTo(pageOfStep(step)->sizeHint());
    for (int step = 0; step < stepCount; ++step) {
        QWidget* page = pageOfStep(step);
        page->setFixedSize(size);
        QSizePolicy policy = page->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        page->setSizePolicy(policy);
    }
}

QLayout* CQuorvoDlg::createButtonRow()
{
    auto* exitButton = namedButton(tr("Exit"), "exitButton", 68);
    auto* saveProjectAsButton = namedButton(tr("Save Project As..."), "saveProjectAsButton", 68);
    auto* saveProjectButton = namedButton(tr("Save Project"), "saveProjectButton", 68);
    connect(exitButton, &QPushButton::clicked, this, &CQuorvoDlg::reject);
    connect(saveProjectAsButton, &QPushButton::clicked, this, [this] { commands_.saveProjectAs(); });
    connect(saveProjectButton, &QPushButton::clicked, this, [this] { commands_.saveProject(); });

    auto* row = new QHBoxLayout;
    row->addWidget(exitButton);
    row->addStretch();
    row->addWidget(saveProjectAsButton);
    row->addWidget(saveProjectButton);
    return row;
}

// The window system owns the system menu here, so the About entry lives in the context menu and on F1.
void CQuorvoDlg::createAboutAction()
{
    auto* about = new QAction(tr("&About Quorvo..."), this);
    about->setObjectName("aboutAction");
    about->setShortcut(QKeySequence::HelpContents);
    about->setShortcutContext(Qt::WindowShortcut);
    connect(about, &QAction::triggered, this, &CQuorvoDlg::showAbout);
    addAction(about);
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

// The keys of tabbed windows everywhere; they go through the tab strip, so a step changes exactly as
// when its tab is clicked, and from the last step they go round to the first.
void CQuorvoDlg::createStepShortcuts()
{
    const auto shortcut = [this](QKeyCombination keys, int by) {
        connect(new QShortcut(QKeySequence(keys), this), &QShortcut::activated, this,
                [this, by] { moveStepBy(by); });
    };
    shortcut(Qt::CTRL | Qt::Key_Tab, 1);
    shortcut(Qt::CTRL | Qt::Key_PageDown, 1);
    // Shift turns Tab into Backtab on most keyboards; some deliver Tab with Shift.
    shortcut(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab, -1);
    shortcut(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab, -1);
    shortcut(Qt::CTRL | Qt::Key_PageUp, -1);
}

void CQuorvoDlg::moveStepBy(int steps)
{
    stepTabs_->setCurrentIndex((stepTabs_->currentIndex() + steps + stepCount) % stepCount);
}

void CQuorvoDlg::connectStepOnePage()
{
    if (auto* stepOne = qobject_cast<dort*>(stepPage(0)))
        stepOne->setOpenProjectCommand([this] { return maySetDesignAside() && commands_.openProject(); });
}

// A focused button would take Enter for itself; in this wizard Enter presses nothing.
void CQuorvoDlg::stopButtonsFromTakingEnter()
{
    for (auto* button : findChildren<QPushButton*>())
        button->setAutoDefault(false);
}

void CQuorvoDlg::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Enter:
    case Qt::Key_Return:
    case Qt::Key_Escape:
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void CQuorvoDlg::reject()
{
    if (maySetDesignAside())
        QDialog::reject();
}

// The page in view hands its values over first, so that what was typed there counts as well.
bool CQuorvoDlg::maySetDesignAside()
{
    if (record_.currentStep < publishingStep)
        stepPage(record_.currentStep)->FlushToRecord();
    return commands_.settleUnsavedChanges();
}

// A page as such takes no keys: the focus goes to the control the page names as its first, or else to
// the first in the focus chain that can take it.
void CQuorvoDlg::focusFirstControl(QWidget* page)
{
    const auto* stepPage = qobject_cast<StepPage*>(page);
    if (QWidget* first = stepPage ? stepPage->firstControl() : nullptr;
        first != nullptr && first->isEnabled()) {
        first->setFocus(Qt::TabFocusReason);
        return;
    }
    for (QWidget* widget = page->nextInFocusChain(); widget != page; widget = widget->nextInFocusChain()) {
        if (page->isAncestorOf(widget) && widget->isEnabled() && widget->isVisibleTo(page) &&
            (widget->focusPolicy() & Qt::TabFocus)) {
            widget->setFocus(Qt::TabFocusReason);
            return;
        }
    }
    page->setFocus();
}

void CQuorvoDlg::changeStep(int step)
{
    leaveStep(record_.currentStep);
    record_.currentStep = step;
    enterStep(step);
}

void CQuorvoDlg::leaveStep(int step)
{
    if (step < publishingStep)
        stepPage(step)->FlushToRecord();
    pageOfStep(step)->hide();
}

void CQuorvoDlg::enterStep(int step)
{
    if (step == publishingStep) {
        flushPages();
        if (!publishingPage_->GenerateOutputs())
            return;
    }
    pageOfStep(step)->show();
    focusFirstControl(pageOfStep(step));
}

QWidget* CQuorvoDlg::pageOfStep(int step) const
{
    if (step == publishingStep)
        return publishingPage_;
    return stepPage(step);
}

// Steps 2, 4, 1, 3: the order the project reader refreshes them in, kept for flushing as well.
void CQuorvoDlg::flushPages()
{
    for (int step : {1, 3, 0, 2})
        stepPage(step)->FlushToRecord();
}

void CQuorvoDlg::loadPages()
{
    for (int step : {1, 3, 0, 2})
        stepPage(step)->LoadFromRecord();
    emit designChanged();
}

// Every page but the one in view handed its values over when it was left.
ProjectRecord CQuorvoDlg::designInView() const
{
    ProjectRecord design = record_;
    if (record_.currentStep < publishingStep)
        stepPage(record_.currentStep)->copyInto(design);
    return design;
}

void CQuorvoDlg::showAbout()
{
    CAboutDlg box(this);
    box.exec();
}
