"""The wizard's keyboard and its preview window, driven on a 1280x900 desktop as a user would.

    keys_and_preview_e2e.py BUILD_FOLDER [SCREENSHOT_FOLDER]

Tab order on each page, the step keys, where the focus goes after the message list's buttons, preview
windows for boxes larger than the screen, a link for a new window, and the room of the design check's
notice. One line per failed step, a screenshot, and exit status 1."""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import pyatspi  # noqa: E402

from desktop import Desktop, StepFailed, wait_for, wait_until_equal  # noqa: E402
from run_e2e import Suite, main  # noqa: E402
from wizard import children, role, states, walk  # noqa: E402

SCREEN = (1280, 900)
BLANK_LINK = "https://example.org/e2e-blank-target"

# What Tab visits after the step tabs, by accessible name, in the default design: greyed controls are
# passed by (both "Use this :" boxes are ticked, so the font lists are off; no background image; no
# message selected; the scroller style; live messages off, so its seconds too).
PAGE_ORDER = {
    1: ["About", "Open Project", "http://www.marquetto.example/", "Name :",
        "Accessible box (pause button, keyboard, reduced motion)", "Right-to-left text", "Fit the page width",
        "Light motion", "Live messages"],
    2: ["Width :", "Height :", "Space :", "Top margin :", "Bottom margin :", "Left margin :", "Right margin :",
        "Background color : #FFFFFF", "Text color : #000000", "Mouse over text color : #8E0606",
        "Title color : #414A76", "Mouse over title color : #B90000", "Background image :",
        "Image X position :", "Image Y position :"],
    3: ["Use this :", "Text font name", "Use this :", "Title font name", "Font size :", "Title font size :",
        "Line height :", "Title line height :", "Text style :", "Title style :", "Text decoration :",
        "Mouse over text decoration :", "Title text decoration :", "Title mouse over text decoration :",
        "Text alignment :", "Border width :", "Border color : #5C5C5C", "Border style :"],
    # The mode list has no caption; the bus names it by the mode it shows.
    4: ["Messages", "Add", "Import...", "Style :", "Wait to finish mode", "Scroll delay :", "Pause :"],
    5: ["Preview", "Preview in Browser", "Copy",
        "Copy the below into the <body> section of your web\npage where you wish the news scroller to appear.",
        "Copy Files into...", "Generated files :"],
}
# Where the focus lands when a step is entered.
FIRST_CONTROL = {1: "Name :", 2: "Width :", 3: "Use this :", 4: "Messages", 5: "Preview"}
FRAME_BUTTONS = ["Exit", "Save Project As...", "Save Project"]


class KeysAndPreview(Suite):
    failure_shot = "keys-failure.png"
    scale = 1

    def focused(self):
        """The control with the keyboard focus, as (where it is, what it is called). Some nodes keep
        saying they are focused after the focus left: the current step's tab, and the current entry of
        a list, which stands for its list when nothing else is focused. A drop-down list is called by
        its caption: its own name is the entry it shows."""
        candidates = [node for node in walk(self.wizard.frame)
                      if role(node) != "page tab" and states(node).contains(pyatspi.STATE_FOCUSED)]
        controls = [node for node in candidates if role(node) != "list item"]
        if controls:
            node = controls[0]
        elif candidates:
            node = candidates[0].parent
        else:
            return None, None
        box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        name = node.name
        if role(node) == "combo box":
            for relation in node.getRelationSet():
                if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
                    labels = [relation.getTarget(i) for i in range(relation.getNTargets())]
                    name = next((label.name for label in labels if role(label) == "label"), name)
        return (role(node), box.x, box.y), name

    def focused_name(self):
        return self.focused()[1]

    def tab_to_next(self, before):
        """Presses Tab and waits for the focus to leave the control `before`; gives the focused one."""
        self.wizard.key("Tab")
        return wait_for(f'the focus to move on from "{before[1]}"',
                        lambda: (now := self.focused())[0] is not None and now[0] != before[0] and now)

    def clear_text(self, name, within):
        field = self.text_field(name, within)
        self.wizard.click(field)
        wait_for(f'"{name}" to take the focus', lambda: states(field).contains(pyatspi.STATE_FOCUSED))
        self.wizard.key("ctrl+a", "BackSpace")
        wait_for(f'"{name}" to be empty', lambda: self.wizard.text_of(field) == "")

    # Scenarios -------------------------------------------------------------------------------------

    def scenario_tab_order(self):
        self.at("Tab order: start-up")
        w = self.start_wizard()
        for step in (1, 2, 3, 4, 5):
            self.at(f"Tab order: Step {step}, forward from its first control round to it again")
            w.go_to_step(step)
            full = [f"Step {step}"] + PAGE_ORDER[step] + FRAME_BUTTONS
            at = full.index(FIRST_CONTROL[step])
            cycle = full[at:] + full[:at]
            wait_until_equal("the focus on the page's first control", self.focused_name, cycle[0])
            control, seen = self.focused(), []
            for _ in cycle:
                control = self.tab_to_next(control)
                seen.append(control[1])
            self.check(seen == cycle[1:] + cycle[:1], f"Tab visiting {seen}")

        self.at("Step keys: Ctrl+Tab, Ctrl+Shift+Tab, Ctrl+PgDn, Ctrl+PgUp, with the focus in a page")
        w.go_to_step(1)
        name_field = self.text_field("Name :")
        w.click(name_field)
        wait_for("the name field to take the focus", lambda: states(name_field).contains(pyatspi.STATE_FOCUSED))
        for keys, step in (("ctrl+Tab", 2), ("ctrl+Next", 3), ("ctrl+shift+Tab", 2), ("ctrl+Prior", 1),
                           ("ctrl+Prior", 5), ("ctrl+Tab", 1)):
            w.key(keys)
            wait_for(f"{keys} to show Step {step}", lambda: w.shown_step() == step)

        self.at("Step keys: leaving Step 2 with a width of 0 shows the width message as a click does")
        w.go_to_step(2)
        self.set_text("Width :", "0", w.page(2))
        w.key("ctrl+Next")
        box = self.message_box("Width of the text scroll")
        self.press("OK", box)
        wait_for("Step 3 after the message", lambda: w.shown_step() == 3)
        self.press("Exit")
        self.press("Discard", self.question())
        w.ended()
        self.stop_wizard()

    def scenario_focus_after_list_operations(self):
        self.at("List operations: start-up")
        w = self.start_wizard()
        w.go_to_step(4)
        page = w.page(4)
        # A drop-down list is named on the bus by the entry it shows.
        w.control("News Scroller", "combo box", page)
        for button in ("Move Down", "Move Up", "Edit", "Delete"):
            self.at(f"List operations: {button} leaves the focus on the messages")
            messages = w.control("Messages", "list", page)
            w.click(children(messages)[1])
            pressed = w.control(button, "push button", page)
            wait_for(f"{button} to be enabled", lambda: states(pressed).contains(pyatspi.STATE_ENABLED))
            w.click(pressed)
            if button == "Edit":
                self.press("OK", self.dialog("Edit"))
                self.dialog_gone("Edit")
            wait_for(f"{button} to grey out", lambda: not states(pressed).contains(pyatspi.STATE_ENABLED))
            wait_until_equal(f"the focus after {button}", self.focused_name, "Messages")
            w.key("Down")
            w.key("Up")
            wait_until_equal("the focus after the arrow keys", self.focused_name, "Messages")
            self.check(w.find("News Fader", "combo box", page) is None,
                       "an arrow key switched the style to News Fader")
        self.stop_wizard()

    def preview_window(self, width, height):
        """Types the box size, opens the preview, and gives its X window once it is mapped."""
        w = self.wizard
        w.go_to_step(2)
        self.set_text("Width :", width, w.page(2))
        self.set_text("Height :", height, w.page(2))
        w.go_to_step(5)
        self.press("Preview", w.page(5))
        return w.x_window("Live Preview")

    def close_by_close_box(self, preview):
        w = self.wizard
        x, y, width, _ = w.outer_rect(preview)
        top = int(self.desktop.window_property(preview, "_NET_FRAME_EXTENTS").split("=")[1].split(",")[2])
        self.desktop.xdotool("mousemove", x + width - top // 2 - 2, y + top // 2, "click", "1")
        wait_for("the close box to close the preview", lambda: not w.x_windows("Live Preview"))

    def scenario_preview_larger_than_the_screen(self):
        for label, (width, height), expected in (
                ("huge width", ("99999999999999", "200"), (0, 0, SCREEN[0], 300)),
                ("1600x1200", ("1600", "1200"), (0, 0) + SCREEN)):
            self.at(f"Preview of a {label} box: the window fills at most the screen")
            w = self.start_wizard()
            preview = self.preview_window(width, height)
            wait_until_equal("the preview's outer rectangle", lambda: w.outer_rect(preview), expected)
            # A box larger than the window scrolls inside it: the page is white with scroll bars.
            wait_for("the preview to paint its page",
                     lambda: max(self.desktop.region(expected[0] + 40, expected[1] + 60, 40, 40)) > 0, timeout=30)
            self.desktop.screenshot(os.path.join(self.shots, f"preview-{label.replace(' ', '-')}.png"))
            self.at(f"Preview of a {label} box: its close box closes it, and Preview opens it again")
            self.close_by_close_box(preview)
            w.control("Preview", "push button", w.page(5))
            self.press("Preview", w.page(5))
            preview = w.x_window("Live Preview")
            wait_until_equal("the reopened preview's outer rectangle", lambda: w.outer_rect(preview), expected)
            self.close_by_close_box(preview)
            self.stop_wizard()

    def scenario_link_for_a_new_window(self):
        self.at("A _blank link: only one message, with that target")
        w = self.start_wizard()
        w.go_to_step(4)
        page = w.page(4)
        messages = w.control("Messages", "list", page)
        while children(messages):
            count = len(children(messages))
            w.click(children(messages)[0])
            self.press("Delete", page)
            wait_for("the message to go", lambda: len(children(messages)) == count - 1)
        self.press("Add", page)
        editor = self.dialog("Add Text")
        self.set_text("Title :", "New window", editor)
        self.set_text("Link :", BLANK_LINK, editor)
        self.set_text("Target Frame :", "_blank", editor)
        text = self.text_field("Text :", editor)
        w.click(text)
        w.type("Click here for a window of its own")
        wait_for("the text", lambda: "own" in w.text_of(text))
        self.press("OK", editor)
        self.dialog_gone("Add Text")

        self.at("A _blank link: a click on the message in the preview reaches the browser")
        w.go_to_step(5)
        self.press("Preview", w.page(5))
        preview = w.x_window("Live Preview")
        # The inside of the default box, 180 by 215 with a border of 1, in the middle of a window 100
        # pixels larger, under its title bar.
        x, y, _, _ = wait_for("the preview's place", lambda: w.outer_rect(preview))
        box = (x + 55, y + 33, 170, 205)
        # The message moves; a click that came too late for it is tried again, as a user would.
        def clicked_through():
            at = wait_for("the message's text in the box", lambda: self.text_point(*box), timeout=30)
            self.desktop.xdotool("mousemove", *at, "click", "1")
            try:
                return wait_for("the stub browser to get the link",
                                lambda: os.path.exists(w.opened_log) and BLANK_LINK in open(w.opened_log).read(),
                                timeout=3)
            except StepFailed:
                return False

        wait_for("a click on the message to reach the stub browser", clicked_through, timeout=60)
        self.check(w.x_windows("Live Preview"), "the preview window went away")
        self.stop_wizard()

    def findings_and_snippet(self, w):
        """The snippet group's place and, when the notice shows, the findings and the list's box."""
        page = w.page(5)
        snippet_group = w.control("Step 2 :", None, page)
        place = snippet_group.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        found = w.find("Design check findings", "list", page)
        if found is None:
            return (place.x, place.y, place.width, place.height), None, None
        box = found.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        items = [item.queryComponent().getExtents(pyatspi.DESKTOP_COORDS) for item in children(found)
                 if role(item) == "list item"]
        return (place.x, place.y, place.width, place.height), box, items

    def scenario_findings_notice(self, label, env):
        self.at(f"{label}: the snippet's place on Step 5 without findings")
        w = self.start_wizard(env)
        w.go_to_step(5)
        clean_place, notice, _ = self.findings_and_snippet(w)
        self.check(notice is None, "a findings notice for the default design")

        self.at(f"{label}: three findings show without scrolling, and the snippet stays in place")
        for step, caption in ((1, "Name :"), (4, "Scroll delay :"), (4, "Pause :")):
            w.go_to_step(step)
            self.clear_text(caption, w.page(step))
        w.go_to_step(5)
        place, box, items = wait_for("the findings notice",
                                     lambda: (seen := self.findings_and_snippet(w))[1] is not None and seen)
        self.desktop.screenshot(os.path.join(self.shots, f"findings-{label}.png"))
        self.check(len(items) == 3, f"{len(items)} findings listed")
        self.check(place == clean_place, f"the snippet group at {place} with findings, {clean_place} without")
        for item in items:
            self.check(item.y >= box.y and item.y + item.height <= box.y + box.height,
                       f"a finding at {item.y}..{item.y + item.height} outside the list "
                       f"{box.y}..{box.y + box.height}")
        self.press("Exit")
        self.press("Discard", self.question())
        w.ended()
        self.stop_wizard()

    # Running ---------------------------------------------------------------------------------------

    def scenarios(self):
        self.desktop = Desktop(self.scratch, *SCREEN)
        self.scenario_tab_order()
        self.scenario_focus_after_list_operations()
        self.scenario_preview_larger_than_the_screen()
        self.scenario_link_for_a_new_window()
        self.scenario_findings_notice("default-font", {})
        self.scenario_findings_notice("11pt", {"QT_FONT_DPI": "120", "QT_ENABLE_HIGHDPI_SCALING": "0"})


if __name__ == "__main__":
    main(KeysAndPreview)
