#pragma once

#include "tests/support/FakePlatform.h"
#include "tests/support/FindWidget.h"
#include "tests/support/TemporaryFolder.h"
#include "ui/CQuorvoDlg.h"

#include <QTabBar>
#include <QWidget>

#include <gtest/gtest.h>
#include <memory>
#include <string>

// A wizard window on the fake platform, with its working folder in a fresh temporary folder.
class WizardHarness
{
public:
    WizardHarness();
    explicit WizardHarness(const CQuorvoDlg::PageFactory& makePage);
    // The wizard writes into `workFolder`, which the test may leave uncreated.
    WizardHarness(const std::string& workFolder, const CQuorvoDlg::PageFactory& makePage);

    FakePlatform platform;
    TemporaryFolder folder;

    CQuorvoDlg& wizard() { return *wizard_; }
    ProjectRecord& record() { return wizard_->record(); }
    const std::string& workFolder() const { return workFolder_; }
    std::string workFile(const std::string& name) const { return workFolder_ + name; }
    QString path(const std::string& name) const { return QString::fromStdString(folder.file(name)); }

    // A control of the wizard by its objectName; fails the test when there is none.
    template <typename Widget> Widget* find(const char* objectName)
    {
        return findWidget<Widget>(wizard_.get(), objectName);
    }

    QTabBar* tabs() { return find<QTabBar>("stepTabs"); }
    void goToStep(int step) { tabs()->setCurrentIndex(step); }
    // Which of the five pages can be seen; -1 when none can.
    int visiblePage();
    void click(const char* buttonName);
    void typeInto(const char* lineEditName, const QString& text);
    // Key presses as a keyboard sends them, non-ASCII characters included.
    static void typeText(QWidget* widget, const QString& text);

private:
    std::string workFolder_;
    std::unique_ptr<CQuorvoDlg> wizard_;
};
