#pragma once

#include "project/ProjectRecord.h"

#include <string>

// The light motion of the standards runtime: the same steps and pages, played by Web Animations of translate
// that the browser's compositor runs, or, where those are missing, run from animation frames on the timeline the
// timers would keep; resting while the box is out of sight. Browsers without animation frames or intersection
// observers keep the timers. The fader parks each message below the box while its page is not shown, out of
// the box's clip, where the pointer cannot reach it as it cannot reach a hidden one; since the browser sees no
// change under a resting pointer when the compositor turns a page, the fader hit-tests it at each turn.
class LightMotion
{
public:
    static bool isOn(const ProjectRecord& record) { return record.lightMotion == ProjectRecord::ticked; }

    // Rewrites the filled runtime's timer calls and per-step position writes into the light script's.
    static void adapt(std::string& runtime, const ProjectRecord& record);

    // The scheduler that follows the runtime's last statement.
    static std::string script(const ProjectRecord& record);
};
