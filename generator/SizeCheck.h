#pragma once

#include "generator/DesignCheck.h"

// The design check's rules on sizes and margins: numbers that go into the code or the style as typed, a
// box whose margins and border leave no room, and words wider than the text column.
class SizeCheck
{
public:
    using Found = std::vector<DesignFinding>;

    static void check(const ProjectRecord& record, Found& found);

private:
    static void checkNumbers(const ProjectRecord& record, Found& found);
    static void checkRoom(const ProjectRecord& record, Found& found);
    static void checkColumn(const ProjectRecord& record, Found& found);
};
