#pragma once

#include "project/ProjectKeys.h"
#include "project/ProjectRecord.h"

#include <gtest/gtest.h>
#include <string>

// Compares every stored setting and the message lists, naming the project-file key of each mismatch.
inline void expectSameDesign(const ProjectRecord& expected, const ProjectRecord& actual)
{
    for (const SettingLine& line : ProjectKeys::settingLines()) {
        SCOPED_TRACE(std::string(line.key));
        if (const auto* text = std::get_if<std::string ProjectRecord::*>(&line.field)) {
            EXPECT_EQ(expected.*(*text), actual.*(*text));
        } else if (const auto* integer = std::get_if<int ProjectRecord::*>(&line.field)) {
            EXPECT_EQ(expected.*(*integer), actual.*(*integer));
        } else {
            const auto color = std::get<RgbColor ProjectRecord::*>(line.field);
            EXPECT_EQ((expected.*color).red, (actual.*color).red);
            EXPECT_EQ((expected.*color).green, (actual.*color).green);
            EXPECT_EQ((expected.*color).blue, (actual.*color).blue);
        }
    }
    for (const OptionLine& line : ProjectKeys::optionLines())
        EXPECT_EQ(expected.*line.field, actual.*line.field) << line.key;
    // An option's number is kept only while the option is on.
    for (const OptionValueLine& line : ProjectKeys::optionValueLines()) {
        if (expected.*line.option == ProjectRecord::ticked) {
            EXPECT_EQ(expected.*line.field, actual.*line.field) << line.key;
        }
    }
    EXPECT_EQ(expected.messageCount(), actual.messageCount());
    EXPECT_EQ(expected.messageTitles(), actual.messageTitles());
    EXPECT_EQ(expected.messageTexts(), actual.messageTexts());
    EXPECT_EQ(expected.messageLinks(), actual.messageLinks());
    EXPECT_EQ(expected.messageTargets(), actual.messageTargets());
}
