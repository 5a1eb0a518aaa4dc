#pragma once

#include "ui/StepPage.h"

#include <functional>

class QLineEdit;

// The Step 1 page: the banner, About, Open Project, the web-site button and the name of the news box.
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
    void openProject();
    void showAbout();
    void openWebSite();

    QLineEdit* nameEdit_;
    std::function<bool()> openProjectCommand_;
};
