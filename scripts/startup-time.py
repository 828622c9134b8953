#!/usr/bin/python3
"""Start-up time of the program: from starting the process to the month
dialog (出席簿作成月) appearing on the X display, as the median of several
runs; beside it the time the program spent on a processor until then, which
other work on a busy machine does not stretch. Needs an X display (Xvfb) in
DISPLAY and python3-xlib.

usage: startup-time.py PROGRAM WORK_FOLDER [RUNS [MOST_SECONDS]]
With MOST_SECONDS, fails when the median is longer.
"""
import os
import statistics
import subprocess
import sys
import tempfile
import time

from Xlib import X, display

MONTH_DIALOG = "出席簿作成月"
TIMEOUT = 20.0


def window_title(screen_display, window):
    try:
        name = window.get_full_property(screen_display.intern_atom("_NET_WM_NAME"),
                                        screen_display.intern_atom("UTF8_STRING"))
        return name.value.decode("utf-8") if name else ""
    except Exception:  # the window went away before it was asked
        return ""


def processor_seconds(pid):
    total = 0
    for task in os.listdir(f"/proc/{pid}/task"):
        with open(f"/proc/{pid}/task/{task}/schedstat") as stat:
            total += int(stat.read().split()[0])
    return total / 1e9


def one_run(program, work_folder, home):
    screen_display = display.Display()
    root = screen_display.screen().root
    root.change_attributes(event_mask=X.SubstructureNotifyMask)
    screen_display.sync()
    env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=os.path.join(home, "config"),
               XDG_RUNTIME_DIR=home, LC_ALL="C.UTF-8")
    start = time.monotonic()
    process = subprocess.Popen([program, "--work-folder", work_folder], env=env,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        while time.monotonic() - start < TIMEOUT:
            if not screen_display.pending_events():
                time.sleep(0.0005)
                continue
            event = screen_display.next_event()
            if event.type == X.MapNotify and window_title(screen_display, event.window).startswith(MONTH_DIALOG):
                return time.monotonic() - start, processor_seconds(process.pid)
        raise SystemExit(f"the month dialog did not appear within {TIMEOUT} s")
    finally:
        process.terminate()
        process.wait()
        screen_display.close()


def main():
    if len(sys.argv) < 3:
        raise SystemExit(__doc__)
    program, work_folder = sys.argv[1], os.path.abspath(sys.argv[2])
    runs = int(sys.argv[3]) if len(sys.argv) > 3 else 10
    most = float(sys.argv[4]) if len(sys.argv) > 4 else None
    with tempfile.TemporaryDirectory() as home:
        measured = [one_run(program, work_folder, home) for _ in range(runs)]
    seconds = [wall for wall, _ in measured]
    print("start-up to the month dialog, %d runs: median %.3f s (fastest %.3f s, slowest %.3f s);"
          " on a processor: median %.3f s"
          % (runs, statistics.median(seconds), min(seconds), max(seconds),
             statistics.median(processor for _, processor in measured)))
    if most is not None and statistics.median(seconds) > most:
        raise SystemExit(f"start-up took longer than {most} s")


if __name__ == "__main__":
    main()
