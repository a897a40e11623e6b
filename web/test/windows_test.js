// The Windows build under wine, beside the native one: recordings and a
// controller's games play the same on both; the zip plays from folders named
// in other scripts; a score that cannot be stored is told once and harms
// nothing; a mistyped switch is answered in a box; and the window and full
// screen work on a virtual screen.
// Usage: node windows_test.js NATIVE_FOLDER WINDOWS_FOLDER  (build/ and build-win/, as scripts/windows.sh builds them)
'use strict';
const test = require('node:test');
const assert = require('node:assert');
const { spawn, spawnSync, execFileSync } = require('child_process');
const { once } = require('events');
const { setTimeout: sleep } = require('timers/promises');
const fs = require('fs');
const os = require('os');
const path = require('path');

const [nativeFolder, windowsFolder] = process.argv.slice(2).map((p) => path.resolve(p));
const nativeProgram = path.join(nativeFolder, 'vantor'), windowsProgram = path.join(windowsFolder, 'vantor.exe');
// The players and check_desktop.py learn the game's facts from this build.
process.env.VANTOR_NATIVE_PROGRAM ||= nativeProgram;
const { clickerScript, padScript } = require('./players.js');
const { wineEnv, underWine, settle } = require('./wine.js');

const root = path.resolve(__dirname, '../..');
const HEADLESS = { VANTOR_BACKEND: 'headless', VANTOR_HOME: '' };
const RECORDING_WORD = 'ЖАВОРОНОК';
// Beside the build rather than in a /tmp that may be tmpfs, which has no immutable folders.
const work = fs.mkdtempSync(path.join(windowsFolder, 'test-'));

// A new folder in the work folder, with the game's data files unless told otherwise.
function folder(name, data = true) {
  const dir = path.join(work, name);
  fs.mkdirSync(dir, { recursive: true });
  for (const file of data ? ['DATA30.RES', 'kelvo.res'] : [])
    fs.copyFileSync(path.join(nativeFolder, file), path.join(dir, file));
  return dir;
}

// spawn's arguments for a program, `env` added to this one's (an undefined
// value takes a variable away); a .exe runs under wine.
function launch(program, args, { env = {}, ...options }) {
  const all = { ...process.env, ...env };
  for (const name of Object.keys(all)) if (all[name] === undefined) delete all[name];
  const how = { ...options, env: all };
  return program.endsWith('.exe') ? underWine(program, args, how, windowsFolder) : [program, args, how];
}

// Runs a program to its end: its status and its stderr, Wine's line ends made plain.
function run(program, args, options) {
  const { status, stderr } = spawnSync(...launch(program, args, { ...options, encoding: 'utf8' }));
  return { status, said: stderr.replace(/\r/g, '') };
}

function runWell(program, args, options, what) {
  const { status, said } = run(program, args, options);
  assert.strictEqual(status, 0, `${what}: ${path.basename(program)} ${args.join(' ')} ended with status ${status}: ${said}`);
}

const size = (file) => (fs.existsSync(file) ? fs.statSync(file).size : 0);
const lineCount = (file) => fs.readFileSync(file, 'utf8').split('\n').length - 1;
// Keys are not recorded: a playback is given the clicker's Enters alone.
const keysOf = (clicks) => clicks.split('\n').filter((line) => line.includes(' char ')).join('\n') + '\n';

function assertSameFile(nativeFile, windowsFile, what) {
  const [a, b] = [nativeFile, windowsFile].map((file) => fs.readFileSync(file));
  if (a.equals(b)) return;
  const at = a.findIndex((byte, i) => byte !== b[i]);
  const line = a.subarray(0, at < 0 ? a.length : at).filter((byte) => byte === 10).length + 1;
  assert.fail(`${what} differs from the native one at line ${line}`);
}

// The download, named by the project's version.
function zip() {
  const cache = fs.readFileSync(path.join(windowsFolder, 'CMakeCache.txt'), 'utf8');
  return path.join(windowsFolder, `vantor-${cache.match(/^CMAKE_PROJECT_VERSION:STATIC=(.*)$/m)[1]}-windows-x64.zip`);
}

// Records a game natively, plays it back natively and under wine, and wants
// the two play-frame traces equal, byte for byte.
for (const seed of [1, 2]) {
  test(`replay ${seed}: a recording plays back under wine as natively`, (t) => {
    const frames = 6000, dir = folder(`replay-${seed}`), clicks = clickerScript(frames, { seed });
    fs.writeFileSync(path.join(dir, 'clicks.txt'), clicks);
    fs.writeFileSync(path.join(dir, 'keys.txt'), keysOf(clicks));
    const env = { ...HEADLESS, VANTOR_FRAMES: String(frames) };
    runWell(nativeProgram, [RECORDING_WORD], { cwd: dir, env: { ...env, VANTOR_INPUT: 'clicks.txt' } }, 'the recording');
    assert.ok(size(path.join(dir, 'DATA32.RES')) > 0, `replay ${seed}: no recording was made`);
    for (const [program, trace] of [[nativeProgram, 'native.txt'], [windowsProgram, 'windows.txt']]) {
      fs.rmSync(path.join(dir, 'HIGH30'), { force: true });
      runWell(program, ['3'], { cwd: dir, env: { ...env, VANTOR_INPUT: 'keys.txt', VANTOR_TRACE: trace } }, 'the playback');
    }
    const lines = lineCount(path.join(dir, 'native.txt'));
    assert.ok(lines >= 1000, `replay ${seed}: only ${lines} play frames, the clicks missed the game`);
    assertSameFile(path.join(dir, 'native.txt'), path.join(dir, 'windows.txt'), `replay ${seed}: the Windows trace`);
    t.diagnostic(`replay ${seed}: ${lines} play frames, the same on both`);
  });
}

// The controller script plays the same games natively and under wine: the
// same play-frame trace and the same scores.
test('controller: a controller plays the same games under wine as natively', (t) => {
  const frames = 8000, of = {};
  for (const [name, program] of [['native', nativeProgram], ['windows', windowsProgram]]) {
    const dir = folder(`controller-${name}`);
    fs.writeFileSync(path.join(dir, 'pad.txt'), padScript(frames));
    const env = { ...HEADLESS, VANTOR_FRAMES: String(frames), VANTOR_INPUT: 'pad.txt', VANTOR_TRACE: 'trace.txt' };
    runWell(program, [], { cwd: dir, env }, `controller, ${name}`);
    of[name] = (file) => path.join(dir, file);
  }
  assertSameFile(of.native('trace.txt'), of.windows('trace.txt'), 'controller: the Windows trace');
  assertSameFile(of.native('HIGH30'), of.windows('HIGH30'), 'controller: the Windows scores');
  assertSameFile(of.native('GAME30'), of.windows('GAME30'), 'controller: the Windows kept game');
  t.diagnostic(`controller: ${lineCount(of.native('trace.txt'))} play frames, ${size(of.windows('HIGH30')) / 40} ` +
    'scores and the kept game, the same on both');
});

// The zip unpacked into folders named in other scripts, started from yet
// another such folder as a shortcut or launcher would: it records a game and
// stores the score in its own folder (input script, snapshots, sound and
// trace named there too), and the recording's replay, with the scores left
// to their default place, gives the native trace.
test('other scripts: the zip plays from folders named in Cyrillic and Chinese', async (t) => {
  const base = folder('folders', false), from = folder('folders/Запуск 启动', false);
  const roaming = path.join(wineEnv(windowsFolder).WINEPREFIX, 'drive_c/users', os.userInfo().username,
    'AppData/Roaming/Vantor');
  // Wine reads names, arguments and the environment in the locale's encoding.
  const env = { LC_ALL: 'C.UTF-8', VANTOR_BACKEND: 'headless', VANTOR_FRAMES: '6000' };
  for (const name of ['Игры и Ёлки', 'Games Ёж', 'Games 游戏']) {
    await t.test(name, (t) => {
      const dir = path.join(base, name), win = `Z:${dir}/`, game = path.join(dir, 'vantor.exe');
      execFileSync('unzip', ['-q', zip(), '-d', dir]);
      const clicks = clickerScript(6000, { seed: 1 });
      fs.writeFileSync(path.join(dir, 'щелчки.txt'), clicks);
      fs.writeFileSync(path.join(dir, 'клавиши.txt'), keysOf(clicks));
      for (const file of [path.join(from, 'DATA32.RES'), path.join(roaming, 'HIGH30')]) fs.rmSync(file, { force: true });

      runWell(game, [RECORDING_WORD], { cwd: from, env: { ...env, VANTOR_HOME: win, VANTOR_INPUT: `${win}щелчки.txt`,
        VANTOR_SNAPSHOTS: `${win}снимки`, VANTOR_SNAPSHOT_AT: '100,3000', VANTOR_WAV: `${win}звук.wav` } }, name);
      assert.ok(size(path.join(from, 'DATA32.RES')) > 0, `${name}: no recording in the folder started from`);
      const scores = size(path.join(dir, 'HIGH30'));
      assert.ok(scores > 0 && scores % 40 === 0, `${name}: no score stored in the game's folder`);
      assert.ok(fs.readdirSync(path.join(dir, 'снимки')).length === 2 && size(path.join(dir, 'звук.wav')) > 0,
        `${name}: snapshots or sound missing`);

      runWell(game, ['3'], { cwd: from, env: { ...env, VANTOR_HOME: undefined, VANTOR_INPUT: `${win}клавиши.txt`,
        VANTOR_TRACE: `${win}след.txt` } }, `${name}, the replay`);
      assert.ok(size(path.join(roaming, 'HIGH30')) > 0, `${name}: the replay stored no score in %APPDATA%\\Vantor`);
      runWell(nativeProgram, ['3'], { cwd: from, env: { ...env, VANTOR_HOME: `${base}/`,
        VANTOR_INPUT: path.join(dir, 'клавиши.txt'), VANTOR_TRACE: 'native.txt' } }, `${name}, the native replay`);
      assertSameFile(path.join(from, 'native.txt'), path.join(dir, 'след.txt'), `${name}: the Windows trace`);
      fs.rmSync(path.join(from, 'native.txt'));
      assert.ok(!fs.existsSync(path.join(from, 'HIGH30')), `${name}: a score was stored in the folder started from`);
      t.diagnostic(`${name}: recorded, stored a score, replayed ${lineCount(path.join(dir, 'след.txt'))} play frames as natively`);
    });
  }
});

// A score that cannot be stored, as a player of the Windows build meets it:
// one box names the file and the reason, the file keeps what it held and
// nothing is left beside it. Wine, run as the superuser, writes through
// permissions, so the read-only folders are made immutable instead.
test('unstored scores: one box, and the scores as they were', async (t) => {
  const base = folder('unstored', false);
  fs.writeFileSync(path.join(base, 'clicks.txt'), clickerScript(6000, { seed: 1 }));
  const kept = Buffer.concat([Buffer.from('KEPT'), Buffer.alloc(32), Buffer.from('F\0\0\0')]);
  // Beside a read-only HIGH30 the game in play is still kept.
  const left = { file: 'GAME30 HIGH30', folder: 'HIGH30', 'empty-folder': '' };
  for (const kind of Object.keys(left)) {
    await t.test(kind, (t) => {
      const home = path.join(base, kind), at = `unstored scores, ${kind}`;
      fs.mkdirSync(home);
      if (kind !== 'empty-folder') fs.writeFileSync(path.join(home, 'HIGH30'), kept);
      if (kind === 'file') fs.chmodSync(path.join(home, 'HIGH30'), 0o444);
      else if (spawnSync('chattr', ['+i', home]).status !== 0) return t.skip('this file system has no immutable folders');
      let said;
      try {
        ({ said } = run(windowsProgram, [], { cwd: base, env: { VANTOR_HOME: `Z:${home}/`, VANTOR_BACKEND: 'headless',
          VANTOR_FRAMES: '6000', VANTOR_INPUT: 'clicks.txt' } }));
      } finally {
        spawnSync('chattr', ['-i', home]);
      }
      const box = `message box: ERROR!: Can't store the score in Z:${home}/HIGH30: `;
      const boxes = said.split('\n').filter((line) => line.startsWith(box) && /[^.]\.$/.test(line.slice(box.length)));
      assert.strictEqual(boxes.length, 1, `${at}: ${boxes.length} boxes for one game: ${said}`);
      const files = fs.readdirSync(home).sort().join(' ');
      assert.strictEqual(files, left[kind], `${at}: files were left: ${files}`);
      if (kind !== 'empty-folder') assert.ok(fs.readFileSync(path.join(home, 'HIGH30')).equals(kept), `${at}: HIGH30 changed`);
      t.diagnostic(`${at}: ${boxes[0].slice('message box: '.length)}`);
    });
  }
});

// The switches as a player of the Windows build meets them: the zip holds
// the guide and the licence, the program's properties name the version, and
// a mistyped switch is answered in a box, not only on the invisible stderr.
test('switches: the zip, the version resource and a mistyped switch', (t) => {
  const members = execFileSync('unzip', ['-Z1', zip()], { encoding: 'utf8' }).split('\n');
  assert.ok(members.includes('README.txt') && members.includes('LICENSE.txt'), 'the zip lacks README.txt or LICENSE.txt');
  const versions = spawnSync(path.join(root, 'tests/release/check_versions.py'), ['--zip', zip()], { encoding: 'utf8' });
  assert.strictEqual(versions.status, 0, `the version resource: ${versions.stdout}${versions.stderr}`);
  const { status, said } = run(windowsProgram, ['--widnow'], { cwd: work, env: { VANTOR_BACKEND: 'headless' } });
  assert.strictEqual(status, 2, `an unknown switch ended with status ${status}`);
  assert.ok(/^message box: ERROR!: --widnow is not an option/m.test(said) && /^Options: .* --window /m.test(said),
    `an unknown switch showed no box with the usage: ${said}`);
  t.diagnostic('switches: the zip holds README.txt and LICENSE.txt; an unknown switch shows the usage in a box');
});

// The smoke test's screen, an X server of its own on a free display, and
// the tools run on it: tool() as it ends, x() wanting it to end well.
async function virtualScreen(screen) {
  const server = spawn('Xvfb', ['-displayfd', '3', '-screen', '0', screen], { stdio: ['ignore', 'ignore', 'ignore', 'pipe'] });
  const number = await new Promise((resolve, reject) => {
    server.stdio[3].once('data', resolve);
    server.once('exit', (status) => reject(new Error(`Xvfb ended with status ${status}`)));
  });
  const display = `:${String(number).trim()}`;
  const tool = (command, ...args) => spawnSync(command, args, { env: { ...process.env, DISPLAY: display }, encoding: 'utf8' });
  const x = (command, ...args) => {
    const { status, stdout, stderr } = tool(command, ...args);
    assert.strictEqual(status, 0, `smoke: ${command} ${args.join(' ')}: ${stdout}${stderr}`);
    return stdout;
  };
  const geometry = (window) => x('xdotool', 'getwindowgeometry', window).match(/Geometry: (\S+)/)[1];
  return { server, display, tool, x, geometry };
}

// The game's window, once it shows (within a minute).
async function gameWindow({ tool }) {
  for (let i = 0; i < 60; i++) {
    if (i) await sleep(1000);
    const window = tool('xdotool', 'search', '--name', '^TIDEWELL$').stdout.split('\n')[0];
    if (window) return window;
  }
  assert.fail('smoke: no TIDEWELL window appeared');
}

// Clicks through the intro, the title and the table, which each wait for a
// click, till the SCORE label shows as natively.
async function clickToPlay({ tool, x }, window, file) {
  let differ;
  for (let i = 0; i < 30 && differ !== '0'; i++) {
    x('xdotool', 'mousemove', '--window', window, '320', '240', 'click', '1');
    await sleep(1000);
    x('import', '-window', window, file('window.png'));
    cutLabel(file('window.png'), file('label-shown.png'));
    differ = tool('compare', '-metric', 'AE', file('label-shown.png'), file('label-native.png'), 'null:').stderr.trim();
  }
  assert.strictEqual(differ, '0', `smoke: no play screen after 30 clicks (${differ} pixels of the SCORE label differ)`);
}

// The play screen's SCORE label, cut from a picture.
const cutLabel = (picture, label) => execFileSync('convert', [picture, '-crop', '90x14+470+52', '+repage', label]);

// The label as the native build shows it after clicks at the screen's middle.
function nativeLabel(label) {
  const dir = folder('smoke-native'), clicks = [];
  for (let frame = 20; frame < 600; frame += 30)
    clicks.push(`${frame} mouse 320 240`, `${frame} press left`, `${frame + 2} release left`);
  fs.writeFileSync(path.join(dir, 'clicks.txt'), clicks.join('\n') + '\n');
  runWell(nativeProgram, [], { cwd: dir, env: { ...HEADLESS, VANTOR_FRAMES: '600', VANTOR_INPUT: 'clicks.txt',
    VANTOR_SNAPSHOTS: 'shots', VANTOR_SNAPSHOT_AT: 'all' } }, 'the native play screen');
  const shots = fs.readdirSync(path.join(dir, 'shots')).filter((name) => name.startsWith('present-')).sort();
  cutLabel(path.join(dir, 'shots', shots.at(-1)), label);
}

// Starts the window under wine on a virtual screen, clicks through to the
// play screen, takes a screenshot, swaps two pieces with the arrow keys and
// Enter, switches to full screen, where the picture must fill the largest 4:3
// part and a click select the piece under it, closes the window with Alt+F4
// and wants status 0 and the game kept.
test('smoke: the window and full screen on a virtual screen', async (t) => {
  const dir = folder('smoke', false), file = (name) => path.join(dir, name);
  for (const name of ['vantor.exe', 'DATA30.RES', 'kelvo.res']) fs.copyFileSync(path.join(windowsFolder, name), file(name));
  nativeLabel(file('label-native.png'));
  settle(windowsFolder);
  const screen = await virtualScreen('1280x800x24'), { x, geometry } = screen;
  const log = fs.openSync(file('run.log'), 'w');
  const game = spawn(...launch(file('vantor.exe'), [], { cwd: dir, stdio: ['ignore', log, log],
    env: { VANTOR_HOME: '', VANTOR_WINDOW: '1', VANTOR_TRACE: 'trace.txt', DISPLAY: screen.display } }));
  const ended = once(game, 'exit');
  const desktop = (check, failure) => {
    const { status, stdout, stderr } = screen.tool(path.join(root, 'tests/desktop/check_desktop.py'), check, file('trace.txt'));
    assert.strictEqual(status, 0, `${failure}:\n${stdout}${stderr}`);
    for (const line of stdout.trim().split('\n')) t.diagnostic(line);
  };
  try {
    const window = await gameWindow(screen);
    await sleep(3000);
    const shown = geometry(window);
    assert.strictEqual(shown, '640x480', `smoke: the window is ${shown}, not 640x480`);
    await clickToPlay(screen, window, file);
    await sleep(3000);  // the first pieces fly in
    x('import', '-window', window, file('window.png'));
    const colours = Number(x('identify', '-format', '%k', file('window.png')));
    assert.ok(colours >= 100, `smoke: the screenshot has only ${colours} colours`);
    // The arrows and Enter alone swap two pieces, the mouse resting where it clicked.
    desktop('--key-swap', 'smoke: no swap with the keys');
    // Full screen on the 1280 x 800 screen: the picture 1066 x 800 in the
    // middle; a click at a resting piece's centre selects it, read at that very point.
    x('xdotool', 'key', '--window', window, 'alt+Return');
    await sleep(2000);
    const full = geometry(window);
    assert.strictEqual(full, '1280x800', `smoke: full screen is ${full}, not 1280x800`);
    desktop('--fill-and-select', 'smoke: full screen does not fill 1066x800+107+0 or a click missed its piece');
    x('xdotool', 'key', '--window', window, 'alt+F4');
    const [status] = await Promise.race([ended, sleep(30000, ['none, still running 30 s later'], { ref: false })]);
    assert.strictEqual(status, 0, `smoke: closing the window ended the program with status ${status}`);
    assert.match(fs.readFileSync(file('run.log'), 'utf8'), /launch: TIDEWELL\.EXE P/, 'smoke: the program did not end normally');
    // Alt+F4 in play keeps the game: GAME30 holds a game in play (kind 1).
    assert.strictEqual(fs.readFileSync(file('GAME30')).subarray(0, 6).toString('hex'), '563330470101',
      'smoke: Alt+F4 did not keep the game');
    t.diagnostic(`smoke: a 640x480 window with ${colours} colours showed the play screen, swapped two pieces with ` +
      'the keys, closed with status 0 and kept the game');
  } finally {
    // A failing check leaves no game behind, nor wine's server on this screen.
    if (game.exitCode === null && game.signalCode === null) game.kill();
    settle(windowsFolder);
    screen.server.kill();
    fs.closeSync(log);
  }
});

test.after(() => process.env.KEEP || fs.rmSync(work, { recursive: true, force: true }));
