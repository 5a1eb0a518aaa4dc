"""The preview window's own process, driven on a 1280x900 desktop: it crashes or is killed, it is closed,
the wizard exits with it open, and it cannot be found; the wizard itself never loads the web engine.

    preview_process_e2e.py BUILD_FOLDER [SCREENSHOT_FOLDER]
"""

import os
import shutil
import signal
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from desktop import Desktop, run_command, wait_for, wait_until_equal  # noqa: E402
from processes import PREVIEW_COMMAND, command_of, preview_programs  # noqa: E402
from run_e2e import Suite, main  # noqa: E402
from wizard import Wizard, role, walk  # noqa: E402

SCREEN = (1280, 900)
NAME = "kept_box_"
WIDTH, HEIGHT = "300", "250"
# The box typed above plus 100 each way, at the top-left corner; a window that went by itself tells no
# rectangle, so every preview of this run opens there until one is closed.
FIRST_WINDOW = (0, 0, 400, 350)
ENGINE_COMMAND = "QtWebEngineProc"


def maps_web_engine(pid):
    with open(f"/proc/{pid}/maps") as maps:
        return "libQt6WebEngine" in maps.read()


class PreviewProcess(Suite):
    failure_shot = "preview-process-failure.png"

    def __init__(self, build, shots):
        super().__init__(build, shots)
        self.scale = 1

    def check_wizard_maps_no_engine(self, when):
        self.check(not maps_web_engine(self.wizard.process.pid), f"Qt WebEngine mapped into the wizard {when}")

    def active_window(self):
        shown = run_command(["xprop", "-root", "_NET_ACTIVE_WINDOW"], self.desktop.env, check=False).stdout
        return int(shown.rsplit("#", 1)[1].split(",")[0], 16) if "#" in shown else None

    def session_processes(self, command):
        """Processes of the wizard's session, or of its home, running `command`: whatever the wizard
        started, also after their parent has gone."""
        found = []
        for entry in os.listdir("/proc"):
            if not entry.isdigit() or command_of(entry) != command:
                continue
            try:
                with open(f"/proc/{entry}/stat") as stat:
                    session = int(stat.read().rsplit(")", 1)[1].split()[4])
                with open(f"/proc/{entry}/environ", "rb") as environ:
                    home = f"HOME={self.wizard_home}".encode() in environ.read().split(b"\0")
            except (OSError, ValueError, IndexError):
                continue
            if session == self.wizard_session or home:
                found.append(int(entry))
        return found

    def nothing_of_the_preview_left(self, after):
        wait_until_equal(f"the preview's processes after {after}",
                         lambda: self.session_processes(PREVIEW_COMMAND) + self.session_processes(ENGINE_COMMAND),
                         [])

    def open_preview(self):
        w = self.wizard
        self.press("Preview", w.page(5))
        preview = w.x_window("Live Preview")
        wait_until_equal("the preview's outer rectangle", lambda: w.outer_rect(preview), FIRST_WINDOW)
        wait_for("the preview to paint its page",
                 lambda: max(self.desktop.region(FIRST_WINDOW[0] + 60, FIRST_WINDOW[1] + 80, 40, 40)) > 0,
                 timeout=60)
        w.control("Refresh Preview", "push button", w.page(5))
        programs = preview_programs(w.process_tree())
        self.check(len(programs) == 1, f"preview programs under the wizard: {programs}")
        self.check(maps_web_engine(programs[0]), "the preview program without Qt WebEngine mapped")
        self.check_wizard_maps_no_engine("with the preview open")
        return preview, programs[0]

    def start(self):
        w = self.start_wizard()
        self.wizard_home = w.home
        self.wizard_session = os.getsid(w.process.pid)
        return w

    def scenario_crash_and_kill(self):
        self.at("start-up: the wizard maps no Qt WebEngine library")
        w = self.start()
        self.check_wizard_maps_no_engine("at start-up")
        self.set_text("Name :", NAME)
        w.go_to_step(2)
        self.set_text("Width :", WIDTH, w.page(2))
        self.set_text("Height :", HEIGHT, w.page(2))
        w.go_to_step(5)
        for how in (signal.SIGSEGV, signal.SIGKILL):
            self.at(f"{how.name} to the preview program: the wizard lives on with its edits and says so")
            preview, program = self.open_preview()
            os.kill(program, how)
            notice = self.message_box("The preview stopped: its program crashed or was ended from outside.")
            self.check(w.process.poll() is None, f"the wizard ended with {w.process.returncode}")
            wait_for("the preview window to go", lambda: not w.x_windows("Live Preview"))
            w.control("Preview", "push button", w.page(5))
            self.press("OK", notice)
            self.check_wizard_maps_no_engine(f"after {how.name}")
            self.nothing_of_the_preview_left(how.name)
            w.go_to_step(1)
            wait_until_equal("the name typed before", lambda: w.text_of(self.text_field("Name :")), NAME)
            w.go_to_step(2)
            wait_until_equal("the width typed before", lambda: w.text_of(self.text_field("Width :", w.page(2))),
                             WIDTH)
            w.go_to_step(5)

        self.at("After two crashes a Preview works, and Refresh Preview gives it the focus from the wizard")
        preview, program = self.open_preview()
        wizard_window = w.x_window("Marquetto v2.3")
        self.desktop.xdotool("windowactivate", "--sync", wizard_window)
        wait_until_equal("the active window", self.active_window, wizard_window)
        self.press("Refresh Preview", w.page(5))
        wait_until_equal("the active window after Refresh Preview", self.active_window, preview)

        self.at("The preview's close box ends its process")
        x, y, width, _ = w.outer_rect(preview)
        top = int(self.desktop.window_property(preview, "_NET_FRAME_EXTENTS").split("=")[1].split(",")[2])
        self.desktop.xdotool("mousemove", x + width - top // 2 - 2, y + top // 2, "click", "1")
        wait_for("the close box to close the preview", lambda: not w.x_windows("Live Preview"))
        w.control("Preview", "push button", w.page(5))
        self.nothing_of_the_preview_left("its close box")

        self.at("Exit with the preview open: nothing of the preview is left")
        self.open_preview()
        self.press("Exit")
        self.press("Discard", self.question())
        w.ended()
        self.nothing_of_the_preview_left("the wizard's exit")
        self.stop_wizard()

    def scenario_program_missing(self):
        self.at("A wizard without its preview program: Preview names the program it could not start")
        lonely = os.path.join(self.scratch, "lonely", "bin")
        os.makedirs(lonely)
        shutil.copy(os.path.join(self.build, "app", "marquetto"), lonely)
        self.starts += 1
        home = os.path.join(self.scratch, f"home{self.starts}")
        self.wizard = w = Wizard(self.desktop, os.path.join(lonely, "marquetto"), home)
        w.go_to_step(5)
        self.press("Preview", w.page(5))
        box = self.message_box("the preview program could not be started")
        text = " ".join(node.name for node in walk(box) if role(node) == "label")
        installed = os.path.join(self.scratch, "lonely", "lib")
        self.check(f'"{installed}/' in text and 'marquetto/marquetto-preview": ' in text,
                   f"the message {text!r}")
        self.check_wizard_maps_no_engine("after a failed Preview")
        self.press("OK", box)
        w.control("Preview", "push button", w.page(5))
        self.stop_wizard()

    def scenarios(self):
        self.desktop = Desktop(self.scratch, *SCREEN)
        self.scenario_crash_and_kill()
        self.scenario_program_missing()


if __name__ == "__main__":
    main(PreviewProcess)
