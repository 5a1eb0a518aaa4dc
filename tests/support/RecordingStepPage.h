#pragma once

#include "ui/StepPage.h"

#include <QStringList>

#include <functional>

// A stand-in page for Steps 1 to 4 that writes "flush Step N" and "load Step N" into a shared log, so
// tests can see in which order the wizard hands its pages over.
class RecordingStepPage : public StepPage
{
public:
    RecordingStepPage(int step, QStringList& log, ProjectRecord& record, Platform& platform, QWidget* parent)
        : StepPage(record, platform, parent), name_(QStringLiteral("Step %1").arg(step + 1)), log_(log)
    {}

    void FlushToRecord() override { log_ << "flush " + name_; }
    void LoadFromRecord() override { log_ << "load " + name_; }

private:
    QString name_;
    QStringList& log_;
};
