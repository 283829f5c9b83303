#!/usr/bin/python3
"""The page against the desktop, in one run: ticks per second of play and the
timedemo, each side taking turns, and the WebGL that headless Chromium used.

Usage: bench/web_compare.py <web build dir> <desktop build dir> [frames] [runs]

The page runs in Debian's headless Chromium (SwiftShader's WebGL on the
CPU) in an 800 by 800 canvas; the desktop in an 800 by 800 window under
Xvfb (Mesa's llvmpipe). Ticks per second: 20 s of play after START, the
pointer holding the nose level, counted by the page's session tick count
and, on the desktop, by --verify of the recording of a game quit after 10 s
and of one quit after 30 s (the difference over 20 s)."""

import os
import re
import signal
import statistics
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "web"))
sys.argv = sys.argv[:3] + sys.argv[3:]
import browser_test as page_driver  # noqa: E402  (its Page and server)

WEB, DESKTOP = (os.path.abspath(a) for a in sys.argv[1:3])
FRAMES = int(sys.argv[3]) if len(sys.argv) > 3 else 1000
RUNS = int(sys.argv[4]) if len(sys.argv) > 4 else 3
LINE = re.compile(r"timedemo: .*")
# More of the page's options for the tick count (WEB_TICKS_QUERY="&no-textures").
QUERY = os.environ.get("WEB_TICKS_QUERY", "")


def page_ticks(base):
    page = page_driver.Page(base, tempfile.mkdtemp(prefix="gullmar-bench-"))
    try:
        page.open("?seed=1&no-sound" + QUERY)
        page.pointer(page_driver.ITEM_X, page_driver.START_Y)
        page.pointer(page_driver.ITEM_X, page_driver.START_Y, click=True)
        page.pointer(400, 330)
        time.sleep(2)
        first = page.js("return Module._gullmar_session_ticks()")
        time.sleep(20)
        return (page.js("return Module._gullmar_session_ticks()") - first) / 20.0
    finally:
        page.close()


def page_timedemo(base):
    page = page_driver.Page(base, tempfile.mkdtemp(prefix="gullmar-bench-"))
    try:
        page.open(f"?timedemo={FRAMES}&no-sound")
        page.wait(lambda: page.state() == "ended", "the timedemo did not end", seconds=600)
        return LINE.search(page.console_text()).group(0)
    finally:
        page.close()


def webgl_renderer(base):
    page = page_driver.Page(base, tempfile.mkdtemp(prefix="gullmar-bench-"))
    try:
        page.open("?no-sound")
        return page.js("const gl = document.createElement('canvas').getContext('webgl');"
                       "const info = gl.getExtension('WEBGL_debug_renderer_info');"
                       "return gl.getParameter(info ? info.UNMASKED_RENDERER_WEBGL : gl.RENDERER)")
    finally:
        page.close()


def desktop(args, seconds=None, folder=None):
    """The desktop game in an 800 by 800 window under Xvfb; stdout."""
    folder = folder or tempfile.mkdtemp(prefix="gullmar-bench-")
    for name in ("textures", "sounds"):
        if not os.path.exists(os.path.join(folder, name)):
            os.symlink(os.path.join(DESKTOP, name), os.path.join(folder, name))
    subprocess.run(["cp", "-r", os.path.join(DESKTOP, "..", "config"), folder], check=True)
    command = [os.path.join(DESKTOP, "gullmar"), "--window-mode", "--no-sound"] + args
    game = subprocess.Popen(command, cwd=folder, stdout=subprocess.PIPE, text=True)
    if seconds is not None:
        time.sleep(seconds)
        game.send_signal(signal.SIGTERM)
    out, _ = game.communicate(timeout=600)
    return out, folder


def desktop_ticks():
    """Ticks of a game quit after 30 s less those of one quit after 10 s."""
    counts = []
    for seconds in (10, 30):
        _, folder = desktop(["--seed=1"], seconds)
        flights = os.path.join(folder, "flights")
        name = [n for n in os.listdir(flights) if n.endswith(".gullrec")][0]
        out = subprocess.run([os.path.join(DESKTOP, "gullmar"), f"--verify=flights/{name}"], cwd=folder,
                             capture_output=True, text=True).stdout
        counts.append(int(re.search(r"(\d+) ticks and", out).group(1)))
    return (counts[1] - counts[0]) / 20.0


def start_display():
    """A private Xvfb for the desktop's runs."""
    read, write = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1024x1024x24", "-nolisten",
                             "tcp", "-noreset"], pass_fds=(write,), stderr=subprocess.DEVNULL)
    os.close(write)
    os.environ["DISPLAY"] = ":" + os.read(read, 16).decode().strip()
    return xvfb


def main():
    xvfb = start_display()
    base = page_driver.serve()
    print("WebGL:", webgl_renderer(base))
    page_rates, desktop_rates, page_lines, desktop_lines = [], [], [], []
    for run in range(RUNS):
        page_rates.append(page_ticks(base))
        desktop_rates.append(desktop_ticks())
        page_lines.append(page_timedemo(base))
        desktop_lines.append(LINE.search(desktop([f"--timedemo={FRAMES}"])[0]).group(0))
        print(f"run {run + 1}: ticks/s page {page_rates[-1]:.1f}, desktop {desktop_rates[-1]:.1f}")
        print(f"  page    {page_lines[-1]}\n  desktop {desktop_lines[-1]}")
    fps = lambda line: float(re.search(r"([\d.]+) fps", line).group(1))  # noqa: E731
    page_fps = statistics.median(fps(line) for line in page_lines)
    desktop_fps = statistics.median(fps(line) for line in desktop_lines)
    print(f"ticks per second of play, median: page {statistics.median(page_rates):.1f}, "
          f"desktop {statistics.median(desktop_rates):.1f}")
    print(f"timedemo fps, median: page {page_fps:.1f}, desktop {desktop_fps:.1f}, "
          f"page/desktop {page_fps / desktop_fps:.2f}")
    xvfb.terminate()


if __name__ == "__main__":
    main()
