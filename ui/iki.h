#pragma once

#include "project/Message.h"
#include "ui/StepPage.h"

#include <vector>

class DigitsField;
class OptionCombo;
class QGroupBox;
class QListWidget;
class QPushButton;

// The Step 4 page: the list of messages with Add, Edit, Delete, the two moves and Import..., the
// scroller or fader style with its effect and mode, and the timing.
class iki : public StepPage
{
    Q_OBJECT

public:
    iki(ProjectRecord& record, Platform& platform, QWidget* parent = nullptr);

    void LoadFromRecord() override;

private:
    QGroupBox* effectGroup();
    QGroupBox* timingGroup();

    void addMessage();
    void editMessage();
    void deleteMessage();
    void moveMessageUp();
    void moveMessageDown();
    void importFeed();
    void takeImportedMessages(std::vector<Message> messages, bool replaceList);
    void unselectChangedLine();
    void showMovedMessage(int line);
    void rebuildList();
    int selectedLine() const;
    void applyButtonRule();
    void enableListButtons(bool enabled);
    bool listButtonHasFocus() const;
    void takeStyleAndMode();
    void applyStyleRule();

    QListWidget* messageList_;
    QPushButton* addButton_;
    QPushButton* editButton_;
    QPushButton* deleteButton_;
    QPushButton* moveUpButton_;
    QPushButton* moveDownButton_;
    QPushButton* importButton_;
    OptionCombo* styleCombo_;
    OptionCombo* effectCombo_;
    OptionCombo* modeCombo_;
    DigitsField* scrollDelayEdit_;
    DigitsField* pauseEdit_;
    OptionCombo* speedCombo_;
    // Where the last feed was chosen, for the next Import... in this run.
    QString feedFolder_;
};
