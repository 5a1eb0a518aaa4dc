#pragma once

#include "feed/FeedOptions.h"
#include "project/Message.h"

#include <QDialog>

#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTreeWidget;

// The "Import Messages" dialog: how many items of a feed become messages, where their links open, how long
// their texts may grow, whether they replace the list or follow it, and a look at the first of them.
class FeedImportDialog : public QDialog
{
    Q_OBJECT

public:
    // `feed` has been read once already with default options, which gave `messages`.
    FeedImportDialog(std::string feed, std::vector<Message> messages, const QString& fileName,
                     int messagesInList, QWidget* parent = nullptr);

    // What the options give now, as UTF-8 texts; taken once, after OK.
    std::vector<Message> takeMessages() { return std::move(messages_); }
    bool replacesList() const;

private:
    static constexpr int previewRows = 5;

    FeedOptions options() const;
    QLayout* optionFields();
    QLayout* buttonRow();
    void readAgain();
    void showPreview();
    void showSummary();

    std::string feed_;
    std::vector<Message> messages_;
    QString fileName_;
    int messagesInList_;
    QSpinBox* maxItemsEdit_;
    QLineEdit* targetEdit_;
    QSpinBox* lengthEdit_;
    QRadioButton* replaceButton_;
    QRadioButton* appendButton_;
    QTreeWidget* previewList_;
    QLabel* summary_;
    QPushButton* okButton_;
};
