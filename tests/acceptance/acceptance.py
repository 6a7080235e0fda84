#!/usr/bin/env python3
"""The player's-eye acceptance suite. It starts the built game from a fresh copy of its
application folder on a desktop of its own (Xvfb, a session bus with the accessibility bus,
openbox), plays it with real keys and clicks only, and judges what the windows show through
the accessibility tree: every control a window must offer is showing and inside the screen,
no English caption appears, and whole games, preferences and definitions behave as a player
expects. It runs once per screen: 1280 x 1024, the same at scale 2, and 800 x 600.

  acceptance.py --app build/dist/Vorlane --answers build/tests/acceptance/acceptance_answers
"""

import argparse
import json
import os
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

from desktop import Desktop  # noqa: E402

# Each desktop plays its scenarios; the desktops run side by side, so the whole game (which
# waits for the time reserve to run out) costs no more than the window checks.
SCREENS = [
    {"label": "1280x1024", "width": 1280, "height": 1024, "scale": 1,
     "scenarios": ["windows_show_every_control", "definition_rows_show_their_first_line",
                   "every_preference_survives_a_restart", "colour_dialog_speaks_french",
                   "installer_pages_and_folder_dialog"]},
    {"label": "1280x1024-game", "width": 1280, "height": 1024, "scale": 1,
     "scenarios": ["normal_game_to_its_end"]},
    {"label": "1280x1024-scale2", "width": 1280, "height": 1024, "scale": 2,
     "scenarios": ["windows_show_every_control", "definition_rows_show_their_first_line",
                   "colour_dialog_speaks_french"]},
    {"label": "800x600", "width": 800, "height": 600, "scale": 1,
     "scenarios": ["windows_show_every_control"]},
]


def start_screen(screen, args, log):
    """One desktop, and its scenarios in a child process bound to that desktop's buses."""
    desktop = Desktop(screen["width"], screen["height"], screen["scale"]).start()
    env = dict(os.environ)
    env.update(desktop.env)
    env.pop("QT_QPA_PLATFORM", None)
    env["VORLANE_ACCEPTANCE_SCREEN"] = json.dumps(screen)
    env["VORLANE_ACCEPTANCE_WORKDIR"] = desktop.workdir
    command = [sys.executable, os.path.join(HERE, "scenarios.py"), "--app", args.app,
               "--answers", args.answers, "--screenshots", args.screenshots,
               "--scenarios", ",".join(screen["scenarios"])]
    if args.only:
        command += ["--only", args.only]
    child = subprocess.Popen(command, env=env, stdout=log, stderr=subprocess.STDOUT)
    return desktop, child


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--app", required=True)
    parser.add_argument("--answers", required=True)
    parser.add_argument("--screenshots", required=True)
    parser.add_argument("--screen", help="run only the screen of this label")
    parser.add_argument("--only", help="run only the scenarios whose name holds this text")
    args = parser.parse_args()
    os.makedirs(args.screenshots, exist_ok=True)
    started = time.monotonic()
    running = []
    for screen in SCREENS:
        if args.screen != screen["label"] and (args.screen or screen.get("on_request")):
            continue
        log = tempfile.TemporaryFile(mode="w+")
        running.append((screen["label"], log, *start_screen(screen, args, log)))
    failed = []
    for label, log, desktop, child in running:
        try:
            code = child.wait(timeout=280)
        except subprocess.TimeoutExpired:
            child.kill()
            code = "timeout"
        desktop.stop()
        log.seek(0)
        print(f"== {label}\n{log.read()}", flush=True)
        if code != 0:
            failed.append(label)
    print(f"acceptance suite: {time.monotonic() - started:.0f} s; screenshots in {args.screenshots}")
    if failed:
        print("FAILED on: " + ", ".join(failed))
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
