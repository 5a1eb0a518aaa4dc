#pragma once

#include "feed/FeedOptions.h"
#include "feed/FeedSelection.h"
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
    // `items` are the feed's, read once; the options only make messages of them.
    FeedImportDialog(FeedItems items, const QString& fileName, int messagesInList, QWidget* parent = nullptr);

    // What the options give now, as UTF-8 texts; made once, after OK.
    std::vector<Message> takeMessages();
    bool replacesList() const;

private:
    static constexpr int previewRows = 5;
    static constexpr std::size_t shownWarnings = 3;

    FeedOptions options() const;
    QLayout* optionFields();
    void makeMessages();
    void showPreview();
    void showSummary();
    QString warningLines() const;

    FeedSelection selection_;
    // The first messages as the options make them, shown in the preview; the rest are made on OK.
    std::vector<Message> shown_;
    FeedSelection::Summary summary_;
    QString fileName_;
    int messagesInList_;
    QSpinBox* maxItemsEdit_;
    QLineEdit* targetEdit_;
    QSpinBox* lengthEdit_;
    QRadioButton* replaceButton_;
    QRadioButton* appendButton_;
    QTreeWidget* previewList_;
    QLabel* summaryLabel_;
    QPushButton* okButton_ = nullptr;
};
