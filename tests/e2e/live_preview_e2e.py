"""The live preview, driven on a 1280x900 desktop: with the preview window open, a width and a colour
changed on Step 2 and a message edited on Step 4 each show in the window's pixels; a box name that the
generator refuses leaves the last box with a note in the window, which goes when the name is good again.

    live_preview_e2e.py BUILD_FOLDER [SCREENSHOT_FOLDER]
"""

import os
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import pyatspi  # noqa: E402
from desktop import Desktop, run_command, wait_for  # noqa: E402
from processes import preview_programs  # noqa: E402
from run_e2e import Suite, main  # noqa: E402
from wizard import children, role, showing, states, walk  # noqa: E402

SCREEN = (1280, 900)
WHITE = (255, 255, 255)
YELLOW = (255, 255, 0)
GREEN = (0, 255, 0)
# The default box is 180 pixels wide and centred on the page: 60 more move its left edge by 30.
WIDER = 240
# A message drawn as a green block, so that it can be seen among the others as the box scrolls.
GREEN_MESSAGE = '<div style="background:#00FF00;height:120px">&nbsp;</div>'


def pixels(raw):
    return [tuple(raw[i:i + 3]) for i in range(0, len(raw) - 2, 3)]


class LivePreview(Suite):
    failure_shot = "live-preview-failure.png"

    def __init__(self, build, shots):
        super().__init__(build, shots)
        self.scale = 1

    def client_rect(self, window):
        info = run_command(["xwininfo", "-id", str(window)], self.desktop.env, check=False).stdout
        values = dict(line.strip().split(":", 1) for line in info.splitlines() if ":" in line)
        return tuple(int(values[key].strip()) for key in
                     ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height"))

    def box_left_edge(self):
        """The first pixel that is not white on a row through the box: its left border."""
        x, y, width, _ = self.client_rect(self.preview)
        row = pixels(self.desktop.region(x, y + 100, width, 1))
        return next((i for i, pixel in enumerate(row) if pixel != WHITE), None)

    def count(self, colour):
        x, y, width, height = self.client_rect(self.preview)
        return pixels(self.desktop.region(x, y, width, height)).count(colour)

    def see(self, what, condition, started):
        wait_for(what, condition)
        print(f"{what}: seen {time.monotonic() - started:.2f} s after the edit")

    def preview_app(self):
        programs = preview_programs(self.wizard.process_tree())
        for app in children(pyatspi.Registry.getDesktop(0)):
            try:
                if app is not None and app.get_process_id() in programs and app.childCount > 0:
                    return app
            except Exception:
                continue
        return None

    def note(self):
        """The text of the note the preview window shows, or None."""
        app = self.preview_app()
        for node in walk(app) if app is not None else []:
            if role(node) == "label" and showing(node) and node.name.startswith("Not updated"):
                return node.name
        return None

    def work_files(self):
        folder = self.work_folder()
        return {name: os.stat(os.path.join(folder, name)).st_mtime_ns for name in sorted(os.listdir(folder))}

    def scenario_live_edits(self):
        self.at("Preview opens the live window on the box of Step 5")
        w = self.start_wizard()
        w.go_to_step(5)
        self.press("Preview", w.page(5))
        self.preview = w.x_window("Live Preview")
        self.caption_as_shown("Live Preview")
        first_edge = wait_for("the box to paint", self.box_left_edge, timeout=60)
        w.control("Refresh Preview", "push button", w.page(5))
        work_before = self.work_files()
        place = w.outer_rect(self.preview)

        self.at("A width typed on Step 2 shows in the open window")
        w.go_to_step(2)
        page = w.page(2)
        started = time.monotonic()
        self.set_text("Width :", str(WIDER), page)
        self.see("the wider box", lambda: abs(self.box_left_edge() - (first_edge - 30)) <= 2, started)

        self.at("A colour chosen on Step 2 shows in the open window")
        self.press("Background color : #FFFFFF", page)
        chooser = self.dialog("Select Color")
        self.set_text("HTML:", "#ffff00", chooser)
        started = time.monotonic()
        self.press("OK", chooser)
        self.dialog_gone("Select Color")
        self.see("the yellow box", lambda: self.count(YELLOW) > WIDER * 100, started)

        self.at("A message edited on Step 4 shows in the open window")
        w.go_to_step(4)
        page = w.page(4)
        messages = w.control("Messages", "list", page)
        w.click(children(messages)[0], self.scale)
        edit = w.control("Edit", "push button", page)
        wait_for("Edit to be enabled", lambda: states(edit).contains(pyatspi.STATE_ENABLED))
        self.press("Edit", page)
        editor = self.dialog("Edit")
        text = self.text_field("Text :", editor)
        w.click(text, self.scale)
        w.key("ctrl+a")
        w.type(GREEN_MESSAGE)
        wait_for("the text field to show the message", lambda: w.text_of(text) == GREEN_MESSAGE)
        started = time.monotonic()
        self.press("OK", editor)
        self.dialog_gone("Edit")
        # The new box starts from its first message, so the edited one shows at once.
        self.see("the green first message in the box", lambda: self.count(GREEN) > 1000, started)

        self.at("A box name the generator refuses keeps the last box and says why in the window")
        w.go_to_step(1)
        started = time.monotonic()
        self.set_text("Name :", "bad/", w.page(1))
        self.see("the note", self.note, started)
        said = self.note()
        self.check("path separator" in said and '"bad/newstic.html"' in said, f"the note {said!r}")
        self.check(self.count(YELLOW) > WIDER * 100, "the last good box gone from the window")

        self.at("A good name again takes the note away")
        self.set_text("Name :", "good_", w.page(1))
        wait_for("the note to go", lambda: self.note() is None)
        self.check(self.count(YELLOW) > WIDER * 100, "the box gone from the window")
        self.check(w.outer_rect(self.preview) == place,
                   f"the window moved from {place} to {w.outer_rect(self.preview)}")
        self.check(self.work_files() == work_before,
                   f"the working folder changed: {work_before} then {self.work_files()}")
        self.desktop.screenshot(os.path.join(self.shots, "live-preview.png"))

        self.at("Step 5 still generates into the working folder")
        w.go_to_step(5)
        wait_for("the files of the good name", lambda: "good_newstic.html" in self.work_files())
        self.stop_wizard()

    def scenarios(self):
        self.desktop = Desktop(self.scratch, *SCREEN)
        self.scenario_live_edits()


if __name__ == "__main__":
    main(LivePreview)
