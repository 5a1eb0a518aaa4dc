#pragma once

#include "ui/FieldBindings.h"

#include <QWidget>

class Platform;
class ProjectRecord;

// A wizard page of Steps 1 to 4: it copies its controls into the record when the user leaves it and
// sets them from the record after a project has been read.
class StepPage : public QWidget
{
    Q_OBJECT

public:
    StepPage(ProjectRecord& record, Platform& platform, QWidget* parent = nullptr)
        : QWidget(parent), record_(record), platform_(platform), fields_([this] { emit edited(); })
    {}

    // Stores what copyInto gives; a page that checks a value on the way overrides it.
    virtual void FlushToRecord() { copyInto(record_); }
    virtual void LoadFromRecord() = 0;
    // What FlushToRecord stores, into another design and without the page's checks, so that the design
    // can be looked at while the user is still on the page.
    virtual void copyInto(ProjectRecord& design) const { fields_.store(design); }

    // The control that takes the keyboard when the page is entered, if the page names one. Not a focus
    // proxy: Tab would stop at the page's place in the focus chain and jump to the proxy.
    QWidget* firstControl() const { return firstControl_; }

signals:
    // The user changed the design on this page: a value typed, a choice, a colour, a message.
    void edited();

protected:
    ProjectRecord& record() { return record_; }
    Platform& platform() { return platform_; }
    // Filled by the page as it creates its controls; the base exists first, so it is there for them.
    FieldBindings& fields() { return fields_; }
    void loadFields() { fields_.load(record_); }
    void storeFields() { fields_.store(record_); }
    void setFirstControl(QWidget* control) { firstControl_ = control; }
    // For changes that do not go through the bound fields.
    void noteEdited() { emit edited(); }

private:
    ProjectRecord& record_;
    Platform& platform_;
    FieldBindings fields_;
    QWidget* firstControl_ = nullptr;
};
