"""Import... on Step 4 of the real marquetto binary, on its own X display, as a user would: a feed that
cannot be read, the options and their preview, the messages in the list and in the saved project, and the
button and the dialog at an 11 pt font and at scale 2.

    feed_import_e2e.py BUILD_FOLDER [SCREENSHOT_FOLDER]

Prints one line per failed step, with a screenshot in SCREENSHOT_FOLDER, and exits with status 1."""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import pyatspi  # noqa: E402

from desktop import Desktop, wait_for  # noqa: E402
from run_e2e import Suite, main  # noqa: E402
from wizard import GERMAN, children, role, showing, states, walk  # noqa: E402

HARBOUR_FEED = """<?xml version="1.0" encoding="UTF-8"?>
<rss version="2.0">
<channel>
<title>Harbour news</title>
<link>https://harbour.example/</link>
<description>What happens at the harbour</description>
<item><title>Ferry timetable</title><link>https://harbour.example/ferry</link><description>Boats leave at nine and at five.</description></item>
<item><title>Fish market</title><link>https://harbour.example/market</link><description>Open on Sundays too.</description></item>
<item><title>Lighthouse tours</title><link>https://harbour.example/light</link><description>Tours start in May.</description></item>
</channel>
</rss>
"""
# "<item><title>Broken</" is 21 characters: the wrong end tag's name starts in column 22 of line 3.
BROKEN_FEED = """<?xml version="1.0"?>
<rss version="2.0"><channel>
<item><title>Broken</titel></item>
</channel></rss>
"""
DEFAULT_TEXTS = ["Marquetto was released.",
                 "Easy building, testing and installation. Full customizable font characteristics. "
                 "Highlighted URL links.",
                 "Supports basic HTML tags. (img, B, U,  ...)"]
FEEDS = {"feeds/harbour news.rss": HARBOUR_FEED, "feeds/broken.rss": BROKEN_FEED}

# The first two items, as the design file writes messages 4 and 5 after the default three.
SAVED_MESSAGES = [
    "#%#qvo-titletext4=Ferry timetableendof-qvo-titletext4#%#",
    "#%#qvo-tmessage4=Boats leave at nine and at five.endof-qvo-tmessage4#%#",
    "#%#qvo-linktext4=https://harbour.example/ferryendof-qvo-linktext4#%#",
    "#%#qvo-targettext4=_blankendof-qvo-targettext4#%#",
    "#%#qvo-titletext5=Fish marketendof-qvo-titletext5#%#",
    "#%#qvo-tmessage5=Open on Sundays too.endof-qvo-tmessage5#%#",
    "#%#qvo-linktext5=https://harbour.example/marketendof-qvo-linktext5#%#",
    "#%#qvo-targettext5=_blankendof-qvo-targettext5#%#",
]


class FeedImportSuite(Suite):
    failure_shot = "feed-import-failure.png"

    def feed(self, name):
        return os.path.join(self.wizard.home, "feeds", name)

    def shot(self, name):
        self.desktop.screenshot(os.path.join(self.shots, f"feed-import-{name}.png"))

    def list_lines(self, page):
        return [item.name for item in children(self.wizard.control("Messages", "list", page))]

    def label_saying(self, within, text):
        return next((node for node in walk(within) if role(node) == "label" and node.name == text
                     and showing(node)), None)

    def choose_feed(self, path):
        w = self.wizard
        self.press(w.caption("Import..."), w.page(4))
        self.dialog(w.caption("Import Feed"))
        w.key("ctrl+a")
        w.type(path)
        w.key("Return")
        self.dialog_gone(w.caption("Import Feed"))

    # Scenarios -------------------------------------------------------------------------------------

    def scenario_import_and_save(self):
        self.scale = 1
        self.at("start-up, Step 4 shows the default messages")
        w = self.start_wizard(files=FEEDS)
        w.go_to_step(4)
        page = w.page(4)
        self.check(self.list_lines(page) == DEFAULT_TEXTS, f"the list {self.list_lines(page)}")

        self.at("a feed that cannot be read is reported with its file, line and column")
        broken = self.feed("broken.rss")
        self.choose_feed(broken)
        box = self.message_box(f'"{broken}": line 3, column 22: ')
        self.shot("broken")
        self.press("OK", box)
        wait_for("the message to close", lambda: box not in w.windows() or not showing(box))
        self.check(self.list_lines(page) == DEFAULT_TEXTS, f"the list after the refusal {self.list_lines(page)}")

        self.at("the options dialog previews the feed's first items")
        self.choose_feed(self.feed("harbour news.rss"))
        dialog = self.dialog("Import Messages")
        self.caption_as_shown("Import Messages")
        wait_for("the preview's first title", lambda: self.label_or_cell(dialog, "Ferry timetable"))
        self.check(self.label_or_cell(dialog, "Tours start in May."), "no third item in the preview")
        wait_for("the summary of a replace",
                 lambda: self.label_saying(dialog, "3 messages will replace the 3 messages in the list."))

        self.at("two items, added after the list")
        items = w.control("Items :", "spin button", dialog)
        w.click(items, self.scale)
        wait_for('"Items :" to take the focus', lambda: states(items).contains(pyatspi.STATE_FOCUSED))
        w.key("ctrl+a")
        w.type("2")
        wait_for("the summary of two items",
                 lambda: self.label_saying(dialog, "2 messages will replace the 3 messages in the list."))
        self.wizard.click(self.wizard.control("Add them after the messages in the list", "radio button", dialog))
        wait_for("the summary of an append",
                 lambda: self.label_saying(dialog, "2 messages will be added after the 3 messages in the list."))
        self.shot("options")
        self.press("OK", dialog)
        self.dialog_gone("Import Messages")
        expected = DEFAULT_TEXTS + ["Boats leave at nine and at five.", "Open on Sundays too."]
        wait_for("the imported messages in the list", lambda: self.list_lines(page) == expected)

        self.at("Exit asks about the imported messages, and Cancel keeps them")
        self.press("Exit")
        question = self.question()
        self.press("Cancel", question)
        wait_for("the question to go", lambda: not showing(question) or question not in w.windows())

        self.at("Save Project As writes the imported messages")
        project = os.path.join(self.scratch, "projects", "imported.tkp")
        os.makedirs(os.path.dirname(project), exist_ok=True)
        self.press("Save Project As...")
        self.dialog("Save Project As")
        w.key("ctrl+a")
        w.type(project)
        w.key("Return")
        wait_for("the project file", lambda: os.path.exists(project) and os.path.getsize(project) > 0)
        saved = open(project, encoding="utf-8").read()
        missing = [line for line in SAVED_MESSAGES if line not in saved]
        self.check(not missing, f"the saved project lacks {missing}")
        self.check("qvo-titletext6" not in saved, "a third item was saved")

        self.at("Exit after saving asks nothing")
        self.press("Exit")
        w.ended()
        self.stop_wizard()

    def label_or_cell(self, within, text):
        return next((node for node in walk(within) if node.name == text and showing(node)), None)

    def scenario_readable(self, label, font_pixels, env, files=None):
        self.scale = 2 if env.get("QT_SCALE_FACTOR") == "2" else 1
        self.at(f"{label}: start-up in German")
        w = self.start_wizard({**GERMAN, **env}, FEEDS)
        w.go_to_step(4)
        page = w.page(4)

        self.at(f"{label}: Import... fits on Step 4 beside the other controls")
        button = w.control(w.caption("Import..."), "push button", page)
        self.check(not w.cut_texts(page, font_pixels), "cut: " + "; ".join(w.cut_texts(page, font_pixels)))
        inside = self.extents(page)
        placed = self.extents(button)
        self.check(self.contains(inside, placed), f"Import... at {placed} outside the page at {inside}")
        holders = []
        node = button.parent
        while node is not None and node != page.parent:
            holders.append(node)
            node = node.parent
        others = [node for node in walk(page) if node != button and node not in holders and showing(node)
                  and role(node) in ("push button", "list", "combo box", "text", "panel")]
        names = {node.name for node in others}
        compared = {w.caption(name) for name in ("Messages", "Move Down", "Scroller / Transition effect :", "Timing :")}
        self.check(compared <= names, f"the controls compared with it: {sorted(names)}")
        overlapping = [f"{role(node)} {node.name!r}" for node in others
                       if self.overlap(placed, self.extents(node))]
        self.check(not overlapping, f"Import... overlaps {overlapping}")

        self.at(f"{label}: the Import Messages dialog cuts no text")
        self.choose_feed(self.feed("harbour news.rss"))
        dialog = self.dialog(w.caption("Import Messages"))
        wait_for("the preview", lambda: self.label_or_cell(dialog, "Ferry timetable"))
        self.desktop.screenshot(os.path.join(self.shots, f"feed-import-{label}-dialog.png"))
        cut = w.cut_texts(dialog, font_pixels)
        self.check(not cut, "cut: " + "; ".join(cut))
        self.press(w.caption("Cancel"), dialog)
        self.dialog_gone(w.caption("Import Messages"))
        self.press(w.caption("Exit"))
        w.ended()
        self.stop_wizard()

    @staticmethod
    def extents(node):
        box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        return box.x, box.y, box.width, box.height

    @staticmethod
    def contains(outer, inner):
        return (outer[0] <= inner[0] and outer[1] <= inner[1] and inner[0] + inner[2] <= outer[0] + outer[2]
                and inner[1] + inner[3] <= outer[1] + outer[3])

    @staticmethod
    def overlap(a, b):
        return a[0] < b[0] + b[2] and b[0] < a[0] + a[2] and a[1] < b[1] + b[3] and b[1] < a[1] + a[3]

    # Running ---------------------------------------------------------------------------------------

    def scenarios(self):
        self.desktop = Desktop(self.scratch)
        self.scenario_import_and_save()
        # The font's size in the pixels the bus reports, as the main suite measures it.
        self.scenario_readable("11pt", 15, {"QT_FONT_DPI": "120", "QT_ENABLE_HIGHDPI_SCALING": "0"})
        self.scenario_readable("scale2", 12, {"QT_SCALE_FACTOR": "2"})


if __name__ == "__main__":
    main(FeedImportSuite)
