"""Project files, folders and the terminal as a desktop user meets them, with the real marquetto binary
on its own X display: a FIFO offered as a project, Save Project As over an existing file, where the file
dialogs start after a restart, Copy Files into... with its folder chooser and notice, and what the wizard
writes to standard error meanwhile.

    files_e2e.py BUILD_FOLDER [SCREENSHOT_FOLDER]

Prints one line per failed step, with a screenshot in SCREENSHOT_FOLDER, and exits with status 1."""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from desktop import Desktop, wait_for, wait_until_equal  # noqa: E402
from run_e2e import Suite, main  # noqa: E402
from wizard import Wizard, role, showing, walk  # noqa: E402

OLD_DESIGN = b"an older design that must survive a cancelled replace\n"
# What Qt wrote to a user's terminal in normal use before: the web engine's set-up report at the first
# preview, and the accessible table's complaint about the empty folder views of the file dialogs.
NOISE = ("qt.webenginecontext", "GL Type:", "Init Parameters:", "QAccessibleTable", "Invalid index")
GENERATED = ("scroller_newstic.html", "scroller_newsticie.js", "scroller_newsticns6.js")


class FilesSuite(Suite):
    failure_shot = "files-failure.png"

    def __init__(self, build, shots):
        super().__init__(build, shots)
        self.scale = 1
        self.home = os.path.join(self.scratch, "home")
        self.documents = os.path.join(self.home, "Documents")
        self.projects = os.path.join(self.home, "projects")
        self.site = os.path.join(self.home, "web site")
        self.old = os.path.join(self.projects, "old.tkp")
        self.fifo = os.path.join(self.projects, "pipe.tkp")

    def prepare_home(self):
        for folder in (self.documents, self.projects, self.site):
            os.makedirs(folder)
        with open(self.old, "wb") as old:
            old.write(OLD_DESIGN)
        os.mkfifo(self.fifo)

    def start_in_home(self):
        """The wizard on the same home each time, as the same user starting it again."""
        self.starts += 1
        self.wizard = Wizard(self.desktop, os.path.join(self.build, "app", "marquetto"), self.home)
        return self.wizard

    def shot(self, name):
        self.desktop.screenshot(os.path.join(self.shots, f"files-{name}.png"))

    def look_in(self, dialog):
        """The folder that Qt's file dialog shows in its "Look in:" list."""
        folders = [node.name for node in walk(dialog) if role(node) == "combo box" and showing(node)
                   and node.name.startswith("/")]
        return folders[0] if folders else None

    def file_dialog(self, button, caption, folder, within=None):
        self.press(button, within)
        dialog = self.dialog(caption)
        wait_until_equal(f'the "{caption}" dialog\'s folder', lambda: self.look_in(dialog), folder)
        return dialog

    def type_path(self, path):
        self.wizard.key("ctrl+a")
        self.wizard.type(path)
        self.wizard.key("Return")

    def close_file_dialog(self, caption):
        self.press("Cancel", self.dialog(caption))
        self.dialog_gone(caption)

    def expect_quiet(self, run):
        output = open(self.wizard.log_path, errors="replace").read()
        noisy = [line for line in output.splitlines() if any(part in line for part in NOISE)]
        self.check(not noisy, f"on standard error of the {run} run: {noisy[:4]}")

    # Scenarios -------------------------------------------------------------------------------------

    def scenario_first_run(self):
        self.at("first run: Open Project starts in the documents folder")
        w = self.start_in_home()
        self.file_dialog("Open Project", "Open Project", self.documents, w.page(1))

        self.at("a FIFO offered as a project is refused at once, naming it")
        self.type_path(self.fifo)
        box = self.message_box(f'"{self.fifo}": is a named pipe (FIFO), not a regular file')
        self.shot("fifo-refused")
        self.press("OK", box)
        wait_for("the message to close", lambda: box not in w.windows() or not showing(box))
        self.check(w.text_of(self.text_field("Name :")) == "scroller_", "another design after the refusal")

        self.at("Save Project As starts in the documents folder while nothing was opened or saved")
        self.file_dialog("Save Project As...", "Save Project As", self.documents)

        self.at("Save Project As over an existing file asks, and Cancel goes back to the dialog")
        self.type_path(self.old)
        question = self.message_box('"old.tkp" already exists in')
        self.shot("replace-question")
        self.press("Cancel", question)
        dialog = self.dialog("Save Project As")
        wait_until_equal("the dialog back at the declined file's folder", lambda: self.look_in(dialog),
                         self.projects)
        self.close_file_dialog("Save Project As")
        self.check(open(self.old, "rb").read() == OLD_DESIGN, "the existing file changed after Cancel")

        self.at("Replace writes the design over the existing file")
        self.file_dialog("Save Project As...", "Save Project As", self.documents)
        self.type_path(self.old)
        self.press("Replace", self.message_box('"old.tkp" already exists in'))
        wait_for("the design in the replaced file", lambda: open(self.old, "rb").read().startswith(b"#%#qvo-"))

        self.at("the first preview")
        w.go_to_step(5)
        self.press("Preview", w.page(5))
        preview = w.x_window("Live Preview")
        self.desktop.xdotool("windowactivate", "--sync", preview)
        w.key("alt+F4")
        wait_for("the preview to close", lambda: not w.x_windows("Live Preview"))

        self.at("Copy Files into... chooses a folder")
        self.press("Copy Files into...", w.page(5))
        self.dialog("Copy Files into...")
        self.shot("folder-chooser")
        self.type_path(self.site)

        self.at("the notice names the folder and the files, and leaves the wizard usable")
        notice = self.message_box(f'Copied into "{self.site}/":\n' + "\n".join(
            ("scroller_newsticns6.js", "scroller_newsticie.js", "scroller_newstic.html")))
        self.shot("copy-notice")
        self.check(sorted(os.listdir(self.site)) == sorted(GENERATED), f"the folder holds {os.listdir(self.site)}")
        w.click(w.step_tab(4))
        wait_for("Step 4 to show while the notice is open", lambda: w.shown_step() == 4)
        self.check(showing(notice), "the notice closed when the wizard was used")
        self.press("OK", notice)

        self.at("first run: Exit, and a quiet standard error")
        self.press("Exit")
        w.ended()
        self.expect_quiet("first")
        settings = os.path.join(self.home, ".config", "marquetto", "marquetto.conf")
        self.check(os.path.exists(settings), f"no {settings}")
        self.stop_wizard()

    def scenario_after_restart(self):
        self.at("after a restart: Open Project starts where the project was saved")
        w = self.start_in_home()
        self.file_dialog("Open Project", "Open Project", self.projects, w.page(1))
        self.close_file_dialog("Open Project")

        self.at("after a restart: Save Project As starts there too")
        self.file_dialog("Save Project As...", "Save Project As", self.projects)
        self.close_file_dialog("Save Project As")

        self.at("after a restart: Exit, and a quiet standard error")
        self.press("Exit")
        w.ended()
        self.expect_quiet("second")
        self.stop_wizard()

    # Running ---------------------------------------------------------------------------------------

    def scenarios(self):
        self.prepare_home()
        self.desktop = Desktop(self.scratch)
        self.scenario_first_run()
        self.scenario_after_restart()


if __name__ == "__main__":
    main(FilesSuite)
