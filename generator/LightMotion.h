#pragma once

#include "project/ProjectRecord.h"

#include <string>

// The light motion of the standards runtime: the same steps, played by Web Animations that the browser's
// compositor runs (the scrollers) or run from animation frames on the timeline the timers would keep (the
// fader, and browsers without Web Animations), moving by translation instead of layout and resting while the
// box is out of sight. Browsers without animation frames or intersection observers keep the timers.
class LightMotion
{
public:
    static bool isOn(const ProjectRecord& record) { return record.lightMotion == ProjectRecord::ticked; }

    // Rewrites the filled runtime's timer calls and per-step position writes into the light script's.
    static void adapt(std::string& runtime, const ProjectRecord& record);

    // The scheduler that follows the runtime's last statement.
    static std::string script(const ProjectRecord& record);
};
