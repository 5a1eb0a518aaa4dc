#include "ui/addbox.h"

#include "project/ProjectRecord.h"

addbox::addbox(ProjectRecord& record, QWidget* parent) : MessageDialog(tr("Add Text"), record, parent) {}

void addbox::keepMessage(Message message)
{
    record().appendMessage(std::move(message));
}
