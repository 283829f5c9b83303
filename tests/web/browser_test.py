#!/usr/bin/python3
"""The browser build as a player uses it: the page served on 127.0.0.1, in
Debian's headless Chromium with its software WebGL, driven through WebDriver.

Usage: tests/web/browser_test.py <web build dir> <desktop build dir>

Each case starts from an empty browser profile unless it says otherwise; a
failure says what a player would have met and leaves the page's picture in
the run directory."""

import base64
import functools
import http.server
import os
import re
import shutil
import subprocess
import sys
import tempfile
import threading
import time

from selenium import webdriver
from selenium.webdriver.chrome.options import Options
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys

WEB, DESKTOP = (os.path.abspath(arg) for arg in sys.argv[1:3])
HERE = os.path.dirname(os.path.abspath(__file__))
RUN = tempfile.mkdtemp(prefix="gullmar-browser-test.")
SIDE = 800
SEED = 7
# The menus stand at a fifth of the width and a quarter of the height; their
# items are 31 pixels apart, the first 186 pixels above the bottom.
ITEM_X = 207
START_Y, RESUME_Y, CONFIG_Y, QUIT_Y = (SIDE - 186 + 31 * i for i in range(4))


def log(text):
    print(f"[browser_test] {text}", flush=True)


class Failure(Exception):
    pass


def serve():
    class Quiet(http.server.SimpleHTTPRequestHandler):
        def log_message(self, *args):
            pass

    handler = functools.partial(Quiet, directory=WEB)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return f"http://127.0.0.1:{server.server_address[1]}/"


class Page:
    """One browser with its own profile (the player's kept files live in it)."""

    def __init__(self, base, profile):
        options = Options()
        for arg in ("--headless=new", "--no-sandbox", "--use-gl=angle", "--use-angle=swiftshader",
                    "--enable-unsafe-swiftshader", f"--window-size={SIDE},{SIDE}",
                    f"--user-data-dir={profile}", "--autoplay-policy=no-user-gesture-required"):
            options.add_argument(arg)
        options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
        self.downloads = os.path.join(profile, "downloads")
        os.makedirs(self.downloads, exist_ok=True)
        options.add_experimental_option("prefs", {"download.default_directory": self.downloads,
                                                  "download.prompt_for_download": False})
        self.driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
        self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                                    {"width": SIDE, "height": SIDE, "deviceScaleFactor": 1, "mobile": False})
        self.driver.execute_cdp_cmd("Browser.setDownloadBehavior",
                                    {"behavior": "allow", "downloadPath": self.downloads})
        self.base = base
        self.console = []

    def open(self, query=""):
        started = time.monotonic()
        self.driver.get(self.base + query)
        self.wait(lambda: self.state() in ("running", "ended", "failed"), "the page did not start")
        if self.state() == "failed":
            raise Failure("the page says: " + self.js("return document.getElementById('message').textContent"))
        if self.state() == "running":
            # The controls under the canvas folded away: the canvas takes the
            # whole 800 by 800 window, as the desktop's window is.
            self.js("document.getElementById('hide').click()")
            self.wait(lambda: self.js("return [canvas.width, canvas.height]") == [SIDE, SIDE],
                      "the canvas does not follow the page's size: " +
                      str(self.js("return [canvas.width, canvas.height, innerWidth, innerHeight, canvas.style.height, document.getElementById('bar').hidden, document.body.dataset.state]")))
        return time.monotonic() - started

    def js(self, script, *args):
        return self.driver.execute_script(script, *args)

    def state(self):
        return self.js("return document.body.dataset.state")

    def logs(self):
        for entry in self.driver.get_log("browser"):
            self.console.append(entry)
        return self.console

    def console_text(self):
        return "\n".join(entry["message"] for entry in self.logs())

    def errors(self):
        return [e["message"] for e in self.logs() if e["level"] == "SEVERE"]

    def wait(self, condition, what, seconds=60):
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            if condition():
                return
            time.sleep(0.2)
        self.picture("failure.png")
        raise Failure(what)

    def pointer(self, x, y, click=False):
        actions = ActionChains(self.driver)
        actions.w3c_actions.pointer_action.move_to_location(x, y)
        if click:
            actions.w3c_actions.pointer_action.click()
        actions.perform()

    def keys(self, *keys):
        ActionChains(self.driver).send_keys(*keys).perform()

    def picture(self, name):
        """The canvas as the player sees it (the button that brings back the
        controls hidden for a moment)."""
        self.js("document.getElementById('show-bar').style.visibility = 'hidden'")
        path = os.path.join(RUN, name)
        self.driver.save_screenshot(path)
        self.js("document.getElementById('show-bar').style.visibility = ''")
        return path

    def file(self, path):
        """A file of the page's file system, or None."""
        data = self.js("try { return btoa(String.fromCharCode.apply(null, FS.readFile(arguments[0]))); }"
                       " catch (e) { return null; }", path)
        return None if data is None else base64.b64decode(data)

    def close(self):
        self.driver.quit()


def rgb(path, crop=None):
    """The RGB bytes of a PNG file, or of its region (x, y, width, height)."""
    command = ["convert", path]
    if crop:
        x, y, width, height = crop
        command += ["-crop", f"{width}x{height}+{x}+{y}", "+repage"]
    return subprocess.run(command + ["-depth", "8", "rgb:-"], capture_output=True, check=True).stdout


def differing(a, b, crop):
    """Pixels of a region that differ by more than 10% in any channel."""
    x, y = rgb(a, crop), rgb(b, crop)
    return sum(1 for i in range(0, len(x), 3)
               if max(abs(x[i + c] - y[i + c]) for c in range(3)) > 25)


def desktop_recording():
    """A short game recorded by the desktop's build."""
    folder = os.path.join(RUN, "desktop-recording")
    shutil.copytree(os.path.join(HERE, "..", "..", "config"), os.path.join(folder, "config"))
    subprocess.run([os.path.join(DESKTOP, "gullmar_record_flight"), "200", "--no-sound"], cwd=folder,
                   check=True, capture_output=True, timeout=60)
    flights = os.path.join(folder, "flights")
    name = [n for n in os.listdir(flights) if n.endswith(".gullrec")][0]
    with open(os.path.join(flights, name), "rb") as f:
        return f.read()


def menu_shown(page):
    """The main menu's START button stands in its light outline."""
    shot = rgb(page.picture("menu.png"), (ITEM_X - 40, START_Y - 12, 80, 24))
    return sum(1 for i in range(0, len(shot), 3) if min(shot[i:i + 3]) > 200) > 60


def case_menu_matches_desktop(base):
    """Loads with no console error; the main menu over the city is the
    desktop's picture with the same seed and an empty table."""
    page = Page(base, os.path.join(RUN, "profile-picture"))
    try:
        seconds = page.open(f"?seed={SEED}")
        page.wait(lambda: menu_shown(page), "the main menu does not show")
        log(f"the main menu shows {seconds:.1f} s after the page was opened (page started)")
        time.sleep(1)
        shot = page.picture("page-menu.png")
        desktop = os.path.join(RUN, "desktop-menu.png")
        subprocess.run(["bash", os.path.join(HERE, "desktop_menu_shot.sh"), DESKTOP, str(SEED), desktop],
                       check=True, capture_output=True, timeout=180)
        off = differing(shot, desktop, (0, 0, SIDE, SIDE))
        log(f"{off} of {SIDE * SIDE} pixels differ from the desktop's by more than 10%")
        if off > SIDE * SIDE * 0.02:
            raise Failure(f"the page's picture is not the desktop's: {off} pixels differ (see {RUN})")
        if page.errors():
            raise Failure("console errors: " + "; ".join(page.errors()))
    finally:
        page.close()


def poop_bar(page):
    """How many pixels of the HUD's poop bar (olive, over the sky's blue) are
    filled."""
    shot = rgb(page.picture("hud.png"), (8, 124, 300, 16))
    return sum(1 for i in range(0, len(shot), 3)
               if min(shot[i], shot[i + 1]) > 50 and shot[i + 2] < min(shot[i], shot[i + 1]))


def case_play(base):
    """START by a click, steering by the pointer, Space drops, the page's
    key for Esc brings the menu back; a screenshot downloads as a PNG; then
    a flight to its end joins the table, its replay plays to its end, and
    QUIT ends the game, which a reload starts again with the flight kept."""
    page = Page(base, os.path.join(RUN, "profile-play"))
    try:
        page.open(f"?seed={SEED}")
        page.wait(lambda: menu_shown(page), "the main menu does not show")
        page.pointer(ITEM_X, START_Y)
        page.pointer(ITEM_X, START_Y, click=True)
        page.wait(lambda: not menu_shown(page), "START did not start the game")
        # The pointer above the centre holds the nose up.
        page.pointer(SIDE // 2, SIDE // 4)
        time.sleep(1)
        before = page.picture("steer-1.png")
        page.pointer(SIDE - 20, SIDE // 4)
        time.sleep(1.5)
        after = page.picture("steer-2.png")
        if differing(before, after, (0, 150, SIDE, 450)) < 5000:
            raise Failure("steering by the pointer does not change the view")
        full = poop_bar(page)
        page.pointer(SIDE // 2, SIDE // 4)
        page.keys(" ")
        page.wait(lambda: poop_bar(page) < full, "Space did not drop")
        page.keys("k")
        page.wait(lambda: any(n.endswith(".png") for n in os.listdir(page.downloads)),
                  "the screenshot key gave no download")
        png = [n for n in os.listdir(page.downloads) if n.endswith(".png")][0]
        with open(os.path.join(page.downloads, png), "rb") as f:
            if f.read(8) != b"\x89PNG\r\n\x1a\n":
                raise Failure(f"the download {png} is not a PNG file")
        page.keys(Keys.BACKSPACE)
        page.wait(lambda: menu_shown(page), "the page's key for Esc did not bring the menu back")
        log("START, steering, a drop, a screenshot download and the menu again: as on the desktop")

        # A flight to its end: START, and the bird left to dive into the city.
        page.pointer(ITEM_X, START_Y, click=True)
        page.wait(lambda: not menu_shown(page), "START did not start the game again")
        page.pointer(SIDE // 2, SIDE - 5)
        page.wait(lambda: "\t" in page.js("return Module.ccall('gullmar_best_flights', 'string', [], [])"),
                  "no flight joined the table", seconds=120)
        table = page.js("return Module.ccall('gullmar_best_flights', 'string', [], [])")
        line = table.split("\n")[0].split("\t")[1]
        log(f"the flight joined the table: {line}")
        page.wait(lambda: line in page.js("return document.getElementById('flights').textContent"),
                  "the page's table does not show the flight")
        page.wait(lambda: menu_shown(page), "the menu did not come back after the flight")
        page.pointer(ITEM_X, QUIT_Y)
        page.pointer(ITEM_X, QUIT_Y, click=True)
        page.wait(lambda: page.state() == "ended", "QUIT did not end the game")
        if not page.js("const e = document.getElementById('ended'); return !!e && !e.hidden"):
            raise Failure("the page does not say that the game has ended")
        page.open("")
        page.wait(lambda: line in page.js("return document.getElementById('flights').textContent"),
                  "after a reload the flight is not in the table")
        if page.errors():
            raise Failure("console errors: " + "; ".join(page.errors()))
        log("QUIT ended the game and a reload plays again with the flight kept")

        page.open("?replay-best=1")
        page.wait(lambda: page.state() == "ended", "the replay did not play to its end", seconds=150)
        if line not in page.console_text():
            raise Failure("the replay did not print its flight's line")
        log("?replay-best=1 played the flight to its end and printed its line")

        # A recording of the desktop's, as the page's file chooser keeps it:
        # refused in one line that the page shows.
        page.driver.execute_async_script(
            "FS.writeFile('/play/replays/desktop.gullrec', new Uint8Array(arguments[0]));"
            "FS.syncfs(false, arguments[1])", list(desktop_recording()))
        try:
            page.open("?replay=replays/desktop.gullrec")
            page.wait(lambda: page.state() == "failed", "a desktop recording was not refused")
        except Failure:
            pass
        said = page.js("return document.getElementById('message').textContent")
        if "another build" not in said:
            raise Failure("the refusal of a desktop recording does not say why: " + said)
        log("a desktop recording is refused: " + said)
    finally:
        page.close()


def case_settings_kept(base):
    """CONFIG, a box ticked, Save, then a reload: the box is still ticked."""
    page = Page(base, os.path.join(RUN, "profile-settings"))
    try:
        page.open("")
        page.wait(lambda: menu_shown(page), "the main menu does not show")
        before = page.file("/play/config/gullmar.config").decode()
        if "POOP_SHOW_CLOUDS\n1" not in before:
            raise Failure("the shipped settings do not show clouds: " + before)
        page.pointer(ITEM_X, CONFIG_Y)
        page.pointer(ITEM_X, CONFIG_Y, click=True)
        page.wait(lambda: not menu_shown(page), "CONFIG did not open the configuration menu")
        # The configuration menu's items stand where the main menu's do:
        # the speed slider, trees, textures, clouds (QUIT's place); Save
        # comes below them.
        for y in (QUIT_Y, QUIT_Y + 38):
            page.pointer(ITEM_X, y)
            time.sleep(0.3)
            page.pointer(ITEM_X, y, click=True)
            time.sleep(0.6)
        page.wait(lambda: b"POOP_SHOW_CLOUDS\n0" in (page.file("/play/config/gullmar.config") or b""),
                  "Save did not write the box unticked")
        time.sleep(1)
        log("reloading")
        page.open("")
        page.wait(lambda: menu_shown(page), "the main menu does not show after the reload")
        kept = page.file("/play/config/gullmar.config") or b""
        if b"POOP_SHOW_CLOUDS\n0" not in kept:
            raise Failure("after a reload the setting is lost: " + kept.decode())
        log("CONFIG, a box, Save and a reload: the setting is kept")
    finally:
        page.close()


def case_timedemo(base):
    """?timedemo=300 prints the timedemo's line to the console."""
    page = Page(base, os.path.join(RUN, "profile-timedemo"))
    try:
        page.open("?timedemo=300")
        page.wait(lambda: page.state() == "ended", "the timedemo did not end", seconds=120)
        found = re.search(r"300 frames[^\"]*", page.console_text())
        if not found:
            raise Failure("no timedemo line on the console:\n" + page.console_text())
        log("timedemo: " + found.group(0))
    finally:
        page.close()


def main():
    for tool in ("/usr/bin/chromedriver", "/usr/bin/chromium"):
        if not os.path.exists(tool):
            sys.exit(f"[browser_test] {tool} is missing (scripts/deps.sh test installs it)")
    base = serve()
    failed = []
    cases = (case_menu_matches_desktop, case_play, case_settings_kept, case_timedemo)
    # BROWSER_CASES=play,timedemo runs only those (while working on one).
    wanted = os.environ.get("BROWSER_CASES")
    if wanted:
        cases = [c for c in cases if any(w in c.__name__ for w in wanted.split(","))]
    for case in cases:
        started = time.monotonic()
        try:
            case(base)
            log(f"PASS {case.__name__} ({time.monotonic() - started:.0f} s)")
        except Exception as error:  # a failing case must not hide the others
            log(f"FAIL {case.__name__}: {error}")
            failed.append(case.__name__)
    if failed:
        log(f"failed: {', '.join(failed)}; pictures and profiles in {RUN}")
        sys.exit(1)
    shutil.rmtree(RUN, ignore_errors=True)
    log("PASS")


if __name__ == "__main__":
    main()
