#pragma once

#include "project/Message.h"

#include <QDialog>

class ProjectRecord;
class QLineEdit;
class QPlainTextEdit;

// What the "Add Text" and "Edit" dialogs share: the four fields of one message, the hint, "OK" and
// "Cancel", and on OK the target rule and the writing of the record.
class MessageDialog : public QDialog
{
    Q_OBJECT

public:
    void accept() override;

    // The message editors' rule for a target, which the import and the command line share.
    static QString targetByRule(const QString& typed);

protected:
    MessageDialog(const QString& caption, ProjectRecord& record, QWidget* parent);

    ProjectRecord& record() { return record_; }
    const ProjectRecord& record() const { return record_; }
    void fillFields(const Message& message);

    // The message as the record holds it now, empty for a new one; the fields are written over it.
    virtual Message storedMessage() const { return {}; }
    virtual void keepMessage(Message message) = 0;

private:
    void settleEncoding();
    Message typedOver(Message message);

    ProjectRecord& record_;
    QLineEdit* titleEdit_;
    QPlainTextEdit* textEdit_;
    QLineEdit* linkEdit_;
    QLineEdit* targetEdit_;
    QString loadedText_;
};
