#include "ui/modifybox.h"

#include "project/ProjectRecord.h"

modifybox::modifybox(ProjectRecord& record, QWidget* parent)
    : MessageDialog(tr("Edit"), record, parent), index_(record.selectedMessage)
{
    fillFields(record.message(index_));
}

Message modifybox::storedMessage() const
{
    return record().message(index_);
}

void modifybox::keepMessage(Message message)
{
    record().replaceMessage(index_, std::move(message));
}
