"""A private X desktop for driving the real wizard: Xvfb, a session bus with the accessibility bus,
openbox, and the wizard started with a fresh home and a stub "open" command."""

import os
import select
import signal
import subprocess
import time


class StepFailed(Exception):
    """One step of a scenario did not see what it expected."""


# Deadlines for a loaded two-core machine: a healthy step takes a fraction of them, and only a fault
# waits them out.
STEP_TIMEOUT = 30.0
COMMAND_TIMEOUT = 30.0


def run_command(args, env, text=True, check=True):
    """Runs one X or bus tool; one that hangs fails the step that called it instead of the whole suite."""
    try:
        return subprocess.run(args, env=env, capture_output=True, text=text, check=check, timeout=COMMAND_TIMEOUT)
    except subprocess.TimeoutExpired:
        raise StepFailed(f"{args[0]} did not answer in {COMMAND_TIMEOUT:.0f} s: {' '.join(map(str, args))}") from None


def wait_for(what, condition, timeout=STEP_TIMEOUT, interval=0.05):
    """Polls `condition` until it returns something true; fails naming `what` and the last value seen."""
    deadline = time.monotonic() + timeout
    seen = None
    while True:
        try:
            seen = condition()
        except Exception as error:  # the bus may drop objects that are being rebuilt
            seen = error
        if seen and not isinstance(seen, Exception):
            return seen
        if time.monotonic() > deadline:
            raise StepFailed(f"waited {timeout:.0f} s for {what}; last seen: {seen!r}")
        time.sleep(interval)


def wait_until_equal(what, get, expected, timeout=STEP_TIMEOUT):
    """Polls `get` until it gives `expected`; fails naming `what` and the last value it gave."""
    last = []

    def matches():
        last[:] = [get()]
        return last[0] == expected

    try:
        return wait_for(what, matches, timeout)
    except StepFailed:
        raise StepFailed(f"waited {timeout:.0f} s for {what}; last seen: {last[0] if last else None!r}") from None


class Desktop:
    """Owns every process it starts and ends each by its id."""

    def __init__(self, scratch, width=2560, height=1600):
        self.scratch = scratch
        self.processes = []
        self.env = {k: v for k, v in os.environ.items() if not k.startswith(("QT_", "DBUS_", "AT_SPI"))}
        self.env.pop("WAYLAND_DISPLAY", None)
        # A desktop that could not be set up whole is taken down, or its servers would outlive the suite.
        try:
            self._start_x(width, height)
            self._start_bus()
            self._start_window_manager()
        except BaseException:
            self.close()
            raise

    def _spawn(self, args, **kwargs):
        # CTest waits until every holder of the suite's output has closed it, so a server that lost its
        # owner must not be one of them.
        kwargs.setdefault("stdout", subprocess.DEVNULL)
        process = subprocess.Popen(args, env=kwargs.pop("env", self.env), start_new_session=True, **kwargs)
        self.processes.append(process)
        return process

    def _start_x(self, width, height):
        read_end, write_end = os.pipe()
        self._spawn(["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{width}x{height}x24",
                     "-nolisten", "tcp"], pass_fds=(write_end,), stderr=subprocess.DEVNULL)
        os.close(write_end)
        number = b""
        deadline = time.monotonic() + STEP_TIMEOUT
        while not number.endswith(b"\n"):
            ready, _, _ = select.select([read_end], [], [], max(0.0, deadline - time.monotonic()))
            chunk = os.read(read_end, 16) if ready else b""
            if not chunk:
                raise StepFailed("Xvfb did not report its display number")
            number += chunk
        os.close(read_end)
        self.env["DISPLAY"] = ":" + number.decode().strip()

    def _start_bus(self):
        output = run_command(["dbus-launch", "--sh-syntax"], self.env).stdout
        for line in output.splitlines():
            if "=" in line and not line.startswith("export"):
                key, value = line.rstrip(";").split("=", 1)
                self.env[key] = value.strip("'")
        self.bus_pid = int(self.env["DBUS_SESSION_BUS_PID"])
        self._spawn(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], stderr=subprocess.DEVNULL)
        os.environ.update({k: self.env[k] for k in ("DISPLAY", "DBUS_SESSION_BUS_ADDRESS")})

    def _start_window_manager(self):
        # Now and then, mostly right after another desktop on the same display number has ended, openbox
        # fails to open the display that Xvfb reported ready and quits at once, though other clients
        # connect: one that has quit is started again until one manages the screen.
        openbox = None

        def managed():
            nonlocal openbox
            if openbox is None or openbox.poll() is not None:
                openbox = self._spawn(["openbox", "--sm-disable"], stderr=subprocess.DEVNULL)
                return False
            result = run_command(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], self.env, check=False)
            return "window id" in result.stdout

        wait_for("openbox to manage the screen", managed)

    def xdotool(self, *args):
        return run_command(["xdotool", *map(str, args)], self.env).stdout

    def screenshot(self, path):
        run_command(["import", "-window", "root", path], self.env, check=False)

    def region(self, x, y, width, height):
        """The raw RGB bytes of a part of the screen."""
        result = run_command(["import", "-window", "root", "-crop", f"{width}x{height}+{x}+{y}", "-depth", "8",
                              "rgb:-"], self.env, text=False)
        return result.stdout

    def window_property(self, window, name):
        result = run_command(["xprop", "-id", str(window), name], self.env, check=False)
        return result.stdout.strip()

    @staticmethod
    def _end(process):
        if process.poll() is None:
            try:
                os.killpg(process.pid, signal.SIGTERM)
            except ProcessLookupError:
                return
            try:
                process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                os.killpg(process.pid, signal.SIGKILL)
                process.wait()

    def close(self):
        for process in reversed(self.processes):
            self._end(process)
        try:
            os.kill(self.bus_pid, signal.SIGTERM)
        except (AttributeError, ProcessLookupError):
            pass
