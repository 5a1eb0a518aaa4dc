"""The real marquetto binary on a Desktop, found over the accessibility bus and driven by X input."""

import os
import subprocess

import pyatspi
from PIL import ImageFont

from desktop import STEP_TIMEOUT, StepFailed, run_command, wait_for

WIZARD_FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"

STUB_OPEN = """#!/bin/sh
printf '%s\\n' "$@" >> "$MARQUETTO_E2E_OPENED"
"""


def children(node):
    try:
        return [node.getChildAtIndex(i) for i in range(node.childCount)]
    except Exception:
        return []


def walk(node):
    yield node
    for child in children(node):
        if child is not None:
            yield from walk(child)


def states(node):
    return node.getState()


def showing(node):
    return states(node).contains(pyatspi.STATE_SHOWING)


def role(node):
    return node.getRoleName()


# The layout checks run the wizard in German, whose captions are the longest of its languages. The C.UTF-8
# locale, the only one a bare machine has, leaves LANGUAGE in force, as gettext does.
GERMAN = {"LANGUAGE": "de", "LC_ALL": "", "LC_MESSAGES": "", "LANG": "C.UTF-8"}
# The German of the captions those checks look for, as a German user reads them.
GERMAN_CAPTIONS = {
    "Add": "Hinzufügen",
    "Add Text": "Text hinzufügen",
    "Cancel": "Abbrechen",
    "Exit": "Beenden",
    "Import...": "Importieren…",
    "Import Feed": "Feed importieren",
    "Import Messages": "Meldungen importieren",
    "Messages": "Meldungen",
    "Move Down": "Nach unten",
    "Scroller / Transition effect :": "Laufband / Übergangseffekt:",
    "Timing :": "Zeitablauf:",
    "Accessible box (pause button, keyboard, reduced motion)":
        "Barrierefreie Box (Pausetaste, Tastatur, weniger Bewegung)",
    "Right-to-left text": "Text von rechts nach links",
    "Fit the page width": "An die Seitenbreite anpassen",
    "Light motion": "Sparsame Bewegung",
    "Width :": "Breite:",
    "Title line height :": "Zeilenhöhe des Titels:",
    "Only the digits 0 to 9 can be entered here.": "Hier können nur die Ziffern 0 bis 9 eingegeben werden.",
}


class Wizard:
    def __init__(self, desktop, binary, home, extra_env=None):
        self.desktop = desktop
        self.german = (extra_env or {}).get("LANGUAGE") == "de"
        self.home = home
        os.makedirs(home, exist_ok=True)
        stub_folder = os.path.join(home, "stub-bin")
        os.makedirs(stub_folder, exist_ok=True)
        with open(os.path.join(stub_folder, "xdg-open"), "w") as stub:
            stub.write(STUB_OPEN)
        os.chmod(os.path.join(stub_folder, "xdg-open"), 0o755)
        self.opened_log = os.path.join(home, "opened.txt")
        env = dict(desktop.env)
        env.update({
            "HOME": home,
            "XDG_DATA_HOME": os.path.join(home, ".local/share"),
            "XDG_CONFIG_HOME": os.path.join(home, ".config"),
            "XDG_CACHE_HOME": os.path.join(home, ".cache"),
            "XDG_RUNTIME_DIR": os.path.join(home, "runtime"),
            "PATH": stub_folder + os.pathsep + env.get("PATH", ""),
            "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
            "QT_ACCESSIBILITY": "1",
            "QTWEBENGINE_CHROMIUM_FLAGS": "--disable-gpu",
            "MARQUETTO_E2E_OPENED": self.opened_log,
            # English, whatever the desktop running the suite speaks, unless a scenario asks for German.
            "LANGUAGE": "en",
        })
        os.makedirs(env["XDG_RUNTIME_DIR"], mode=0o700, exist_ok=True)
        env.update(extra_env or {})
        self.log_path = os.path.join(home, "wizard.log")
        self.log = open(self.log_path, "w")
        self.process = desktop._spawn([binary], env=env, cwd=home, stdout=self.log, stderr=subprocess.STDOUT)
        self.app = wait_for("the wizard to appear on the accessibility bus", self._find_app, timeout=30)
        self.frame = wait_for("the wizard window", lambda: self.window("Marquetto v2.3"))

    def _find_app(self):
        if self.process.poll() is not None:
            raise StepFailed(f"the wizard ended with {self.process.returncode}: {self.output()}")
        # A GTK platform theme puts a second, empty application of the same process on the bus.
        registry = pyatspi.Registry.getDesktop(0)
        for app in children(registry):
            try:
                if app is not None and app.get_process_id() == self.process.pid and app.childCount > 0:
                    return app
            except Exception:
                continue
        return None

    def output(self):
        self.log.flush()
        with open(self.log_path) as log:
            return log.read()[-2000:]

    # Windows and controls -------------------------------------------------------------------------

    def windows(self):
        return [w for w in children(self.app) if w is not None]

    def window(self, caption):
        for window in self.windows():
            if window.name == caption and showing(window):
                return window
        return None

    def find(self, name, role_name=None, within=None, only_showing=True):
        for node in walk(within or self.frame):
            if node.name == name and (role_name is None or role(node) == role_name):
                if not only_showing or showing(node):
                    return node
        return None

    def control(self, name, role_name=None, within=None):
        return wait_for(f'a {role_name or "control"} named "{name}"',
                        lambda: self.find(name, role_name, within))

    def press(self, node):
        """Presses through the control's first accessible action."""
        node.queryAction().doAction(0)

    def centre(self, node):
        extents = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        return extents.x + extents.width // 2, extents.y + extents.height // 2

    def click(self, node, scale=1):
        x, y = self.centre(node)
        self.desktop.xdotool("mousemove", x * scale, y * scale, "click", "1")

    def key(self, *keys):
        self.desktop.xdotool("key", "--clearmodifiers", *keys)

    def type(self, text):
        self.desktop.xdotool("type", "--delay", "5", text)

    def text_of(self, node):
        text = node.queryText()
        return text.getText(0, -1)

    def focused(self):
        for node in walk(self.frame):
            if states(node).contains(pyatspi.STATE_FOCUSED):
                return node
        return None

    def caption(self, english):
        """A caption as the wizard shows it in the language it was started in."""
        return GERMAN_CAPTIONS[english] if self.german else english

    def step_tab(self, step):
        return self.control(f"Schritt {step}" if self.german else f"Step {step}", "page tab")

    def pages(self):
        """The five step pages: the children of the frame below the tab strip, in step order."""
        for node in children(self.frame):
            if role(node) == "frame" and len(children(node)) == 5:
                return children(node)
        raise StepFailed("the wizard shows no frame holding five pages")

    def page(self, step):
        return self.pages()[step - 1]

    def shown_step(self):
        shown = [number for number, page in enumerate(self.pages(), 1) if showing(page)]
        return shown[0] if len(shown) == 1 else shown

    def go_to_step(self, step):
        self.press(self.step_tab(step))
        wait_for(f"the Step {step} page to show", lambda: self.shown_step() == step)

    def process_tree(self):
        """The wizard's process and every process it started, such as its preview program."""
        parents = {}
        for entry in os.listdir("/proc"):
            try:
                with open(f"/proc/{entry}/stat") as stat:
                    fields = stat.read().rsplit(")", 1)[1].split()
                parents.setdefault(int(fields[1]), []).append(int(entry))
            except (OSError, ValueError, IndexError):
                continue
        tree, pending = [], [self.process.pid]
        while pending:
            pid = pending.pop()
            tree.append(pid)
            pending.extend(parents.get(pid, []))
        return tree

    def x_windows(self, caption):
        windows = []
        for pid in self.process_tree():
            result = run_command(["xdotool", "search", "--all", "--onlyvisible", "--pid", str(pid),
                                  "--name", f"^{caption}$"], self.desktop.env, check=False)
            windows += [int(w) for w in result.stdout.split()]
        return windows

    def x_window(self, caption):
        return wait_for(f'an X window captioned "{caption}"', lambda: (self.x_windows(caption) or [None])[0])

    def outer_rect(self, window):
        """The rectangle the window manager draws for an X client window, decorations included."""
        info = run_command(["xwininfo", "-id", str(window)], self.desktop.env, check=False).stdout
        values = {}
        for line in info.splitlines():
            if ":" in line:
                key, _, value = line.strip().partition(":")
                values[key] = value.strip()
        extents = self.desktop.window_property(window, "_NET_FRAME_EXTENTS")
        left, right, top, bottom = (int(v) for v in extents.split("=")[1].split(",")) if "=" in extents else (0,) * 4
        x, y = int(values["Absolute upper-left X"]), int(values["Absolute upper-left Y"])
        return (x - left, y - top, int(values["Width"]) + left + right, int(values["Height"]) + top + bottom)

    def cut_texts(self, within, font_pixels):
        """Captions whose text, measured in the wizard's font, is wider than the control showing it.
        The bus tells where a control is but not how wide its text is, so the text is measured here."""
        font = ImageFont.truetype(WIZARD_FONT, font_pixels)
        # Room a control needs around its caption: a button's margins, a tick box's indicator.
        padding = {"label": 0, "push button": 8, "check box": 18, "page tab": 8}
        cut = []
        for node in walk(within):
            kind = role(node)
            if kind not in padding or not node.name or not showing(node):
                continue
            box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            lines = node.name.count("\n") + 1
            if kind == "label" and box.height > lines * font_pixels * 1.6:
                continue  # a label that wraps its words: its text is as wide as the label makes it
            if kind != "label" and box.width < font_pixels * 2:
                continue  # a colour swatch or a bare tick box: its name is not shown on it
            for line in node.name.split("\n"):
                needed = font.getlength(line) + padding[kind]
                if needed > box.width + 2:
                    cut.append(f'{kind} "{line}" needs {needed:.0f} px, has {box.width}')
        return cut

    def ended(self, timeout=STEP_TIMEOUT):
        return wait_for("the wizard to end", lambda: self.process.poll() is not None, timeout=timeout)

    def close(self):
        self.desktop._end(self.process)
        self.log.close()
