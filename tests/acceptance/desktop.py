"""A player's desktop for the acceptance suite: its own X server (Xvfb), a session bus with
the accessibility bus behind it, the openbox window manager, and the game started from a
fresh copy of the application folder. Input is real X input (xdotool); nothing here calls
into the game."""

import json
import os
import shutil
import signal
import struct
import subprocess
import tempfile
import time


# Settings record 30: 1 once the first start has welcomed the player.
STARTED_RECORD = 30


class Desktop:
    """One X display of `width` x `height` pixels under openbox, with its own session bus."""

    def __init__(self, width, height, scale=1, workdir=None):
        self.width, self.height, self.scale = width, height, scale
        self.workdir = workdir or tempfile.mkdtemp(prefix="vorlane-acceptance-")
        self.env = None
        self._processes = []

    # --- the session -------------------------------------------------------------------
    def start(self):
        read_end, write_end = os.pipe()
        xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0",
             f"{self.width}x{self.height}x24", "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        self._processes.append(xvfb)
        with os.fdopen(read_end) as display_pipe:
            display = display_pipe.readline().strip()
        if not display:
            raise RuntimeError("Xvfb did not start")
        home = os.path.join(self.workdir, "home")
        os.makedirs(home, exist_ok=True)
        env = {
            "PATH": os.environ.get("PATH", "/usr/bin:/bin"),
            "DISPLAY": ":" + display,
            "HOME": home,
            "XDG_CONFIG_HOME": os.path.join(home, ".config"),
            "XDG_DATA_HOME": os.path.join(home, ".local", "share"),
            "XDG_CACHE_HOME": os.path.join(home, ".cache"),
            "XDG_RUNTIME_DIR": self._runtime_dir(),
            "LANG": "C.UTF-8",
        }
        bus = subprocess.run(
            ["dbus-daemon", "--session", "--fork", "--print-address=1", "--print-pid=1"],
            env=env, capture_output=True, text=True, check=True).stdout.split()
        env["DBUS_SESSION_BUS_ADDRESS"] = bus[0]
        self._bus_pid = int(bus[1])
        self.env = env
        wm = subprocess.Popen(["openbox", "--sm-disable"], env=env,
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self._processes.append(wm)
        self._wait_for_window_manager()
        return self

    def _runtime_dir(self):
        path = os.path.join(self.workdir, "runtime")
        os.makedirs(path, mode=0o700, exist_ok=True)
        return path

    def _wait_for_window_manager(self):
        deadline = time.monotonic() + 10
        while time.monotonic() < deadline:
            probe = subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], env=self.env,
                                   capture_output=True, text=True)
            if "window id" in probe.stdout:
                return
            time.sleep(0.05)
        raise RuntimeError("openbox did not start")

    def stop(self):
        for process in reversed(self._processes):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(timeout=5)
                except subprocess.TimeoutExpired:
                    process.kill()
        if getattr(self, "_bus_pid", None):
            try:
                os.kill(self._bus_pid, signal.SIGTERM)
            except ProcessLookupError:
                pass
        shutil.rmtree(self.workdir, ignore_errors=True)

    # --- input ---------------------------------------------------------------------------
    def xdotool(self, *arguments):
        subprocess.run(["xdotool", *map(str, arguments)], env=self.env, check=True)

    def key(self, *keys):
        for key in keys:
            self.xdotool("key", "--clearmodifiers", key)
            time.sleep(0.03)

    def type(self, text):
        self.xdotool("type", "--delay", "40", text)

    def click(self, x, y, button=1):
        """A click at a point of the screen, in the screen's own pixels."""
        self.xdotool("mousemove", "--sync", int(x), int(y))
        self.xdotool("click", button)

    # --- the screen ----------------------------------------------------------------------
    def screenshot(self, path):
        subprocess.run(["import", "-window", "root", path], env=self.env, check=True,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        return path


class Game:
    """The game started from its own writable copy of the application folder."""

    def __init__(self, desktop, app_folder, name="game"):
        self.desktop = desktop
        self.folder = os.path.join(desktop.workdir, name)
        shutil.rmtree(self.folder, ignore_errors=True)
        shutil.copytree(app_folder, self.folder, symlinks=True)
        self.data = os.path.join(self.folder, "Zari666")
        self.process = None

    def mark_started_before(self):
        """The first start is behind it: no welcome, the factory settings in place."""
        settings = os.path.join(self.data, "Prefint.666")
        shutil.copyfile(os.path.join(self.data, "Nsco.666"), settings)
        self.write_setting(STARTED_RECORD, 1)

    def write_setting(self, record, value):
        """A 4-byte little-endian record of the settings file, as the game writes them."""
        with open(os.path.join(self.data, "Prefint.666"), "r+b") as settings:
            settings.seek(4 * record)
            settings.write(struct.pack("<i", value))

    def start(self, *arguments, extra_env=None):
        env = dict(self.desktop.env)
        env.update({"QT_QPA_PLATFORM": "xcb", "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
                    "QT_ACCESSIBILITY": "1"})
        if self.desktop.scale != 1:
            env["QT_SCALE_FACTOR"] = str(self.desktop.scale)
        env.update(extra_env or {})
        self.process = subprocess.Popen([os.path.join(self.folder, "Vorlane"), *arguments],
                                        env=env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        return self

    def running(self):
        return self.process is not None and self.process.poll() is None

    def stop(self):
        if self.running():
            self.process.terminate()
            try:
                self.process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()



def attached_desktop():
    """The desktop that the suite's runner started for this process (see acceptance.py)."""
    screen = json.loads(os.environ["VORLANE_ACCEPTANCE_SCREEN"])
    desktop = Desktop(screen["width"], screen["height"], screen["scale"],
                      os.environ["VORLANE_ACCEPTANCE_WORKDIR"])
    desktop.env = {key: os.environ[key] for key in
                   ("PATH", "DISPLAY", "HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME",
                    "XDG_CACHE_HOME", "XDG_RUNTIME_DIR", "LANG", "DBUS_SESSION_BUS_ADDRESS")}
    desktop.label = screen["label"]
    return desktop
