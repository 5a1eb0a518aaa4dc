"""Drives the real marquetto binary on its own X display with openbox, as a user would.

    run_e2e.py BUILD_FOLDER [SCREENSHOT_FOLDER]

Prints one line per scenario; on a failure, one line naming the step and what was seen, a screenshot
in SCREENSHOT_FOLDER, and exit status 1."""

import filecmp
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import traceback

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import pyatspi  # noqa: E402

from desktop import Desktop, StepFailed, wait_for, wait_until_equal  # noqa: E402
from wizard import GERMAN, Wizard, children, role, showing, states, walk  # noqa: E402

BOX_WIDTH, BOX_HEIGHT = 300, 250
TYPED = {
    "name": "e2e_box_",
    "width": str(BOX_WIDTH),
    # Ending in a letter, so that the hint is up when the next field is clicked.
    "width with letters": "3x0a0x",
    "height": str(BOX_HEIGHT),
    "font size": "13",
    "font size with a letter": "13x",
    "title font size": "10",
    "title": "Hello from e2e",
    "text": "A message typed by a user",
    "scroll delay": "40",
}
# What a number field says when it refuses a character.
REFUSED_HINT = "Only the digits 0 to 9 can be entered here."
OPTIONS = ("Accessible box (pause button, keyboard, reduced motion)", "Right-to-left text",
           "Fit the page width", "Light motion")


GTK_SETTINGS = """[Settings]
gtk-font-name=DejaVu Sans 11
gtk-application-prefer-dark-theme=1
"""


class Suite:
    failure_shot = "failure.png"

    def __init__(self, build, shots):
        self.build = build
        self.shots = shots
        self.scratch = tempfile.mkdtemp(prefix="marquetto-e2e-")
        self.starts = 0
        self.step = "starting the desktop"
        self.desktop = None
        self.wizard = None

    # Plumbing ---------------------------------------------------------------------------------------

    def at(self, step):
        self.step = step

    def check(self, condition, seen):
        if not condition:
            raise StepFailed(f"saw {seen}")

    def start_wizard(self, extra_env=None, files=None):
        self.starts += 1
        home = os.path.join(self.scratch, f"home{self.starts}")
        for relative, content in (files or {}).items():
            os.makedirs(os.path.dirname(os.path.join(home, relative)), exist_ok=True)
            with open(os.path.join(home, relative), "w") as file:
                file.write(content)
        self.wizard = Wizard(self.desktop, os.path.join(self.build, "app", "marquetto"), home, extra_env)
        return self.wizard

    def stop_wizard(self):
        if self.wizard is not None:
            self.wizard.close()
            self.wizard = None

    def work_folder(self):
        return os.path.join(self.wizard.home, ".local/share/mirelight/tickerkit")

    def text_field(self, name, within=None):
        return self.wizard.control(name, "text", within)

    def set_text(self, name, value, within=None):
        """Clicks into the field, replaces what it holds by typing, and checks what it then shows."""
        w = self.wizard
        field = self.text_field(name, within)
        w.click(field, self.scale)
        wait_for(f'"{name}" to take the focus', lambda: states(field).contains(pyatspi.STATE_FOCUSED))
        w.key("ctrl+a")
        w.type(value)
        wait_for(f'"{name}" to show "{value}"', lambda: w.text_of(field) == value)

    def type_refused(self, name, typed, within=None, replace=True):
        """Types `typed`, which ends in a letter, into the field (over what it holds, or after it), which
        drops what is not a digit and says so beside itself until the next key; gives the hint as the bus
        shows it."""
        w = self.wizard
        field = self.text_field(name, within)
        w.click(field, self.scale)
        wait_for(f'"{name}" to take the focus', lambda: states(field).contains(pyatspi.STATE_FOCUSED))
        w.key("ctrl+a" if replace else "End")
        kept = ("" if replace else w.text_of(field)) + "".join(c for c in typed if c.isdigit())
        w.type(typed)
        wait_for(f'"{name}" to show "{kept}" for "{typed}"', lambda: w.text_of(field) == kept)
        return wait_for("the hint that says why", self.refusal_hint)

    def refusal_hint(self):
        """The shown hint of a refusing field, in whatever window of the wizard it is."""
        return next((node for node in walk(self.wizard.app) if node.name == self.wizard.caption(REFUSED_HINT) and showing(node)), None)

    def refused_then_next(self, refusing, typed, following, value, within):
        """Letters typed into one field, then a click into the one below and a value typed: the value
        must land in the field clicked, whatever the hint covers, and the first field keep its digits."""
        w = self.wizard
        self.type_refused(refusing, typed, within)
        self.set_text(following, value, within)
        kept = "".join(c for c in typed if c.isdigit())
        shown = w.text_of(self.text_field(refusing, within))
        self.check(shown == kept, f'"{refusing}" shows "{shown}" after "{value}" was typed into "{following}"')
        wait_for("the hint to go after the click", lambda: self.refusal_hint() is None)

    def press(self, name, within=None):
        self.wizard.click(self.wizard.control(name, "push button", within), self.scale)

    def dialog(self, caption):
        return wait_for(f'the "{caption}" window', lambda: self.wizard.window(caption))

    def dialog_gone(self, caption):
        wait_for(f'the "{caption}" window to close', lambda: self.wizard.window(caption) is None)

    def caption_as_shown(self, caption):
        window = self.wizard.x_window(caption)
        names = self.desktop.window_property(window, "_NET_WM_NAME")
        self.check(names.endswith(f'= "{caption}"'), f"the title bar property {names}")
        return window

    def message_box(self, text_part):
        """A shown window holding a label with `text_part` in it."""
        def find():
            for window in self.wizard.windows():
                if showing(window) and any(text_part in node.name for node in walk(window)
                                           if role(node) == "label"):
                    return window
            return None
        return wait_for(f'a message saying "{text_part}"', find)

    def question(self):
        return self.message_box("Save changes to the project?")

    # Scenarios -------------------------------------------------------------------------------------

    def scenario_design_preview_save(self):
        self.scale = 1
        self.at("start-up")
        w = self.start_wizard()
        frame_window = self.caption_as_shown("Marquetto v2.3")
        actions = self.desktop.window_property(frame_window, "_NET_WM_ALLOWED_ACTIONS")
        self.check("MAXIMIZE" not in actions and "RESIZE" not in actions, f"the frame allows {actions}")
        frame_size = w.outer_rect(frame_window)[2:]

        self.at("Step 1: the focus is on the name at start-up, and typing reaches it")
        name = self.text_field("Name :")
        wait_for("the name field to have the focus", lambda: states(name).contains(pyatspi.STATE_FOCUSED))
        w.key("ctrl+a")
        w.type(TYPED["name"])
        wait_for("the name to show what was typed", lambda: w.text_of(name) == TYPED["name"])

        self.at("Step 1: the options are ticked by a click and say so on the bus")
        for caption in OPTIONS:
            box = w.control(caption, "check box", w.page(1))
            self.check(not states(box).contains(pyatspi.STATE_CHECKED), f'"{caption}" ticked at start')
            w.click(box, self.scale)
            wait_for(f'"{caption}" to be ticked', lambda: states(box).contains(pyatspi.STATE_CHECKED))

        self.at("Step 2: the focus lands on Width, and the fields carry their own names")
        w.go_to_step(2)
        page = w.page(2)
        width = self.text_field("Width :", page)
        wait_for("Width to have the focus", lambda: states(width).contains(pyatspi.STATE_FOCUSED))
        for caption in ("Height :", "Space :", "Top margin :", "Bottom margin :", "Left margin :",
                        "Right margin :", "Image X position :", "Image Y position :"):
            self.text_field(caption, page)
        for swatch in ("Background color : #FFFFFF", "Text color : #000000", "Title color : #414A76"):
            w.control(swatch, "push button", page)
        self.at("Step 2: letters in Width are refused, and the next click goes to Height")
        self.refused_then_next("Width :", TYPED["width with letters"], "Height :", TYPED["height"], page)

        w.go_to_step(3)
        page = w.page(3)
        self.at("Step 3: a letter in the font size is refused, and the next click goes to the title size")
        self.refused_then_next("Font size :", TYPED["font size with a letter"], "Title font size :",
                               TYPED["title font size"], page)
        self.at("Step 3: the lists are labelled by their captions")
        labelled = {}
        for node in walk(page):
            if role(node) == "combo box" and showing(node):
                for relation in node.getRelationSet():
                    if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
                        labelled[relation.getTarget(0).name] = node.name
        for caption in ("Text Font type :", "Text style :", "Mouse over text decoration :", "Border style :"):
            self.check(caption in labelled, f"no list labelled by \"{caption}\"; labelled: {sorted(labelled)}")

        self.at("Step 4: add a message through the Add Text editor")
        w.go_to_step(4)
        page = w.page(4)
        w.control("Messages", "list", page)
        self.press("Add", page)
        editor = self.dialog("Add Text")
        self.caption_as_shown("Add Text")
        self.set_text("Title :", TYPED["title"], editor)
        self.set_text("Link :", "https://example.org/e2e", editor)
        self.text_field("Target Frame :", editor)
        text = self.text_field("Text :", editor)
        w.click(text, self.scale)
        w.type(TYPED["text"])
        wait_for("the text field to show the text", lambda: w.text_of(text) == TYPED["text"])
        self.press("OK", editor)
        self.dialog_gone("Add Text")
        messages = w.control("Messages", "list", page)
        wait_for("the new message in the list",
                 lambda: TYPED["text"] in [item.name for item in children(messages)])
        self.set_text("Scroll delay :", TYPED["scroll delay"], page)

        self.at("Step 4: the Edit editor's caption")
        item = [node for node in children(messages) if node.name == TYPED["text"]][0]
        w.click(item, self.scale)
        edit = w.control("Edit", "push button", page)
        wait_for("Edit to be enabled", lambda: states(edit).contains(pyatspi.STATE_ENABLED))
        self.press("Edit", page)
        editor = self.dialog("Edit")
        self.caption_as_shown("Edit")
        self.check(w.text_of(self.text_field("Title :", editor)) == TYPED["title"], "another message in Edit")
        self.press("Cancel", editor)
        self.dialog_gone("Edit")

        self.at("Step 1: the About box's caption")
        w.go_to_step(1)
        self.press("About", w.page(1))
        about = self.dialog("Marquetto")
        self.caption_as_shown("Marquetto")
        self.press("OK", about)
        self.dialog_gone("Marquetto")

        self.at("Step 5: generation, and the frame keeps its size")
        w.go_to_step(5)
        snippet = self.text_field("Copy the below into the <body> section of your web\npage where you wish the news scroller to appear.", w.page(5))
        wait_for("the snippet", lambda: TYPED["name"] in w.text_of(snippet))
        self.check(w.outer_rect(frame_window)[2:] == frame_size,
                   f"the frame measures {w.outer_rect(frame_window)[2:]}, at start {frame_size}")

        self.at("Copy selects the whole snippet")
        self.press("Copy", w.page(5))
        selection = snippet.queryText()
        wait_for("the snippet to be selected", lambda: selection.getNSelections() == 1)
        start, end = selection.getSelection(0)
        self.check((start, end) == (0, selection.characterCount), f"the selection {start}..{end}")

        self.at("Preview in Browser hands preview.html to the desktop")
        self.press("Preview in Browser", w.page(5))
        preview_page = os.path.join(self.work_folder(), "preview.html")
        wait_for("the stub open command to be called", lambda: os.path.exists(w.opened_log))
        with open(w.opened_log) as opened:
            got = opened.read()
        self.check(preview_page in got or "file://" + preview_page in got, f"opened {got!r}")

        self.preview_window_flows(w)
        self.save_as_and_compare_with_the_command_line(w)

        self.at("Exit after saving asks nothing")
        self.press("Exit")
        w.ended()
        self.stop_wizard()

    def preview_window_flows(self, w):
        self.at("Preview: the first window is the box plus 100 at the top-left corner")
        self.press("Preview", w.page(5))
        preview = self.caption_as_shown("Live Preview")
        expected = (0, 0, BOX_WIDTH + 100, BOX_HEIGHT + 100)
        wait_until_equal("the preview's outer rectangle", lambda: w.outer_rect(preview), expected)
        w.control("Refresh Preview", "push button", w.page(5))

        self.at("Preview: the box moves, and halts while the mouse is over it")
        def box_pixels():
            x, y, _, _ = w.outer_rect(preview)
            return self.desktop.region(x + 60, y + 80, 120, 120)

        first = box_pixels()
        wait_for("the news box to move", lambda: box_pixels() != first)
        # The box halts while the pointer is over a message, so point at a line of text.
        x, y, _, _ = w.outer_rect(preview)
        text_at = wait_for("a line of text inside the box", lambda: self.text_point(x + 60, y + 80, 120, 120))
        self.desktop.xdotool("mousemove", *text_at)

        # A frame in flight when the mouse arrived may still land: wait for two grabs in a row to agree.
        def halted():
            before = box_pixels()
            return before if box_pixels() == before else None

        held = wait_for("the box to halt under the mouse", halted)
        deadline = time.monotonic() + 1.5
        while time.monotonic() < deadline:
            self.check(box_pixels() == held, "the box moving on under the mouse")
        self.desktop.xdotool("mousemove", 900, 850)
        wait_for("the box to move again once the mouse left", lambda: box_pixels() != held)

        self.at("Preview: Alt+F4 closes only the preview")
        self.desktop.xdotool("windowactivate", "--sync", preview)
        w.key("alt+F4")
        wait_for("the preview to close", lambda: not w.x_windows("Live Preview"))
        self.check(w.process.poll() is None, "the wizard ended")
        w.control("Preview", "push button", w.page(5))

        self.at("Preview: reopens where it was, then moved and closed by its close box, reopens there")
        self.press("Preview", w.page(5))
        preview = w.x_window("Live Preview")
        wait_until_equal("the reopened preview's outer rectangle", lambda: w.outer_rect(preview), expected)
        self.desktop.xdotool("windowmove", "--sync", preview, 200, 150)
        moved = wait_for("the preview to move", lambda: (r := w.outer_rect(preview))[0] > 100 and r)
        ox, oy, ow, _ = moved
        extents = self.desktop.window_property(preview, "_NET_FRAME_EXTENTS").split("=")[1].split(",")
        top = int(extents[2])
        self.desktop.xdotool("mousemove", ox + ow - top // 2 - 2, oy + top // 2, "click", "1")
        wait_for("the close box to close the preview", lambda: not w.x_windows("Live Preview"))
        w.control("Preview", "push button", w.page(5))
        self.press("Preview", w.page(5))
        preview = w.x_window("Live Preview")
        wait_until_equal("the preview's outer rectangle after moving", lambda: w.outer_rect(preview), moved)
        self.desktop.xdotool("windowactivate", "--sync", preview)
        w.key("alt+F4")
        wait_for("the preview to close", lambda: not w.x_windows("Live Preview"))

    def text_point(self, left, top, width, height):
        """A screen point on dark text pixels within the rectangle, nearest its middle row."""
        pixels = self.desktop.region(left, top, width, height)
        rows = sorted(range(height), key=lambda row: abs(row - height // 2))
        for row in rows:
            for column in range(width):
                r, g, b = pixels[(row * width + column) * 3:(row * width + column) * 3 + 3]
                if max(r, g, b) < 100:
                    return left + column, top + row
        return None

    def save_as_and_compare_with_the_command_line(self, w):
        self.at("Save Project As to a typed path")
        self.project = os.path.join(self.scratch, "projects", "typed design.tkp")
        os.makedirs(os.path.dirname(self.project), exist_ok=True)
        self.press("Save Project As...")
        self.dialog("Save Project As")
        w.key("ctrl+a")
        w.type(self.project)
        w.key("Return")
        wait_for("the project file", lambda: os.path.exists(self.project))

        self.at("The Step 5 files equal what marquetto-cli generates from the saved project")
        out = os.path.join(self.scratch, "cli-out")
        os.makedirs(out)
        subprocess.run([os.path.join(self.build, "app", "marquetto-cli"), "generate", "--project", self.project,
                        "--out", out], check=True, capture_output=True)
        for name in ("e2e_box_newstic.html", "e2e_box_newsticie.js", "e2e_box_newsticns6.js", "preview.html"):
            wizard_file = os.path.join(self.work_folder(), name)
            self.check(os.path.exists(wizard_file), f"no {name} in the working folder")
            self.check(filecmp.cmp(wizard_file, os.path.join(out, name), shallow=False),
                       f"{name} differs from the command line's")
        with open(os.path.join(out, "preview.html"), encoding="latin-1") as preview:
            self.check(f'style="width:100%;max-width:{BOX_WIDTH}px"' in preview.read(),
                       "the ticked Fit the page width left the preview's frame a fixed width")

    def scenario_reopen_and_unsaved_changes(self):
        self.scale = 1
        self.at("second start: Open the saved project")
        w = self.start_wizard()
        self.press("Open Project", w.page(1))
        self.dialog("Open Project")
        w.key("ctrl+a")
        w.type(self.project)
        w.key("Return")
        name = self.text_field("Name :")
        wait_for("the opened project's name", lambda: w.text_of(name) == TYPED["name"])

        self.at("second start: every page shows the saved values")
        expected = [(2, "Width :", TYPED["width"]), (2, "Height :", TYPED["height"]),
                    (3, "Font size :", TYPED["font size"]), (3, "Title font size :", TYPED["title font size"]),
                    (4, "Scroll delay :", TYPED["scroll delay"])]
        for step, caption, value in expected:
            w.go_to_step(step)
            field = self.text_field(caption, w.page(step))
            self.check(w.text_of(field) == value, f'"{caption}" shows "{w.text_of(field)}", saved "{value}"')
        messages = w.control("Messages", "list", w.page(4))
        self.check(TYPED["text"] in [item.name for item in children(messages)], "the added message missing")
        w.go_to_step(1)
        for caption in OPTIONS:
            box = w.control(caption, "check box", w.page(1))
            self.check(states(box).contains(pyatspi.STATE_CHECKED), f'"{caption}" unticked after reopening')

        self.at("a width of 0: the frame keeps its shape while the width message shows")
        frame_window = w.x_window("Marquetto v2.3")
        frame_size = w.outer_rect(frame_window)[2:]
        w.go_to_step(2)
        self.set_text("Width :", "0", w.page(2))
        # Clicked, not pressed over the bus: the message box holds the tab's action until it closes.
        w.click(w.step_tab(5))
        for time_shown in ("first", "second"):
            box = self.message_box("Width of the text scroll")
            sizes = w.outer_rect(frame_window)[2:]
            self.check(sizes == frame_size, f"the frame at {sizes} behind the {time_shown} message, before {frame_size}")
            self.press("OK", box)
            wait_for("the message to close", lambda: box not in w.windows() or not showing(box))
        wait_for("the Step 5 page", lambda: w.shown_step() == 5)
        self.check(w.outer_rect(frame_window)[2:] == frame_size, "the frame changed its size on Step 5")
        w.go_to_step(2)
        self.set_text("Width :", TYPED["width"], w.page(2))

        self.at("an edit, then Alt+F4 on the wizard asks, and Cancel keeps it open")
        w.go_to_step(4)
        self.set_text("Pause :", "7", w.page(4))
        self.desktop.xdotool("windowactivate", "--sync", w.x_window("Marquetto v2.3"))
        w.key("alt+F4")
        box = self.question()
        self.press("Cancel", box)
        wait_for("the question to go", lambda: not showing(box) or box not in w.windows())
        self.check(w.process.poll() is None, "the wizard ended after Cancel")
        self.check(w.text_of(self.text_field("Pause :", w.page(4))) == "7", "the edit was lost")

        self.at("Exit with the edit asks, and Discard ends the wizard without saving")
        saved = open(self.project, "rb").read()
        self.press("Exit")
        self.press("Discard", self.question())
        w.ended()
        self.check(open(self.project, "rb").read() == saved, "the project file changed")
        self.stop_wizard()

    def scenario_readable(self, label, font_pixels, env, files=None):
        self.scale = 2 if env.get("QT_SCALE_FACTOR") == "2" else 1
        self.at(f"{label}: start-up in German")
        w = self.start_wizard({**GERMAN, **env}, files)
        for step in (1, 2, 3, 4, 5):
            self.at(f"{label}: Step {step} cuts no text")
            w.go_to_step(step)
            if step == 1:
                for caption in OPTIONS:
                    self.check_inside(w.control(w.caption(caption), "check box", w.page(1)), w.page(1))
            cut = w.cut_texts(w.page(step), font_pixels)
            self.desktop.screenshot(os.path.join(self.shots, f"{label}-step{step}.png"))
            self.check(not cut, "cut: " + "; ".join(cut))
        for step, field in ((2, "Width :"), (3, "Title line height :")):
            self.at(f"{label}: the hint of a refusing field on Step {step} is whole and inside the window")
            w.go_to_step(step)
            hint = self.type_refused(w.caption(field), "x", w.page(step), replace=False)
            self.desktop.screenshot(os.path.join(self.shots, f"{label}-hint-step{step}.png"))
            self.check(role(hint) == "label", f"the hint is a {role(hint)}, whose text the check cannot measure")
            cut = w.cut_texts(hint, font_pixels)
            self.check(not cut, "cut: " + "; ".join(cut))
            self.check_inside(hint, w.frame)
        w.go_to_step(4)
        self.press(w.caption("Add"), w.page(4))
        editor = self.dialog(w.caption("Add Text"))
        self.at(f"{label}: the Add Text editor cuts no text")
        cut = w.cut_texts(editor, font_pixels)
        self.desktop.screenshot(os.path.join(self.shots, f"{label}-editor.png"))
        self.check(not cut, "cut: " + "; ".join(cut))
        self.press(w.caption("Cancel"), editor)
        self.dialog_gone(w.caption("Add Text"))
        self.press(w.caption("Exit"))
        w.ended()
        self.stop_wizard()

    def check_inside(self, control, page):
        """The control lies wholly within the page, where the window shows it."""
        c = control.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        p = page.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        self.check(p.x <= c.x and p.y <= c.y and c.x + c.width <= p.x + p.width and
                   c.y + c.height <= p.y + p.height,
                   f'"{control.name}" at {(c.x, c.y, c.width, c.height)} on a page at {(p.x, p.y, p.width, p.height)}')

    def scenario_no_display(self):
        for display_env in ({"DISPLAY": "localhost:10.0"}, {"WAYLAND_DISPLAY": "nowhere"}):
            self.at(f"start without a usable display: {display_env}")
            env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
            env.update(display_env)
            result = subprocess.run([os.path.join(self.build, "app", "marquetto")], env=env, capture_output=True,
                                    text=True, timeout=30)
            self.check(result.returncode == 1 and "no display could be reached" in result.stderr,
                       f"exit {result.returncode} and {result.stderr.strip()!r}")

    # Running ---------------------------------------------------------------------------------------

    def scenarios(self):
        self.scenario_no_display()
        self.desktop = Desktop(self.scratch)
        self.scenario_design_preview_save()
        self.scenario_reopen_and_unsaved_changes()
        # The font's size in the pixels the bus reports: 9 pt at 120 dpi; 9 pt at 96 dpi before the
        # scaling by 2, which the bus leaves out; 11 pt at 96 dpi.
        self.scenario_readable("11pt", 15, {"QT_FONT_DPI": "120", "QT_ENABLE_HIGHDPI_SCALING": "0"})
        self.scenario_readable("scale2", 12, {"QT_SCALE_FACTOR": "2"})
        self.scenario_readable("dark-gtk11", 15, {"QT_QPA_PLATFORMTHEME": "gtk3", "GTK_THEME": "Adwaita:dark"},
                               {".config/gtk-3.0/settings.ini": GTK_SETTINGS})

    def run(self):
        os.makedirs(self.shots, exist_ok=True)
        started = time.monotonic()
        try:
            self.scenarios()
        except Exception as error:
            shot = os.path.join(self.shots, self.failure_shot)
            if self.desktop:
                self.desktop.screenshot(shot)
            detail = str(error) if isinstance(error, StepFailed) else traceback.format_exc(limit=3)
            print(f"FAIL at step \"{self.step}\": {detail} (screenshot {shot})")
            if self.wizard is not None:
                print("wizard output:", self.wizard.output()[-800:])
            return 1
        finally:
            self.stop_wizard()
            if self.desktop:
                self.desktop.close()
            shutil.rmtree(self.scratch, ignore_errors=True)
        print(f"PASS: {self.starts} starts in {time.monotonic() - started:.0f} s")
        return 0


def main(suite_class):
    build_folder = os.path.abspath(sys.argv[1])
    screenshots = os.path.abspath(sys.argv[2] if len(sys.argv) > 2 else os.path.join(build_folder, "e2e-screenshots"))
    suite = suite_class(build_folder, screenshots)
    # CTest ends a suite that runs too long with SIGTERM: the failure names the step it stopped at, and
    # the desktop's processes go with it.
    def stopped(number, frame):
        raise StepFailed("the suite was stopped from outside")

    signal.signal(signal.SIGTERM, stopped)
    sys.exit(suite.run())


if __name__ == "__main__":
    main(Suite)
