#!/usr/bin/env python3
"""Every registered test runs in a home of its own: the launcher makes one per run and removes it, and no
test is registered without the launcher, or its program could write the user's real settings."""

import json
import os
import stat
import subprocess
import sys
import unittest

LAUNCHER = os.path.join(os.path.dirname(os.path.abspath(__file__)), "in_temporary_home.sh")
BUILD = sys.argv.pop(1)

# Prints the folders the program was given and leaves in its home what real programs leave there,
# including a folder without write permission, as the fault tests do.
REPORT = """
import json, os, sys
names = ["HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"]
os.makedirs(os.path.join(os.environ["XDG_CONFIG_HOME"], "locked"))
open(os.path.join(os.environ["XDG_CONFIG_HOME"], "QtProject.conf"), "w").write("[FileDialog]\\n")
os.chmod(os.path.join(os.environ["XDG_CONFIG_HOME"], "locked"), 0o500)
seen = {name: os.environ.get(name) for name in names}
seen["runtime_mode"] = os.stat(os.environ["XDG_RUNTIME_DIR"]).st_mode & 0o777
seen["bytecode"] = os.environ.get("PYTHONDONTWRITEBYTECODE")
print(json.dumps(seen))
sys.exit(int(sys.argv[1]))
"""


def launch(status=0):
    run = subprocess.run([LAUNCHER, sys.executable, "-c", REPORT, str(status)], capture_output=True, text=True,
                         env={**os.environ, "HOME": "/nonexistent/real-home"})
    return run.returncode, json.loads(run.stdout)


class Launcher(unittest.TestCase):
    def test_each_run_gets_a_fresh_home_with_the_xdg_folders_inside_it(self):
        _, first = launch()
        _, second = launch()
        self.assertNotEqual(first["HOME"], second["HOME"])
        for seen in (first, second):
            home = seen["HOME"]
            self.assertNotEqual(home, "/nonexistent/real-home")
            for name in ("XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME", "XDG_CACHE_HOME",
                         "XDG_RUNTIME_DIR"):
                self.assertTrue(seen[name].startswith(home + "/"), f"{name}={seen[name]} outside {home}")
            self.assertEqual(seen["runtime_mode"], stat.S_IRWXU)
            self.assertEqual(seen["bytecode"], "1")

    def test_the_home_goes_after_the_run_and_the_status_comes_through(self):
        for status in (0, 1, 3):
            with self.subTest(status=status):
                returned, seen = launch(status)
                self.assertEqual(returned, status)
                self.assertFalse(os.path.exists(seen["HOME"]), f"{seen['HOME']} left behind")


class Registration(unittest.TestCase):
    def test_every_test_starts_through_the_launcher(self):
        listing = subprocess.run(["ctest", "--test-dir", BUILD, "--show-only=json-v1"], capture_output=True,
                                 text=True, check=True)
        tests = json.loads(listing.stdout)["tests"]
        self.assertGreater(len(tests), 100)
        bare = [test["name"] for test in tests if test.get("command", [None])[0] != LAUNCHER]
        self.assertEqual(bare, [])


if __name__ == "__main__":
    unittest.main()
