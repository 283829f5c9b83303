// The page around the game: checks that the browser can run it, turns the
// address's options into the game's command line, loads gullmar.js (which
// brings gullmar.wasm and gullmar.data) behind a progress bar, keeps the
// player's files in the browser, shows the best flights, and says when the
// game has ended or could not start. document.body.dataset.state tells where
// it stands: loading, running, ended or failed.
'use strict';

const $ = (id) => document.getElementById(id);
const canvas = $('canvas');
const pageOpened = Date.now();

// Where the player's files live (kept in IndexedDB) and where the build put
// the shipped settings, levels and intro text.
const HOME = '/play';
const SHIPPED = '/usr/share/gullmar/config';

let runtimeUp = false; // the game's runtime has started
let gameOver = false; // the game has ended, stopped or failed
let lastError = ''; // the game's last line on stderr

function setState(state) {
  document.body.dataset.state = state;
}

function describe(error) {
  if (error === undefined || error === null || error === '') {
    return 'no reason given';
  }
  if (typeof error === 'string') {
    return error;
  }
  if (error.message) {
    return error.message;
  }
  if (error.errno !== undefined) {
    return `file system error ${error.errno}`;
  }
  return String(error);
}

// A failure in the middle box. A game that had started may be played again.
function fail(text, offerAgain) {
  gameOver = true;
  $('progress').hidden = true;
  $('ended').hidden = true;
  $('message-text').textContent = text;
  $('message-again').hidden = !offerAgain;
  $('message').hidden = false;
  setState('failed');
}

// A small line above the controls for what the player should know but
// that does not stop the game. A click dismisses it.
let noticeKind = '';
function showNotice(text, kind) {
  $('notice').textContent = text;
  $('notice').hidden = false;
  noticeKind = kind || '';
}
function clearNotice(kind) {
  if (noticeKind === kind) {
    $('notice').hidden = true;
    noticeKind = '';
  }
}

// ---- Options from the address ------------------------------------------

// The game's options the page passes on, and how each is given: a flag
// (?no-sound), a value (?seed=5), either (?timedemo or ?timedemo=300), or
// not at all in a page. `valid` and `rule` say which values the game takes;
// another value is still passed on, as the game ignores it itself.
const whole = (low, high) => (v) => /^\d+$/.test(v) && Number(v) >= low && Number(v) <= high;
const OPTIONS = {
  'fast-computer': { kind: 'either', valid: (v) => /^\d$/.test(v), rule: 'a digit 0..9' },
  'no-textures': { kind: 'flag' },
  'flat-shading': { kind: 'flag' },
  'no-clouds': { kind: 'flag' },
  'no-trees': { kind: 'flag' },
  'no-lighting': { kind: 'flag' },
  'seed': { kind: 'value', valid: whole(0, 2147483647), rule: 'a whole number 0..2147483647' },
  'timedemo': { kind: 'either', valid: whole(1, Infinity), rule: 'a whole number >= 1' },
  'timedemo-level': { kind: 'value', valid: whole(1, 39), rule: 'a whole number 1..39' },
  'no-sound': { kind: 'flag' },
  'volume': { kind: 'value', valid: whole(0, 100), rule: 'a whole number 0..100' },
  'no-gamepad': { kind: 'flag' },
  'no-rumble': { kind: 'flag' },
  'invert-pitch': { kind: 'flag' },
  'no-record': { kind: 'flag' },
  'classic-renderer': { kind: 'flag' },
  'replay-best': { kind: 'either', valid: whole(1, Infinity), rule: 'a whole number >= 1' },
  'replay': { kind: 'value', valid: (v) => v !== '', rule: 'the path of a recording' },
  // The page is always a window, shows the table itself, and has no
  // command line to check a recording from nor a choice of drawing.
  'window-mode': { kind: 'not-in-page' },
  'scores': { kind: 'not-in-page' },
  'verify': { kind: 'not-in-page' },
  'gles': { kind: 'not-in-page' },
};

// The game's command line from the address's query: "?seed=5&no-sound"
// gives --window-mode --seed=5 --no-sound. Each remark is said once.
function gameArguments(search) {
  const said = new Set();
  const say = (text) => {
    if (!said.has(text)) {
      said.add(text);
      console.warn(text);
    }
  };
  // The game must never try full screen by itself: the page's button does.
  const args = ['--window-mode'];
  for (const [name, value] of new URLSearchParams(search)) {
    const option = OPTIONS[name];
    if (name === '') {
      continue;
    } else if (!option) {
      say(`Gullmar: unknown option ?${name}, ignored`);
    } else if (option.kind === 'not-in-page') {
      say(`Gullmar: ?${name} has no meaning in the page`);
    } else if (option.kind === 'flag' || (option.kind === 'either' && value === '')) {
      if (value !== '') {
        say(`Gullmar: ?${name} takes no value; ${value} is ignored`);
      }
      args.push(`--${name}`);
    } else {
      if (!option.valid(value)) {
        say(`Gullmar: ?${name}=${value} is not ${option.rule}; the game ignores it`);
      }
      args.push(`--${name}=${value}`);
    }
  }
  return args;
}

// This page's address with the options that start a replay or a timedemo
// left out, and `extra` added: where "Play again" and the replay links go.
const ONE_OFF_OPTIONS = ['replay', 'replay-best', 'timedemo', 'timedemo-level'];
function playAddress(extra) {
  const part = (name, value) => (value === '' ? encodeURIComponent(name)
    : `${encodeURIComponent(name)}=${encodeURIComponent(value).replace(/%2F/gi, '/')}`);
  const parts = [];
  for (const [name, value] of new URLSearchParams(location.search)) {
    if (name !== '' && !ONE_OFF_OPTIONS.includes(name)) {
      parts.push(part(name, value));
    }
  }
  for (const [name, value] of Object.entries(extra || {})) {
    parts.push(part(name, String(value)));
  }
  return location.pathname + (parts.length ? '?' + parts.join('&') : '');
}

// ---- The player's files ------------------------------------------------

function exists(path) {
  try {
    FS.stat(path);
    return true;
  } catch (e) {
    return false;
  }
}

function makeFolder(path) {
  if (!exists(path)) {
    FS.mkdir(path);
  }
}

let keptFilesRead = false;
let homeReady = false;
let dependenciesLeft = 0;
// After a failed read nothing is written back: a write makes the browser's
// copy match what is here, which would delete what it had kept.
let keepingAllowed = true;

// Before main: the player's folder is read back from IndexedDB, and the
// game waits (the 'kept' dependency) until the folder is set up.
function readKeptFiles() {
  FS.mkdir(HOME);
  FS.mount(IDBFS, {}, HOME);
  Module.addRunDependency('kept');
  FS.syncfs(true, (error) => {
    if (error) {
      keepingAllowed = false;
      showNotice('Your saved settings and flights could not be read, so the game starts with the ' +
                 'defaults; nothing is saved this time, and what the browser kept stays as it was.');
      console.warn(`Gullmar: reading the kept files failed: ${describe(error)}`);
    }
    keptFilesRead = true;
    setUpHome();
  });
}

// The shipped files come with gullmar.data, which may arrive after the kept
// files are read: the folder is set up once 'kept' is all the game waits for.
function setUpHome() {
  if (!keptFilesRead || homeReady || dependenciesLeft > 1) {
    return;
  }
  homeReady = true;
  try {
    makeFolder(`${HOME}/config`);
    makeFolder(`${HOME}/flights`);
    // The levels and intro text always come from this build, so an update's
    // levels are never hidden by an old copy; saved settings are never
    // replaced.
    for (const name of ['levels.config', 'introText.txt']) {
      FS.writeFile(`${HOME}/config/${name}`, FS.readFile(`${SHIPPED}/${name}`));
    }
    if (!exists(`${HOME}/config/gullmar.config`)) {
      FS.writeFile(`${HOME}/config/gullmar.config`, FS.readFile(`${SHIPPED}/gullmar.config`));
    }
    FS.chdir(HOME);
  } catch (e) {
    fail(`The game could not be loaded: its files could not be set up (${describe(e)}).`);
    return;
  }
  Module.removeRunDependency('kept');
}

// Writes the player's folder to IndexedDB. One write at a time: a request
// during a write runs one more write after it, and `done` is called once a
// write that started after the request has finished.
let keepRunning = false;
let keepAgain = false;
const keepWaiting = [];
let lastKeepError = '';
function keep(done) {
  if (typeof done === 'function') {
    keepWaiting.push(done);
  }
  if (!keepingAllowed) {
    keepWaiting.splice(0).forEach((callback) => callback(null));
    return;
  }
  if (keepRunning) {
    keepAgain = true;
    return;
  }
  keepRunning = true;
  FS.syncfs(false, (error) => {
    keepRunning = false;
    if (error) {
      const reason = describe(error);
      showNotice(`Saving to the browser failed: ${reason}; your earlier settings and flights are ` +
                 'still kept.', 'save');
      if (reason !== lastKeepError) {
        console.warn(`Gullmar: saving to the browser failed: ${reason}`);
      }
      lastKeepError = reason;
    } else {
      lastKeepError = '';
      clearNotice('save');
    }
    if (keepAgain) {
      keepAgain = false;
      keep();
      return;
    }
    keepWaiting.splice(0).forEach((callback) => callback(error));
  });
}

function keepWhileRunning() {
  if (runtimeUp && !gameOver) {
    keep();
  }
}

// Keeps the files, then leaves for another address of the page.
function keepAndGo(address) {
  if (runtimeUp) {
    keep(() => location.assign(address));
  } else {
    location.assign(address);
  }
}

// Hands a file of the game's file system to the player as a download.
function download(path, mime) {
  const name = path.split('/').pop();
  let data;
  try {
    data = FS.readFile(path.startsWith('/') ? path : `${HOME}/${path}`);
  } catch (e) {
    showNotice(`${name} could not be read for the download: ${describe(e)}`);
    return;
  }
  const url = URL.createObjectURL(new Blob([data], { type: mime || 'application/octet-stream' }));
  const link = document.createElement('a');
  link.href = url;
  link.download = name;
  link.hidden = true;
  document.body.appendChild(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(url), 30000);
}

// ---- The best flights --------------------------------------------------

function pageLink(text, href, onClick) {
  const link = document.createElement('a');
  link.textContent = text;
  link.href = href;
  link.addEventListener('click', (event) => {
    event.preventDefault();
    onClick();
  });
  return link;
}

// The table as the game gives it: one flight a line, "place<TAB>its
// line<TAB>its recording", or nothing when no flight has made it yet.
function showFlightTable(text) {
  const list = $('flights');
  list.textContent = '';
  const rows = text.split('\n').filter((row) => row.trim() !== '');
  if (rows.length === 0) {
    list.textContent = 'No flights yet: a finished flight joins the table.';
    return;
  }
  for (const row of rows) {
    const [place, line, recording] = row.split('\t');
    const entry = document.createElement('div');
    entry.append(line === undefined ? row : line);
    if (recording) {
      const replay = playAddress({ 'replay-best': place });
      entry.append(pageLink('replay', replay, () => keepAndGo(replay)),
                   pageLink('download', '#', () => download(recording, 'application/octet-stream')));
    }
    list.append(entry);
  }
}

// The table is read from the running game; once the game has ended the
// panel keeps what it showed last.
function showFlights() {
  if (!runtimeUp || gameOver) {
    return;
  }
  try {
    showFlightTable(Module.ccall('gullmar_best_flights', 'string', [], []));
  } catch (e) {
    console.warn(`Gullmar: the best flights could not be read: ${describe(e)}`);
  }
}

// ---- Loading -----------------------------------------------------------

const loading = { status: '', loaded: 0, total: 0, mostDependencies: 0 };

function showProgress() {
  const bar = $('progress-bar');
  let text = loading.status || 'Loading Gullmar…';
  if (loading.total > 0 && loading.loaded < loading.total) {
    bar.max = loading.total;
    bar.value = loading.loaded;
    const kb = (bytes) => Math.ceil(bytes / 1024);
    text += ` ${kb(loading.loaded)} of ${kb(loading.total)} KB`;
  } else if (loading.mostDependencies > 1) {
    bar.max = loading.mostDependencies;
    bar.value = loading.mostDependencies - dependenciesLeft;
  }
  $('progress-text').textContent = text;
}

// Emscripten's status lines, e.g. "Downloading data... (1234/5678)".
function setStatus(text) {
  if (!text) {
    return;
  }
  const counts = /\((\d+)\/(\d+)\)/.exec(text);
  if (counts) {
    loading.loaded = Number(counts[1]);
    loading.total = Number(counts[2]);
  }
  loading.status = text.replace(/\s*\(\d+\/\d+\)/, '');
  showProgress();
}

function monitorRunDependencies(left) {
  dependenciesLeft = left;
  loading.mostDependencies = Math.max(loading.mostDependencies, left);
  showProgress();
  setUpHome();
}

// Prints the timing report the game wrote this time (not one kept from an
// earlier visit).
function printTimingReport() {
  const path = `${HOME}/gullmar_ts.txt`;
  try {
    if (FS.stat(path).mtime.getTime() >= pageOpened) {
      console.log('Gullmar timing report:\n' + FS.readFile(path, { encoding: 'utf8' }));
    }
  } catch (e) {
    // No report this time.
  }
}

function makeModule() {
  return {
    canvas,
    arguments: gameArguments(location.search),
    // The game's stderr carries notices, not page errors.
    print: (line) => console.log(line),
    printErr: (line) => {
      lastError = line;
      console.warn(line);
    },
    preRun: [readKeptFiles],
    setStatus,
    monitorRunDependencies,
    onRuntimeInitialized: () => {
      runtimeUp = true;
      $('progress').hidden = true;
      setState('running');
      showFlights();
      canvas.focus();
      setInterval(keepWhileRunning, 5000);
    },
    onAbort: (what) => {
      if (runtimeUp) {
        fail(lastError || `The game stopped: ${describe(what)}`, true);
      } else {
        fail(`The game could not be loaded: ${describe(what)}`);
      }
    },
    // The player's QUIT, the end of a replay or a timedemo, or a failure.
    onExit: (status) => {
      gameOver = true;
      keep(() => {
        printTimingReport();
        if (status !== 0) {
          fail(lastError || `The game ended with status ${status}.`, true);
          return;
        }
        $('ended').hidden = false;
        setState('ended');
      });
    },
    // Called by the game: its files changed (after Save, when a flight
    // ends), the table changed, a file to hand to the player.
    gullmarKeep: (done) => keep(done),
    gullmarFlightsChanged: showFlights,
    gullmarDownload: download,
  };
}

function hasWebGl() {
  try {
    const gl = document.createElement('canvas').getContext('webgl');
    if (!gl) {
      return false;
    }
    const loser = gl.getExtension('WEBGL_lose_context');
    if (loser) {
      loser.loseContext(); // frees it at once for the game's own
    }
    return true;
  } catch (e) {
    return false;
  }
}

function start() {
  setState('loading');
  canvas.width = window.innerWidth;
  canvas.height = window.innerHeight;
  canvas.focus();
  if (!hasWebGl()) {
    fail('Gullmar needs WebGL, which this browser lacks or has switched off.\n\n' +
         'Turn on hardware acceleration in the browser\'s settings (Chrome: Settings › System › ' +
         '"Use graphics acceleration when available"; Firefox: Settings › General › Performance), ' +
         'update the graphics driver, or open the page in another current browser.');
    return;
  }
  if (typeof WebAssembly !== 'object') {
    fail('The game could not be loaded: this browser runs no WebAssembly. ' +
         'Update it, or open the page in another current browser.');
    return;
  }
  // A script error while loading (gullmar.data missing, say) would
  // otherwise leave the progress bar standing for ever.
  window.addEventListener('error', (event) => {
    if (document.body.dataset.state === 'loading') {
      fail(`The game could not be loaded: ${event.message || 'an error in its script'}`);
    }
  });
  window.addEventListener('unhandledrejection', (event) => {
    if (document.body.dataset.state === 'loading') {
      fail(`The game could not be loaded: ${describe(event.reason)}`);
    }
  });
  window.Module = makeModule();
  const script = document.createElement('script');
  script.src = 'gullmar.js';
  script.onerror = () => fail('The game could not be loaded: gullmar.js could not be fetched.');
  document.body.appendChild(script);
}

// ---- The controls ------------------------------------------------------

// Keys go to the game: the canvas takes the focus back after every click.
document.addEventListener('click', () => canvas.focus({ preventScroll: true }));
canvas.addEventListener('contextmenu', (event) => event.preventDefault());

$('fullscreen').addEventListener('click', () => {
  if (document.fullscreenElement) {
    document.exitFullscreen().catch(() => {});
  } else {
    document.documentElement.requestFullscreen()
      .catch((e) => showNotice(`Full screen was refused: ${describe(e)}`));
  }
});
document.addEventListener('fullscreenchange', () => {
  $('fullscreen').textContent = document.fullscreenElement ? 'Leave full screen' : 'Full screen';
});

$('show-flights').addEventListener('click', () => {
  const panel = $('flights-panel');
  panel.hidden = !panel.hidden;
  $('show-flights').setAttribute('aria-expanded', String(!panel.hidden));
});

function showBar(shown) {
  $('bar').hidden = !shown;
  $('show-bar').hidden = shown;
  if (!shown) {
    $('flights-panel').hidden = true;
    $('show-flights').setAttribute('aria-expanded', 'false');
  }
}
$('hide').addEventListener('click', () => showBar(false));
$('show-bar').addEventListener('click', () => showBar(true));

$('notice').addEventListener('click', () => {
  $('notice').hidden = true;
  noticeKind = '';
});

for (const id of ['again', 'message-again']) {
  $(id).addEventListener('click', () => location.assign(playAddress()));
}

// A recording from the player's disk: copied into the player's folder,
// kept, and played by the page opened again with ?replay=.
$('replay-file').addEventListener('click', () => $('recording').click());
$('recording').addEventListener('change', async () => {
  const input = $('recording');
  const file = input.files[0];
  input.value = '';
  canvas.focus();
  if (!file) {
    return;
  }
  if (!runtimeUp) {
    showNotice('The game is still loading: choose the recording again once it runs.');
    return;
  }
  const name = file.name.replace(/[^\w.-]/g, '_').replace(/^\.+/, '') || 'recording';
  try {
    const data = new Uint8Array(await file.arrayBuffer());
    makeFolder(`${HOME}/replays`);
    FS.writeFile(`${HOME}/replays/${name}`, data);
  } catch (e) {
    showNotice(`The recording ${file.name} could not be read: ${describe(e)}`);
    return;
  }
  keepAndGo(playAddress({ replay: `replays/${name}` }));
});

// What changed since the last write reaches IndexedDB when the page is
// hidden or left, besides every few seconds while the game runs.
document.addEventListener('visibilitychange', () => {
  if (document.visibilityState === 'hidden') {
    keepWhileRunning();
  }
});
window.addEventListener('pagehide', keepWhileRunning);

showFlightTable('');
start();
