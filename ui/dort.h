#pragma once

#include "ui/StepPage.h"

#include <functional>

class QCheckBox;
class QLayout;
class QLineEdit;
class QSpinBox;

// The Step 1 page: the banner, About, Open Project, the web-site button, the name of the news box and the
// options the published box can be given.
class dort : public StepPage
{
    Q_OBJECT

public:
    static constexpr const char* webSiteAddress = "http://www.marquetto.example/";

    dort(ProjectRecord& record, Platform& platform, QWidget* parent = nullptr);

    void FlushToRecord() override;
    void LoadFromRecord() override;

    // The frame's Open Project command; true when it read a project, whose name the page then shows.
    void setOpenProjectCommand(std::function<bool()> command) { openProjectCommand_ = std::move(command); }

private:
    QWidget* nameGroup();
    QWidget* optionsGroup();
    QLayout* liveMessagesRow();
    QWidget* roomBelowName();
    void openProject();
    void showAbout();
    void openWebSite();

    QLineEdit* nameEdit_;
    QCheckBox* accessibleBoxCheck_;
    QCheckBox* rightToLeftCheck_;
    QCheckBox* fitPageWidthCheck_;
    QCheckBox* lightMotionCheck_;
    QCheckBox* liveMessagesCheck_;
    QSpinBox* liveSecondsEdit_;
    std::function<bool()> openProjectCommand_;
};
