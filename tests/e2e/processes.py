"""Processes of the machine as /proc tells them: which program a process runs, and which of a list of
processes are the preview program."""

PREVIEW_COMMAND = "marquetto-previ"  # /proc gives the first 15 characters of a program's name


def command_of(pid):
    """The program that process `pid` runs, or None when it has gone."""
    try:
        with open(f"/proc/{pid}/comm") as comm:
            return comm.read().strip()
    except OSError:
        return None


def preview_programs(pids):
    """Those of `pids` that run the preview program."""
    return [pid for pid in pids if command_of(pid) == PREVIEW_COMMAND]
