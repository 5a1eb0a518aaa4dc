#pragma once

#include "ui/MessageDialog.h"

// The "Edit" dialog: shows the message that the record's selectedMessage names and on OK replaces it.
class modifybox : public MessageDialog
{
    Q_OBJECT

public:
    explicit modifybox(ProjectRecord& record, QWidget* parent = nullptr);

private:
    Message storedMessage() const override;
    void keepMessage(Message message) override;

    int index_;
};
