// The page around the game: reads its options from the address, loads the
// game (gullmar.js, gullmar.wasm, gullmar.data) with a progress bar, keeps
// the player's files in the browser's storage, shows the best flights and
// says when the game has ended or could not start.
'use strict';

const $ = (id) => document.getElementById(id);
const canvas = $('canvas');

function setState(state) {
  document.body.dataset.state = state;
}

function showMessage(text) {
  $('progress-box').hidden = true;
  $('message').textContent = text;
  $('message').hidden = false;
  setState('failed');
}

function notice(text) {
  $('notice').textContent = text;
  relayOut();
}

// The game's options the page passes on, by name: a flag, a value, or
// either. `check` says whether a value is one the game takes.
const whole = (low, high) => (v) => /^\d+$/.test(v) && Number(v) >= low && Number(v) <= high;
const OPTIONS = {
  'fast-computer': { kind: 'either', check: (v) => /^\d$/.test(v), rule: 'a digit 0 to 9' },
  'no-textures': { kind: 'flag' },
  'flat-shading': { kind: 'flag' },
  'no-clouds': { kind: 'flag' },
  'no-trees': { kind: 'flag' },
  'no-lighting': { kind: 'flag' },
  'seed': { kind: 'value', check: whole(0, 2147483647), rule: 'a whole number 0 to 2147483647' },
  'timedemo': { kind: 'either', check: whole(1, 1e9), rule: 'a whole number from 1' },
  'timedemo-level': { kind: 'value', check: whole(1, 39), rule: 'a whole number 1 to 39' },
  'no-sound': { kind: 'flag' },
  'volume': { kind: 'value', check: whole(0, 100), rule: 'a whole number 0 to 100' },
  'no-gamepad': { kind: 'flag' },
  'no-rumble': { kind: 'flag' },
  'invert-pitch': { kind: 'flag' },
  'no-record': { kind: 'flag' },
  'classic-renderer': { kind: 'flag' },
  'replay-best': { kind: 'either', check: whole(1, 1e9), rule: 'a whole number from 1' },
  'replay': { kind: 'value', check: (v) => v.length > 0, rule: 'a recording of the page' },
};
// Options of the command line that mean nothing in a page.
const MEANINGLESS = ['window-mode', 'scores', 'verify', 'gles'];

function gameArguments(search) {
  // The page is a window of its own: the game never goes full screen by
  // itself (the page's button does).
  const args = ['--window-mode'];
  for (const [name, value] of new URLSearchParams(search)) {
    const option = OPTIONS[name];
    if (MEANINGLESS.includes(name)) {
      console.warn(`Gullmar: ?${name} has no meaning in the page`);
    } else if (!option) {
      console.warn(`Gullmar: unknown option ?${name}, ignored`);
    } else if (option.kind === 'flag') {
      if (value !== '') {
        console.warn(`Gullmar: ?${name} takes no value; ${value} is ignored`);
      }
      args.push(`--${name}`);
    } else if (value === '' && option.kind === 'either') {
      args.push(`--${name}`);
    } else {
      // Passed on as given: the game ignores a wrong value as on the
      // command line; the page says so once.
      if (!option.check(value)) {
        console.warn(`Gullmar: ?${name}=${value} is not ${option.rule}; the game ignores it`);
      }
      args.push(`--${name}=${value}`);
    }
  }
  return args;
}

// The address without the options that start a replay or a timedemo.
function playAddress(extra) {
  const params = new URLSearchParams(location.search);
  for (const name of ['replay', 'replay-best', 'timedemo', 'timedemo-level']) {
    params.delete(name);
  }
  for (const [name, value] of Object.entries(extra || {})) {
    params.set(name, value);
  }
  const query = params.toString().replace(/=(&|$)/g, '$1');
  return location.pathname + (query ? '?' + query : '');
}

// The player's files: the settings, the flights and the recordings chosen
// for a replay live in the browser's IndexedDB (Emscripten's IDBFS), in
// folders of their own, so that the shipped levels and intro text are never
// hidden by an old copy. The game reads and writes relative to /play.
const SHIPPED = '/usr/share/gullmar/config';
const KEPT = ['/play/config', '/play/flights', '/play/replays'];

function exists(path) {
  try {
    FS.stat(path);
    return true;
  } catch (e) {
    return false;
  }
}

// The player's folder is made once both the kept files are read and the
// shipped ones unpacked (gullmar.data), whichever comes last.
let keptRead = false;
let readFailed = false;
let prepared = false;
function prepareFolder() {
  if (prepared || !keptRead || !exists(`${SHIPPED}/levels.config`)) {
    return;
  }
  prepared = true;
  if (readFailed) {
    notice('Your saved settings and flights could not be read: the game starts with the defaults, ' +
           'and nothing is saved in this visit, so that what was kept stays.');
  }
  for (const name of ['levels.config', 'introText.txt']) {
    FS.writeFile(`/play/config/${name}`, FS.readFile(`${SHIPPED}/${name}`));
  }
  if (!exists('/play/config/gullmar.config')) {
    FS.writeFile('/play/config/gullmar.config', FS.readFile(`${SHIPPED}/gullmar.config`));
  }
  FS.chdir('/play');
  Module.removeRunDependency('kept');
}

// Copies the kept folders to IndexedDB; one sync at a time, and one more
// after it when asked meanwhile.
let syncing = false;
let syncAgain = false;
const afterSync = [];
function keep(done) {
  if (done) {
    afterSync.push(done);
  }
  if (readFailed) {
    // What IndexedDB holds was never read: writing would replace it.
    afterSync.splice(0).forEach((callback) => callback(null));
    return;
  }
  if (syncing) {
    syncAgain = true;
    return;
  }
  syncing = true;
  FS.syncfs(false, (error) => {
    syncing = false;
    if (error) {
      notice(`Saving to the browser failed: ${error}; your earlier settings and flights are still kept.`);
      console.warn('Gullmar: saving to the browser failed:', error);
    }
    if (syncAgain) {
      syncAgain = false;
      keep();
      return;
    }
    afterSync.splice(0).forEach((callback) => callback(error));
  });
}

function download(path, mime) {
  const data = FS.readFile(path);
  const url = URL.createObjectURL(new Blob([data], { type: mime }));
  const link = document.createElement('a');
  link.href = url;
  link.download = path.split('/').pop();
  document.body.appendChild(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(url), 10000);
}

function showFlights() {
  const list = $('flights');
  const text = Module.ccall('gullmar_best_flights', 'string', [], []);
  list.textContent = '';
  const lines = text.split('\n').filter((line) => line !== '');
  if (lines.length === 0) {
    list.textContent = 'No flights yet.';
    return;
  }
  for (const line of lines) {
    const [place, flight, recording] = line.split('\t');
    const row = document.createElement('div');
    row.append(flight);
    if (recording) {
      const replay = document.createElement('a');
      replay.href = playAddress({ 'replay-best': place });
      replay.textContent = 'replay';
      const save = document.createElement('a');
      save.href = '#';
      save.textContent = 'download';
      save.onclick = (event) => {
        event.preventDefault();
        download(recording, 'application/octet-stream');
      };
      row.append(replay, save);
    }
    list.append(row);
  }
}

let lastError = '';

window.Module = {
  canvas,
  arguments: gameArguments(location.search),
  print: (line) => console.log(line),
  printErr: (line) => {
    lastError = line;
    console.warn(line);
  },
  preRun: [
    () => {
      FS.mkdir('/play');
      for (const folder of KEPT) {
        FS.mkdir(folder);
        FS.mount(IDBFS, {}, folder);
      }
      Module.addRunDependency('kept');
      FS.syncfs(true, (error) => {
        if (error) {
          readFailed = true;
          console.warn('Gullmar: reading the kept files failed:', error);
        }
        keptRead = true;
        prepareFolder();
      });
    },
  ],
  setStatus: (text) => {
    const counts = /\((\d+(?:\.\d+)?)\/(\d+(?:\.\d+)?)\)/.exec(text || '');
    if (counts) {
      $('progress').max = Number(counts[2]);
      $('progress').value = Number(counts[1]);
    }
    if (text) {
      $('progress-text').textContent = text.replace(/\s*\(.*\)$/, '') || 'Loading Gullmar…';
    }
  },
  monitorRunDependencies: (left) => {
    if (left > 0) {
      $('progress-text').textContent = 'Preparing…';
    }
    if (typeof FS !== 'undefined') {
      prepareFolder();
    }
  },
  onRuntimeInitialized: () => {
    $('progress-box').hidden = true;
    setState('running');
    showFlights();
    canvas.focus();
  },
  onAbort: (what) => {
    const reason = what || lastError || 'no reason given';
    showMessage(document.body.dataset.state === 'running' ? `The game stopped: ${reason}`
                                                           : `The game could not be loaded: ${reason}`);
  },
  onExit: (status) => {
    keep(() => {
      if (exists('/play/gullmar_ts.txt')) {
        console.log('Gullmar timing report:\n' + FS.readFile('/play/gullmar_ts.txt', { encoding: 'utf8' }));
      }
      if (status !== 0) {
        showMessage(lastError || `The game ended with status ${status}.`);
        return;
      }
      $('ended').hidden = false;
      setState('ended');
    });
  },
  // Called by the game: its files changed (after Save, when a flight joins
  // the table), a file to hand to the player.
  gullmarKeep: () => keep(),
  gullmarFlightsChanged: () => showFlights(),
  gullmarDownload: download,
};

// The canvas takes the window's height less the controls under it; the game
// follows its size on every resize.
function layOut() {
  const bar = $('bar').hidden ? 0 : $('bar').offsetHeight;
  canvas.style.height = `${Math.max(window.innerHeight - bar, 1)}px`;
}

function relayOut() {
  layOut();
  window.dispatchEvent(new Event('resize'));
}

function start() {
  layOut();
  window.addEventListener('resize', layOut);
  canvas.width = canvas.clientWidth;
  canvas.height = canvas.clientHeight;
  if (typeof WebAssembly !== 'object') {
    showMessage('The game could not be loaded: this browser runs no WebAssembly.');
    return;
  }
  if (!document.createElement('canvas').getContext('webgl')) {
    showMessage('Gullmar needs WebGL, which this browser has switched off or lacks. ' +
                'Turn on hardware acceleration in its settings, or try another browser.');
    return;
  }
  // While it loads, a failure of the loader's own (its data file missing)
  // reaches no handler of Emscripten's: it is said here.
  const loadFailed = (event) => {
    if (document.body.dataset.state === 'loading') {
      const reason = event.reason || event.error || event.message;
      showMessage(`The game could not be loaded: ${reason && reason.message ? reason.message : reason}`);
    }
  };
  window.addEventListener('error', loadFailed);
  window.addEventListener('unhandledrejection', loadFailed);
  const script = document.createElement('script');
  script.src = 'gullmar.js';
  script.onerror = () => showMessage('The game could not be loaded: gullmar.js is missing.');
  document.body.appendChild(script);

  // The kept files reach IndexedDB every few seconds while a game runs, and
  // when the page is hidden or left.
  setInterval(() => {
    if (document.body.dataset.state === 'running') {
      keep();
    }
  }, 5000);
  document.addEventListener('visibilitychange', () => {
    if (document.visibilityState === 'hidden' && document.body.dataset.state === 'running') {
      keep();
    }
  });
  window.addEventListener('pagehide', () => {
    if (document.body.dataset.state === 'running') {
      keep();
    }
  });
}

// The page's buttons give the keyboard back to the game.
function button(id, action) {
  $(id).addEventListener('click', () => {
    action();
    canvas.focus();
  });
}
button('fullscreen', () => document.documentElement.requestFullscreen().catch(() => {}));
button('show-flights', () => {
  $('flights-panel').hidden = !$('flights-panel').hidden;
});
button('hide', () => {
  $('bar').hidden = true;
  $('show-bar').hidden = false;
  relayOut();
});
button('show-bar', () => {
  $('bar').hidden = false;
  $('show-bar').hidden = true;
  relayOut();
});
button('again', () => {
  location.href = playAddress();
});
canvas.addEventListener('contextmenu', (event) => event.preventDefault());
canvas.addEventListener('mousedown', () => canvas.focus());
$('recording').addEventListener('change', async (event) => {
  const file = event.target.files[0];
  if (!file || document.body.dataset.state !== 'running') {
    return;
  }
  const name = file.name.replace(/[^\w.-]/g, '_');
  FS.writeFile(`/play/replays/${name}`, new Uint8Array(await file.arrayBuffer()));
  keep(() => {
    location.href = playAddress({ replay: `replays/${name}` });
  });
});

start();
