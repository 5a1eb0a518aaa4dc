#include "tests/ui/WizardHarness.h"

#include "ui/StepPage.h"
#include "ui/uc.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

WizardHarness::WizardHarness() : WizardHarness(&CQuorvoDlg::makeStepPage) {}

WizardHarness::WizardHarness(const CQuorvoDlg::PageFactory& makePage) : WizardHarness("", makePage) {}

WizardHarness::WizardHarness(const std::string& workFolder, const CQuorvoDlg::PageFactory& makePage)
    : workFolder_(workFolder.empty() ? folder.path() + "/" : workFolder)
{
    platform.setDocumentsFolder(path("Documents"));
    QDir().mkpath(path("Documents"));
    wizard_ = std::make_unique<CQuorvoDlg>(platform, folder.path(), workFolder_, makePage);
}

int WizardHarness::visiblePage()
{
    int visible = -1;
    for (int step = 0; step < CQuorvoDlg::stepCount; ++step) {
        QWidget* page = step == CQuorvoDlg::publishingStep ? static_cast<QWidget*>(wizard_->publishingPage())
                                                           : wizard_->stepPage(step);
        if (!page->isHidden()) {
            EXPECT_EQ(visible, -1) << "two pages are visible";
            visible = step;
        }
    }
    return visible;
}

void WizardHarness::click(const char* buttonName)
{
    auto* button = find<QPushButton>(buttonName);
    if (button != nullptr)
        QTest::mouseClick(button, Qt::LeftButton);
}

void WizardHarness::typeInto(const char* lineEditName, const QString& text)
{
    auto* edit = find<QLineEdit>(lineEditName);
    if (edit == nullptr)
        return;
    edit->selectAll();
    edit->del();
    typeText(edit, text);
}

void WizardHarness::typeText(QWidget* widget, const QString& text)
{
    for (qsizetype at = 0; at < text.size(); ++at) {
        const QChar character = text.at(at);
        if (character.unicode() < 0x80) {
            QTest::keyClick(widget, character.toLatin1());
            continue;
        }
        const qsizetype length = character.isHighSurrogate() ? 2 : 1;
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, text.mid(at, length));
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, text.mid(at, length));
        QApplication::sendEvent(widget, &press);
        QApplication::sendEvent(widget, &release);
        at += length - 1;
    }
}
