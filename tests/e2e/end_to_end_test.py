#!/usr/bin/env python3
"""The whole tool as its users run it: quorvel.exe copied into a fresh folder,
started under Wine on an X display, driven by real key presses and mouse
clicks (xdotool), and looked at from outside by peek.exe.

Every wait is for a condition, with a bound, so a slow machine only makes the
tests slower.

Environment: QUORVEL_EXE, QUORVEL_PEEK (the two programs), QUORVEL_WINE_RUN
(scripts/wine-run), QUORVEL_WINEPREFIX. Without DISPLAY a private Xvfb is
started.
"""
import os
import shutil
import subprocess
import tempfile
import time
import unittest

EXE = os.environ.get("QUORVEL_EXE", "")
PEEK = os.environ.get("QUORVEL_PEEK", "")
WINE_RUN = os.environ.get("QUORVEL_WINE_RUN", "")
WINEPREFIX = os.environ.get("QUORVEL_WINEPREFIX", "")

# The control identifiers the window gives its controls: 100 and up, in record order.
CONTROL_IDS = {"编辑框3": 100, "编辑框1": 101, "标签1": 102, "编辑框2": 103, "按钮1": 104}
CONTROL_NAMES = {number: name for name, number in CONTROL_IDS.items()}

BOUND = 30  # seconds: the longest wait for anything

LIST_NAME = "zhanghao.txt"
# Lines made up for the tests, in GBK: 首字 (first character) and 查询 (query).
SHOU_ZI = b"\xca\xd7\xd7\xd6"
CHA_XUN = b"\xb2\xe9\xd1\xaf"


def wait_for(condition, what, bound=BOUND):
    """The first true value of condition(), polled until the bound."""
    deadline = time.monotonic() + bound
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise AssertionError(f"gave up after {bound} s waiting for {what}")
        time.sleep(0.05)


def run(args, bound=BOUND):
    """Runs a program to its end. Its output goes through a file, not a pipe:
    a Wine server started by the program would hold a pipe open long after."""
    with tempfile.TemporaryFile() as out, tempfile.TemporaryFile() as err:
        result = subprocess.run(args, stdout=out, stderr=err, timeout=bound)
        out.seek(0)
        err.seek(0)
        return subprocess.CompletedProcess(args, result.returncode, out.read(), err.read())


def xdotool(*args):
    result = run(["xdotool", *args])
    if result.returncode != 0:
        raise AssertionError(f"xdotool {' '.join(args)}: {result.stderr.decode(errors='replace')}")
    return result.stdout.decode().strip()


class RunningTool:
    """One quorvel.exe in a folder of its own, started with the given list
    file (or none), until it is closed."""

    def __init__(self, list_bytes=None):
        self.folder = tempfile.mkdtemp(prefix="quorvel-e2e-")
        self.exe = os.path.join(self.folder, "quorvel.exe")
        self.list_path = os.path.join(self.folder, LIST_NAME)
        shutil.copy(EXE, self.exe)
        if list_bytes is not None:
            with open(self.list_path, "wb") as f:
                f.write(list_bytes)
        # Started from another folder: the list lives beside the program.
        self.process = subprocess.Popen([WINE_RUN, WINEPREFIX, self.exe], cwd=tempfile.gettempdir(),
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.xid = None

    def wait_shown(self):
        wait_for(lambda: self.peek("find") is not None or self.process.poll() is not None,
                 "the window to show")
        if self.process.poll() is not None:
            raise AssertionError(f"quorvel.exe ended with {self.process.returncode} before showing")
        self.xid = wait_for(self._x_window, "the X window")

    def _x_window(self):
        found = run(["xdotool", "search", "--onlyvisible", "--name", "^Quorvel  "])
        return found.stdout.decode().split()[0] if found.returncode == 0 and found.stdout else None

    def peek(self, *args):
        result = run([WINE_RUN, WINEPREFIX, PEEK, *map(str, args)])
        return result.stdout.decode().strip() if result.returncode == 0 else None

    def text(self, name):
        return bytes.fromhex(self.peek("text", CONTROL_IDS[name]))

    def set_text(self, name, data):
        self.peek("settext", CONTROL_IDS[name], data.hex())

    def focus(self):
        return CONTROL_NAMES.get(int(self.peek("focus")))

    def list_file(self):
        with open(self.list_path, "rb") as f:
            return f.read()

    def list_file_stamp(self):
        info = os.stat(self.list_path)
        return info.st_mtime_ns, info.st_size

    def keys(self, *keys):
        xdotool("windowfocus", "--sync", self.xid)
        xdotool("key", "--delay", "30", *keys)

    def type(self, text):
        xdotool("windowfocus", "--sync", self.xid)
        xdotool("type", "--delay", "30", text)

    def click_at(self, x, y):
        xdotool("mousemove", "--sync", str(x), str(y))
        xdotool("click", "1")

    def click(self, name):
        self.click_at(*self.peek("center", CONTROL_IDS[name]).split())

    def wait_focus(self, name):
        wait_for(lambda: self.focus() == name, f"the focus on {name}")

    def wait_text(self, name, expected):
        wait_for(lambda: self.text(name) == expected, f"{name} to read {expected!r}")

    def wait_list_file(self, expected):
        wait_for(lambda: self.list_file() == expected, f"the list file to hold {expected!r}")

    def wait_exit(self):
        try:
            return self.process.wait(timeout=BOUND)
        except subprocess.TimeoutExpired:
            raise AssertionError("quorvel.exe did not end")

    def close(self):
        """Ends the process whatever state a failed test left it in."""
        if self.process.poll() is None:
            self.peek("close")
            try:
                self.process.wait(timeout=BOUND)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
        shutil.rmtree(self.folder, ignore_errors=True)


class EndToEnd(unittest.TestCase):
    def start(self, list_bytes=None):
        tool = RunningTool(list_bytes)
        self.addCleanup(tool.close)
        tool.wait_shown()
        return tool

    def assert_closes_cleanly(self, tool, written_at_start):
        self.assertEqual(tool.wait_exit(), 0)
        self.assertEqual(tool.list_file_stamp(), written_at_start)

    def test_start_without_list_file_shows_empty_box_and_makes_empty_file(self):
        tool = self.start()
        # The save nested in the load ran before the window was shown.
        self.assertEqual(tool.list_file(), b"")
        self.assertEqual(tool.text("编辑框2"), b"")
        tool.peek("close")
        self.assertEqual(tool.wait_exit(), 0)

    def test_start_with_gbk_list_shows_it_and_keeps_the_file(self):
        lines = b"\r\n".join([SHOU_ZI + b" first line", CHA_XUN + b" second", b"", b"  third  "])
        tool = self.start(lines)
        self.assertEqual(tool.text("编辑框2"), lines)
        self.assertEqual(tool.list_file(), lines)
        self.assertEqual(tool.text("编辑框3"), b"")
        self.assertEqual(tool.text("编辑框1"), b"")

    def test_typing_and_enter_in_list_box_save_at_once(self):
        tool = self.start(b"ab one\r\nab two")
        tool.keys("Tab")
        tool.wait_focus("编辑框2")
        tool.type("x")
        tool.wait_list_file(b"xab one\r\nab two")
        tool.keys("Return")
        tool.wait_list_file(b"x\r\nab one\r\nab two")
        tool.keys("BackSpace", "BackSpace")
        tool.wait_list_file(b"ab one\r\nab two")
        self.assertEqual(tool.text("编辑框2"), b"ab one\r\nab two")

    def test_query_and_click_put_last_matching_line_into_result_box(self):
        tool = self.start(b"ab one\r\n" + SHOU_ZI + b" two\r\nab three\r\ncd four\r\n")
        tool.click("编辑框1")
        tool.wait_focus("编辑框1")
        tool.type(" ab ")
        tool.wait_text("编辑框1", b" ab ")
        tool.click("按钮1")
        tool.wait_text("编辑框3", b"ab three")
        self.assertEqual(tool.focus(), "按钮1")

    def test_space_at_start_clicks_query_button(self):
        tool = self.start(b"ab one\r\nab two\r\ncd three")
        tool.wait_focus("按钮1")  # given to it as the window is activated
        tool.set_text("编辑框1", b"ab")  # set from outside: the focus stays
        tool.keys("space")
        tool.wait_text("编辑框3", b"ab two")

    def test_enter_never_clicks_the_query_button(self):
        tool = self.start(b"ab one")
        tool.set_text("编辑框1", b"ab")
        tool.wait_focus("按钮1")
        tool.keys("Return", "Tab", "Tab")  # Enter on the button, then into the query box
        tool.wait_focus("编辑框1")
        tool.keys("End", "Return", "c")
        # The c arrives after Enter was handled: Enter changed nothing.
        tool.wait_text("编辑框1", b"abc")
        self.assertEqual(tool.focus(), "编辑框1")
        self.assertEqual(tool.text("编辑框3"), b"")

    def test_tab_and_shift_tab_cycle_the_controls(self):
        list_bytes = b"ab one\r\nab two"
        tool = self.start(list_bytes)
        cycle = ["按钮1", "编辑框2", "编辑框1", "编辑框3"]
        tool.wait_focus(cycle[0])
        for name in cycle[1:] + cycle[:1]:
            tool.keys("Tab")
            tool.wait_focus(name)
        for name in reversed(cycle):
            tool.keys("shift+Tab")
            tool.wait_focus(name)
        self.assertEqual(tool.text("编辑框2"), list_bytes)
        self.assertEqual(tool.list_file(), list_bytes)

    def test_closing_ends_with_code_zero_and_writes_nothing(self):
        def escape_from_list_box(tool):
            tool.keys("Tab")
            tool.wait_focus("编辑框2")
            tool.keys("Escape")

        def alt_f4(tool):
            tool.keys("alt+F4")

        def close_box(tool):
            tool.click_at(*tool.peek("closebox").split())

        for close in (escape_from_list_box, alt_f4, close_box):
            with self.subTest(close.__name__):
                tool = self.start(SHOU_ZI + b" one\r\n" + CHA_XUN + b" two")
                written_at_start = tool.list_file_stamp()
                close(tool)
                self.assert_closes_cleanly(tool, written_at_start)

    def test_list_longer_than_typing_default_can_be_extended_by_typing(self):
        lines = b"".join(b"ab line %d of a long list\r\n" % n for n in range(2000))
        self.assertGreater(len(lines), 32767)
        tool = self.start(lines)
        tool.keys("Tab")
        tool.wait_focus("编辑框2")
        tool.keys("ctrl+End")
        tool.type("z")
        tool.wait_list_file(lines + b"z")


def let_wine_draw_window_frames():
    """There is no window manager on the test display: Wine then draws the
    title bar and its close box itself, where a click can reach them."""
    result = run([WINE_RUN, WINEPREFIX, "reg", "add", r"HKCU\Software\Wine\X11 Driver",
                  "/v", "Managed", "/d", "N", "/f"], bound=300)
    if result.returncode != 0:
        raise SystemExit(f"could not configure the Wine prefix: {result.stderr.decode(errors='replace')}")


def start_private_display():
    """Starts an Xvfb of our own when none is given; stopped at exit."""
    read_end, write_end = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24",
                               "-nolisten", "tcp"], pass_fds=[write_end], stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as display:
        os.environ["DISPLAY"] = ":" + display.readline().strip()
    return server


if __name__ == "__main__":
    for name, value in [("QUORVEL_EXE", EXE), ("QUORVEL_PEEK", PEEK),
                        ("QUORVEL_WINE_RUN", WINE_RUN), ("QUORVEL_WINEPREFIX", WINEPREFIX)]:
        if not value:
            raise SystemExit(f"{name} is not set: run these tests through ctest")
    display_server = None if os.environ.get("DISPLAY") else start_private_display()
    try:
        let_wine_draw_window_frames()
        unittest.main(verbosity=2)
    finally:
        if display_server:
            display_server.terminate()
