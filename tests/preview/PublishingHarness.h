#pragma once

#include "generator/BuiltInTexts.h"
#include "generator/PageRoundTrip.h"
#include "preview/PublishingActions.h"
#include "preview/WebPreviewWindows.h"
#include "project/ProjectReader.h"
#include "tests/support/FakePlatform.h"
#include "tests/support/FindWidget.h"
#include "tests/support/TemporaryFolder.h"
#include "ui/uc.h"

#include <QPushButton>
#include <QtTest/QTest>

#include <gtest/gtest.h>

// A Step 5 page over the default design, generated into a temporary working folder, with its actions.
struct PublishingHarness
{
    TemporaryFolder folder;
    ProjectRecord record;
    FakePlatform platform;
    uc page{record, platform};
    WebPreviewWindows* windows = new WebPreviewWindows;
    PublishingActions actions{record, platform, page, std::unique_ptr<PreviewWindows>(windows)};

    PublishingHarness()
    {
        EXPECT_TRUE(ProjectReader(BuiltInTexts::defaultProject()).readProject(record).ok());
        PageRoundTrip::apply(record);
        record.workFolder = folder.path() + "/";
    }

    void generate() { EXPECT_TRUE(page.GenerateOutputs()); }

    void click(const char* button)
    {
        QTest::mouseClick(findWidget<QPushButton>(&page, button), Qt::LeftButton);
    }

    QString work(const QString& name) const { return QString::fromStdString(folder.path()) + "/" + name; }
};
