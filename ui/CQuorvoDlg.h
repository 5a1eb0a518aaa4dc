#pragma once

#include "project/ProjectRecord.h"
#include "ui/ProjectCommands.h"

#include <QDialog>

#include <array>
#include <functional>

class Platform;
class QAction;
class QTabBar;
class StepPage;
class uc;

// The wizard window: a tab strip of five steps over one page at a time, and Exit, Save Project As...
// and Save Project. It owns the design and decides when the pages hand their values to it.
class CQuorvoDlg : public QDialog
{
    Q_OBJECT

public:
    static constexpr int stepCount = 5;
    static constexpr int publishingStep = 4;
    // The least size of a page in dialog units; a page that needs more for its font gets more.
    static constexpr QSize pageUnits{320, 213};

    // Makes the page of one of Steps 1 to 4 (step 0 to 3).
    using PageFactory = std::function<StepPage*(int step, ProjectRecord&, Platform&, QWidget* parent)>;

    CQuorvoDlg(Platform& platform, const std::string& startFolder, const std::string& workFolder,
               QWidget* parent = nullptr);
    CQuorvoDlg(Platform& platform, const std::string& startFolder, const std::string& workFolder,
               const PageFactory& makePage, QWidget* parent = nullptr);

    static StepPage* makeStepPage(int step, ProjectRecord& record, Platform& platform, QWidget* parent);

    ProjectRecord& record() { return record_; }
    ProjectCommands& commands() { return commands_; }
    StepPage* stepPage(int step) const { return pages_.at(static_cast<std::size_t>(step)); }
    uc* publishingPage() const { return publishingPage_; }
    // The design as the pages show it, the values typed on the page in view included, which reach the
    // record only when the user leaves the page.
    ProjectRecord designInView() const;

    // Exit, the close box and Alt+F4 come here; an edited design is not dropped without asking.
    void reject() override;

signals:
    // The design shown by the pages changed: an edit on one of them, or a project read into them.
    void designChanged();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* createPageFrame(const PageFactory& makePage);
    QLayout* createButtonRow();
    void createAboutAction();
    void createStepShortcuts();
    void moveStepBy(int steps);
    void connectStepOnePage();
    void stopButtonsFromTakingEnter();
    void fixPageSize();
    static void focusFirstControl(QWidget* page);
    bool maySetDesignAside();

    void changeStep(int step);
    void leaveStep(int step);
    void enterStep(int step);
    QWidget* pageOfStep(int step) const;
    void flushPages();
    void loadPages();
    void showAbout();

    Platform& platform_;
    ProjectRecord record_;
    ProjectCommands commands_;
    QTabBar* stepTabs_;
    std::array<StepPage*, 4> pages_{};
    uc* publishingPage_ = nullptr;
};
