#pragma once

#include "ui/MessageDialog.h"

// The "Add Text" dialog: on OK it appends a new message at the end of the record's message list.
class addbox : public MessageDialog
{
    Q_OBJECT

public:
    explicit addbox(ProjectRecord& record, QWidget* parent = nullptr);

private:
    void keepMessage(Message message) override;
};
