// The page in Debian's chromium: loading, the start, the picture filling
// browser windows and phones either way round, sharp, with clicks landing on
// the piece under them, mouse, touch, keys and a gamepad reaching the game, a
// whole game to the name entry with the on-screen keyboard, the scores kept in
// IndexedDB across a reload and held against a second tab, storage that
// fails, message boxes, the end of the program, and the page as an
// installable site that starts offline.
// Each test stands alone and runs alone as well: it opens its own pages in
// a browser context of its own (as a new incognito window: no scores, no
// kept game, no earlier visit, no service worker), closed with them when
// the test ends, and helpers take it to what it needs first (atPlay: the
// play screen; toNameEntry: a whole game played to the name entry;
// phoneAtPlay: a phone at play). A test that fails, or outlasts TEST_MS,
// fails alone. Screenshots go to FOLDER/screenshots.
// Usage: node [--test-name-pattern=REGEX] browser_test.js FOLDER (a built
//   build-web); node's pattern picks the tests whose names match.
'use strict';
const test = require('node:test');
const assert = require('node:assert');
const fs = require('fs');
const os = require('os');
const path = require('path');
const { decodePng, colourCount } = require('./png.js');
const { cellAnchors, parseTrace, gameOver, groupCells, removableCell, swapPair, PHASE, RESTING } = require('./game.js');
const { KnownDevices } = require('puppeteer-core');
const b = require('./browser.js');

const folder = path.resolve(process.argv[2] || 'build-web');
const built = JSON.parse(fs.readFileSync(path.join(folder, 'site.json')));
const shots = path.join(folder, 'screenshots');
const anchors = cellAnchors();
const HIGH30 = '/home/web_user/.local/share/vantor/HIGH30';
// Typed on the keyboard, then on the on-screen one, composed, and on a
// Russian layout: "WeAnnBobЖ" in Windows-1251.
const NAME = Buffer.concat([Buffer.from('WeAnnBob'), Buffer.from([0xc6])]);
const STORAGE_LOST = 'Scores and the game in play will not be kept after this page closes';
const TEST_MS = 180000;   // a test's time, its setup included
let session;

test.before(async () => { session = await b.startBrowser(folder); });
test.after(async () => { if (session) await session.close(); });

// A test with a browser context of its own, closed with every page in it
// when the test ends, passed, failed or out of time.
function browserTest(name, fn) {
  test(name, { timeout: TEST_MS }, async (t) => {
    const context = await session.newContext();
    t.after(() => context.close().catch(() => {}));
    await fn(t, context);
  });
}

// The play-frame trace's lines as text, read in the page: all of them, or
// the last alone (the page sends less).
function traceText(page, lastOnly = false) {
  return page.evaluate((file, lastOnly) => {
    let text;
    try {
      text = window.vantor.FS.readFile(file, { encoding: 'utf8' }).trimEnd();
    } catch (e) {
      return '';
    }
    return lastOnly ? text.slice(text.lastIndexOf('\n') + 1) : text;
  }, '/play.trace', lastOnly);
}

async function trace(page) { return parseTrace(await traceText(page)); }

async function lastFrame(page) { return parseTrace(await traceText(page, true)).at(-1); }

// A screenshot of the whole page, kept, and its picture part decoded.
async function screenshot(page, name) {
  fs.mkdirSync(shots, { recursive: true });
  const file = path.join(shots, name + '.png');
  await page.screenshot({ path: file });
  return decodePng(fs.readFileSync(file));
}

function pictureColours(png, rect) {
  const part = { channels: png.channels, pixels: Buffer.alloc(0) };
  const rows = [];
  for (let y = Math.ceil(rect.top); y < Math.floor(rect.bottom); y++)
    rows.push(png.pixels.subarray((y * png.width + Math.ceil(rect.left)) * png.channels,
                                  (y * png.width + Math.floor(rect.right)) * png.channels));
  part.pixels = Buffer.concat(rows);
  return colourCount(part);
}

function canvasRect(page) { return page.$eval('#screen', (c) => c.getBoundingClientRect().toJSON()); }

// Clicks on past the title and the table (which draws the play screen's
// first frames under its curtain) until the play screen runs.
async function reachPlay(page) {
  while ((await trace(page)).length < 3) {
    await b.clickPicture(page, 600, 20);
    await b.waitFrames(page, 15);
  }
}

// Waits for the board to rest with pieces on it; returns that frame.
async function idleBoard(page) {
  for (;;) {
    const frame = await lastFrame(page);
    if (frame && (gameOver(frame) || (frame.phase === PHASE.idle &&
        frame.cells.filter((c) => c.state === RESTING).length >= 10))) return frame;
    await b.waitFrames(page, 2);
  }
}

// A new page of the context, with the play-frame trace, started and
// clicked on to the play screen, its board at rest.
async function atPlay(context, { prepare = null } = {}) {
  const page = await b.openPage(session, '?--trace=/play.trace&cmd=Q', { context, prepare });
  await b.startGame(page);
  await reachPlay(page);
  await idleBoard(page);
  return page;
}

async function swap(page, frame, makeGroup = true) {
  const [one, other] = swapPair(frame, makeGroup);
  await b.clickPicture(page, ...anchors[one]);
  await b.waitFrames(page, 3);
  await b.clickPicture(page, ...anchors[other]);
  return [one, other];
}

// The keypad's + held: the game runs faster, and the rest of a game goes quickly.
async function faster(page) {
  await page.keyboard.down('NumpadAdd');
  await b.waitFrames(page, 40);
  await page.keyboard.up('NumpadAdd');
}

// Swaps that make no group until the board is full: the game's end.
async function playToEnd(page) {
  for (let frame = await idleBoard(page); !gameOver(frame); frame = await idleBoard(page)) {
    await swap(page, frame, false);
    await b.waitFrames(page, 6);
  }
}

// The page's own DevTools session, for input puppeteer does not offer.
async function cdp(page) {
  if (!page.protocol) page.protocol = await page.target().createCDPSession();
  return page.protocol;
}

async function dispatchKey(page, type, fields) {
  await (await cdp(page)).send('Input.dispatchKeyEvent', { type, ...fields });
}

// Fingers on the picture, at page points, put down and lifted in the order
// given: an event that leaves a finger out lifts it.
async function touchTap(page, points) {
  const protocol = await cdp(page);
  const send = (type, down) => protocol.send('Input.dispatchTouchEvent',
    { type, touchPoints: down.map((p) => ({ x: p.x, y: p.y, id: points.indexOf(p) + 1 })) });
  for (let n = 1; n <= points.length; n++) await send('touchStart', points.slice(0, n));
  for (let n = 1; n < points.length; n++) await send('touchMove', points.slice(n));
  await send('touchEnd', []);
}

// The desktop page takes touches as a touch screen's too.
async function emulateTouch(page) {
  await (await cdp(page)).send('Emulation.setTouchEmulationEnabled', { enabled: true, maxTouchPoints: 2 });
}

// A part of the picture as the page shows it (the canvas is drawn elsewhere).
async function picturePixels(page, x, y, w, h) {
  const rect = await canvasRect(page);
  const sx = rect.width / 640, sy = rect.height / 480;
  const clip = { x: rect.left + x * sx, y: rect.top + y * sy, width: w * sx, height: h * sy };
  return decodePng(Buffer.from(await page.screenshot({ clip, captureBeyondViewport: false }))).pixels;
}

function heldLocks(page) {
  return page.evaluate(async () => (await navigator.locks.query()).held.map((l) => l.name));
}

async function holdsScores(page) { return (await heldLocks(page)).some((name) => name.endsWith('HIGH30')); }

// Past the game-over picture, until the table after the game holds the scores.
async function pastGameOver(page) {
  while (!(await holdsScores(page))) {
    await b.clickPicture(page, 320, 240);
    await b.waitFrames(page, 5);
  }
}

// Where nothing moves on the play screen; the arrow is 15 x 21 pixels.
const STILL = [600, 400];

// A new page of the context on a touch screen, touched once (where nothing
// is) so the name entry offers the on-screen keyboard; a whole game played
// fast, past its game-over picture to the name entry.
async function toNameEntry(context, options) {
  const page = await atPlay(context, options);
  await emulateTouch(page);
  await touchTap(page, [await b.pagePoint(page, ...STILL)]);
  await faster(page);
  await playToEnd(page);
  await pastGameOver(page);
  await b.waitFor(page, () => !document.getElementById('keyboard').hidden);   // the name entry
  return page;
}

async function waitConsole(page, text) {
  const start = Date.now();
  while (!page.consoleLines.some((line) => line.includes(text))) {
    if (Date.now() - start > 60000) throw new Error(`no "${text}" in the console: ${page.consoleLines}`);
    await b.sleep(50);
  }
}

// The page's controls as assistive technology reads them.
async function accessible(page, role) {
  const found = [];
  const walk = (node) => {
    if (node.role === role) found.push(node.name);
    (node.children || []).forEach(walk);
  };
  walk(await page.accessibility.snapshot({ interestingOnly: false }));
  return found;
}

// Counts the calls of navigator.storage.persist.
function spyOnPersist() {
  window.persistAsked = 0;
  const persist = navigator.storage.persist.bind(navigator.storage);
  navigator.storage.persist = () => { window.persistAsked++; return persist(); };
}

browserTest('the page loads its data behind a bar, offers a focused start button and Enter starts', async (t, context) => {
  const page = await b.openPage(session, '?cmd=Q', { context });
  await page.waitForSelector('#cover:not([hidden])', { timeout: 60000 });
  await screenshot(page, 'cover');
  assert.strictEqual(await page.evaluate(() => document.activeElement.id), 'start');
  assert.deepStrictEqual(await accessible(page, 'button').then((names) => names.filter((n) => /start/.test(n))),
                         ['Click to start']);
  await page.keyboard.press('Enter');
  await b.waitFor(page, () => window.vantor && window.vantor.stats && window.vantor.stats.presents > 0);
  // The picture shows, and is named, once the program places it.
  assert.deepStrictEqual(await accessible(page, 'application'), ['Vantor: the wheel of pieces']);
  assert.strictEqual(await page.evaluate(() => document.activeElement.id), 'screen');
  assert.strictEqual(await page.title(), 'Vantor');
  assert.strictEqual(await page.$eval('#progress div', (bar) => bar.style.width), '100%');
  const icon = await page.evaluate(async () => {
    const response = await fetch(document.querySelector('link[rel=icon]').href);
    return [response.status, Array.from(new Uint8Array(await response.arrayBuffer()).slice(1, 4))];
  });
  assert.deepStrictEqual(icon, [200, [0x50, 0x4e, 0x47]]);   // "PNG"
  t.diagnostic(JSON.stringify(await page.evaluate(() => ({
    ready: window.vantorTimings.ready, firstFrame: window.vantor.stats.firstFrame }))));
});

browserTest('the picture fills the page, sharp, on black', async (t, context) => {
  const page = await b.openPage(session, '?cmd=Q', { context });
  await b.startGame(page);
  const rect = await canvasRect(page);
  assert.deepStrictEqual([rect.left, rect.top, rect.width, rect.height], [0, 12, 1300, 975]);
  assert.deepStrictEqual(await page.$eval('#screen', (c) => getComputedStyle(c).imageRendering), 'auto');
  assert.deepStrictEqual(await page.evaluate(() => [window.vantor.page.painter.width, window.vantor.page.painter.height]),
                         [1920, 1440]);
  await b.waitFrames(page, 30);   // the title has faded in
  const png = await screenshot(page, 'title');
  assert.deepStrictEqual([png.width, png.height], [b.VIEWPORT.width, b.VIEWPORT.height]);
  assert.ok(pictureColours(png, rect) >= 64, 'the title shows few colours');
  assert.deepStrictEqual([...png.pixels.subarray(0, 3)], [0, 0, 0]);
});

browserTest('clicks lead through the title and the table to the play screen', async (t, context) => {
  const page = await atPlay(context);
  const png = await screenshot(page, 'play');
  assert.ok(pictureColours(png, await canvasRect(page)) >= 64, 'the play screen shows few colours');
});

// Where the picture must be, in device pixels: the largest 4:3 rectangle
// of whole CSS pixels, centred, or at the top of a portrait viewport.
function expectedPicture({ width, height, deviceScaleFactor: ratio }) {
  const wide = width * 480 > height * 640;
  const w = wide ? Math.floor(height * 640 / 480) : width, h = wide ? height : Math.floor(width * 480 / 640);
  return { x: Math.floor((width - w) / 2) * ratio, y: height > width ? 0 : Math.floor((height - h) / 2) * ratio,
           w: w * ratio, h: h * ratio };
}

// Where the picture's middle row and column stop being black in a
// screenshot (the page's buttons and the hint lie off them), above a row.
function shownBounds(png, picture, belowRow) {
  const lit = (x, y) => {
    const at = (y * png.width + x) * png.channels;
    return png.pixels[at] > 8 || png.pixels[at + 1] > 8 || png.pixels[at + 2] > 8;
  };
  const middleRow = picture.y + (picture.h >> 1), middleColumn = picture.x + (picture.w >> 1);
  const xs = [...Array(png.width).keys()].filter((x) => lit(x, middleRow));
  const ys = [...Array(Math.min(belowRow, png.height)).keys()].filter((y) => lit(middleColumn, y));
  return { x: xs[0], y: ys[0], w: xs.at(-1) - xs[0] + 1, h: ys.at(-1) - ys[0] + 1 };
}

// How the SCORE label (still while nobody plays) is enlarged: device pixels
// inside one picture pixel must show its colour (no blur wider than the
// pixels across an edge, no colour moved to a neighbour); those across an
// edge blend (no row or column doubled).
async function labelSharpness(page, png, picture) {
  const label = { x: 470, y: 52, w: 90, h: 14 };
  const source = await page.evaluate((l) => {
    const frame = window.vantor.page.painter.latest;
    const out = [];
    for (let y = l.y; y <= l.y + l.h; y++)
      for (let x = l.x; x <= l.x + l.w; x++) out.push(Array.from(frame.subarray((y * 640 + x) * 4, (y * 640 + x) * 4 + 3)));
    return out;
  }, label);
  const colour = (x, y) => source[(y - label.y) * (label.w + 1) + x - label.x];
  // The picture pixels an output pixel covers along one side.
  const cover = (at, shown, size) => {
    const first = Math.floor(at * size / shown);
    return (first + 1) * shown < (at + 1) * size ? [first, first + 1] : [first];
  };
  const result = { inside: 0, blurred: 0, blended: 0 };
  for (let dy = 0; dy < picture.h; dy++) {
    const ys = cover(dy, picture.h, 480);
    if (ys[0] < label.y || ys[0] >= label.y + label.h) continue;
    for (let dx = 0; dx < picture.w; dx++) {
      const xs = cover(dx, picture.w, 640);
      if (xs[0] < label.x || xs[0] >= label.x + label.w) continue;
      const at = ((picture.y + dy) * png.width + picture.x + dx) * png.channels;
      const shown = [0, 1, 2].map((c) => png.pixels[at + c]);
      const near = (want) => [0, 1, 2].every((c) => Math.abs(shown[c] - want[c]) <= 2);
      if (xs.length === 1 && ys.length === 1) {
        result.inside++;
        if (!near(colour(xs[0], ys[0]))) result.blurred++;
      } else if (!ys.some((y) => xs.some((x) => near(colour(x, y))))) {
        result.blended++;
      }
    }
  }
  return result;
}

// A click at a piece's centre selects that piece, at that very point.
async function selectAndLetGo(page) {
  const idle = await idleBoard(page);
  const [cell] = swapPair(idle);
  let since = idle.frame;
  for (const wanted of [cell, -1]) {
    await b.clickPicture(page, ...anchors[cell]);
    let picked;
    while (!(picked = (await trace(page)).find((f) => f.frame > since && f.selected === wanted)))
      await b.waitFrames(page, 1);
    assert.deepStrictEqual([picked.x, picked.y], anchors[cell], `the click on piece ${cell} read elsewhere`);
    since = picked.frame;
  }
}

browserTest('the picture fills a browser window, on a denser screen too, and a phone either way round; ' +
            'turned, it refits at once', async (t, context) => {
  const page = await atPlay(context);
  const viewports = [['browser-1920x947', { width: 1920, height: 947, deviceScaleFactor: 1 }],
                     ['browser-1920x947-2x', { width: 1920, height: 947, deviceScaleFactor: 2 }],
                     ['phone-landscape-844x390', { width: 844, height: 390, deviceScaleFactor: 3 }],
                     ['phone-portrait-390x844', { width: 390, height: 844, deviceScaleFactor: 3 }]];
  for (const [name, viewport] of viewports) {
    const presents = await page.evaluate(() => window.vantor.stats.presents);
    await page.setViewport(viewport);
    const picture = expectedPicture(viewport);
    const placed = await page.evaluate((ratio) => new Promise((resolve) => requestAnimationFrame(() => {
      const r = document.getElementById('screen').getBoundingClientRect();
      const hint = document.getElementById('turn');
      resolve({ x: r.left * ratio, y: r.top * ratio, w: r.width * ratio, h: r.height * ratio,
                hint: getComputedStyle(hint).display === 'none' ? null : hint.getBoundingClientRect().top * ratio,
                presents: window.vantor.stats.presents });
    })), viewport.deviceScaleFactor);
    t.diagnostic(`${name}: picture ${JSON.stringify(picture)}, in place ${placed.presents - presents} presents later`);
    assert.deepStrictEqual([placed.x, placed.y, placed.w, placed.h].map(Math.round),
                           [picture.x, picture.y, picture.w, picture.h], name);
    assert.strictEqual(placed.hint === null, viewport.height < viewport.width, `${name}: the hint to turn`);
    if (placed.hint !== null) assert.ok(placed.hint >= picture.y + picture.h - 1, `${name}: the hint over the picture`);
    await b.waitFrames(page, 3);
    const png = await screenshot(page, name);
    assert.deepStrictEqual(shownBounds(png, picture, picture.y + picture.h + 4), picture, `${name}: the picture's bounds`);
    const sharp = await labelSharpness(page, png, picture);
    t.diagnostic(`${name}: the label's pixels ${JSON.stringify(sharp)}`);
    assert.ok(sharp.inside > 500 && sharp.blurred === 0 && sharp.blended > 0, `${name}: ${JSON.stringify(sharp)}`);
    await selectAndLetGo(page);
  }
});

browserTest('two mouse clicks swap two pieces, each press and release within a frame', async (t, context) => {
  const page = await atPlay(context);
  const before = await idleBoard(page);
  const [one] = await swap(page, before);
  await b.waitFor(page, () => true);
  for (;;) {
    const frames = (await trace(page)).filter((f) => f.frame > before.frame);
    if (frames.some((f) => f.phase === PHASE.swapping)) {
      assert.ok(frames.some((f) => f.left && f.x === anchors[one][0] && f.y === anchors[one][1]),
                'the click did not land on the piece');
      break;
    }
    await b.waitFrames(page, 2);
  }
});

browserTest('a touch tap selects a piece and a long press is the right button', async (t, context) => {
  const page = await atPlay(context);
  const frame = await idleBoard(page);
  const [cell] = swapPair(frame);
  const at = await b.pagePoint(page, ...anchors[cell]);
  const protocol = await cdp(page);
  await emulateTouch(page);
  const touch = (type) => protocol.send('Input.dispatchTouchEvent',
    { type, touchPoints: type === 'touchEnd' ? [] : [{ x: at.x, y: at.y, id: 1 }] });
  await touch('touchStart');
  await touch('touchEnd');
  await b.waitFor(page, () => true);
  while ((await lastFrame(page)).selected !== cell) await b.waitFrames(page, 1);
  const pressed = (await lastFrame(page)).frame;
  await touch('touchStart');
  await b.sleep(700);
  await touch('touchEnd');
  await b.waitFrames(page, 3);
  const frames = (await trace(page)).filter((f) => f.frame > pressed);
  assert.ok(frames.some((f) => f.right && f.x === anchors[cell][0] && f.y === anchors[cell][1]),
            'no right button from the long press');
});

// The arrow's place, STILL, as the page shows it.
async function arrowPlace(page) {
  await b.waitFrames(page, 3);
  return picturePixels(page, ...STILL, 15, 21);
}

browserTest('after a touch the game draws no arrow until the mouse moves', async (t, context) => {
  const page = await atPlay(context);
  await emulateTouch(page);
  const at = await b.pagePoint(page, ...STILL);
  await touchTap(page, [at]);
  const touched = await arrowPlace(page);
  await page.mouse.move(at.x, at.y);
  const arrow = await arrowPlace(page);
  await page.mouse.move(at.x - 100, at.y);
  const elsewhere = await arrowPlace(page);
  assert.ok(!arrow.equals(elsewhere), 'the mouse brought no arrow');
  assert.ok(touched.equals(elsewhere), 'an arrow is drawn under the finger');
});

browserTest('keys reach the game by their place on the keyboard; the browser keeps out', async (t, context) => {
  const page = await atPlay(context);
  await page.evaluate(() => {
    window.keptOut = [];
    addEventListener('keydown', (e) => window.keptOut.push([e.code, e.defaultPrevented]));
  });
  await faster(page);
  for (const key of ['Tab', 'Backspace']) await page.keyboard.press(key);
  const keptOut = await page.evaluate(() => window.keptOut);
  assert.ok(keptOut.every(([, kept]) => kept), JSON.stringify(keptOut));
  assert.ok((await trace(page)).some((f) => f.keys & 4), 'the keypad + never reached the game');
  for (const wanted of [true, false]) {
    await page.keyboard.down('Alt');
    await page.keyboard.press('Enter');
    await page.keyboard.up('Alt');
    await b.waitFor(page, (full) => !!document.fullscreenElement === full, wanted);
  }
});

// Two fingers 40 page pixels apart, the first on the cell and the second
// off its group, lifted last: the right button is at the first.
async function twoFingerTap(page, frame, cell) {
  const group = groupCells(frame.cells, cell);
  const one = await b.pagePoint(page, ...anchors[cell]);
  const rect = await canvasRect(page);
  for (let turn = 0; turn < 8; turn++) {
    const other = { x: one.x + 40 * Math.cos(turn * Math.PI / 4), y: one.y + 40 * Math.sin(turn * Math.PI / 4) };
    const x = (other.x - rect.left) * 640 / rect.width, y = (other.y - rect.top) * 480 / rect.height;
    if ([...group].every((i) => Math.hypot(anchors[i][0] - x, anchors[i][1] - y) >= 18)) {
      await touchTap(page, [one, other]);
      return;
    }
  }
  throw new Error('no place off the group for the second finger');
}

// The standard gamepad's buttons the game uses.
const PAD = { a: 0, b: 1, back: 8, start: 9, up: 12, down: 13, left: 14, right: 15 };

// A gamepad of the page's own, in window.pad, that navigator.getGamepads shows.
function stubGamepad(page) {
  return page.evaluate(() => {
    window.pad = { connected: true, mapping: 'standard', axes: [0, 0, 0, 0],
                   buttons: Array.from({ length: 17 }, () => ({ pressed: false, value: 0 })) };
    Object.defineProperty(navigator, 'getGamepads', { configurable: true, value: () => [null, window.pad] });
  });
}

// Held until the game has polled it twice, or a second: the game may wait
// for it without frames. A press the game never saw would lose the ring.
async function padPress(page, button) {
  await page.evaluate((i) => { window.pad.buttons[i] = { pressed: true, value: 1 }; }, button);
  const seen = (await b.frames(page)) + 2;
  await b.waitFor(page, (at) => window.vantor.stats.frames >= at, seen, 1000).catch(() => {});
  await page.evaluate((i) => { window.pad.buttons[i] = { pressed: false, value: 0 }; }, button);
  await b.waitFrames(page, 2);
}

// The D-pad presses that take the ring from one cell to another: round the
// wheel the short way, then along the spoke.
function dpadPath(from, to) {
  const ROWS = 5, COLUMNS = 13;
  const across = ((Math.floor(to / ROWS) - Math.floor(from / ROWS)) % COLUMNS + COLUMNS) % COLUMNS;
  const path = across <= COLUMNS / 2 ? Array(across).fill(PAD.right) : Array(COLUMNS - across).fill(PAD.left);
  const rows = to % ROWS - from % ROWS;
  return path.concat(Array(Math.abs(rows)).fill(rows > 0 ? PAD.up : PAD.down));
}

// At the fastest speed, many presses go quickly.
browserTest('a gamepad moves the ring, swaps two pieces and opens the menu', async (t, context) => {
  const page = await atPlay(context);
  await faster(page);
  await stubGamepad(page);
  const press = (button) => padPress(page, button);
  const before = await idleBoard(page);
  const [one, other] = swapPair(before);
  await press(PAD.right);   // the ring shows on the first cell
  let at = 0;
  // A piece left selected (none on a fresh page) is let go first by A on it.
  for (const cell of before.selected >= 0 ? [before.selected, one, other] : [one, other]) {
    for (const button of dpadPath(at, cell)) await press(button);
    await page.evaluate(() => { window.pad.buttons[0] = { pressed: true, value: 1 }; });
    await b.waitFrames(page, 3);
    if (cell === one) await screenshot(page, 'gamepad-ring');
    await page.evaluate(() => { window.pad.buttons[0] = { pressed: false, value: 0 }; });
    // Seen let go before A comes again, which it may at once on the same cell.
    await b.waitFrames(page, 2);
    at = cell;
  }
  let frames = [];
  while (!frames.some((f) => f.phase === PHASE.swapping)) {
    await b.waitFrames(page, 2);
    frames = (await trace(page)).filter((f) => f.frame > before.frame);
  }
  for (const cell of [one, other])
    assert.ok(frames.some((f) => f.left && f.x === anchors[cell][0] && f.y === anchors[cell][1]),
              `A did not press on cell ${cell}`);
  const idle = await idleBoard(page);
  await press(PAD.start);
  await b.waitFrames(page, 45);   // the menu slides in
  await screenshot(page, 'gamepad-menu');
  await press(PAD.back);   // as Escape: RESUME
  for (;;) {
    const after = (await trace(page)).filter((f) => f.frame > idle.frame);
    if (after.some((f) => f.menu !== null)) {
      assert.ok(after.some((f) => f.keys & 2 && f.menu === 3), 'Start did not open the menu, or Back did not resume');
      break;
    }
    await b.waitFrames(page, 2);
  }
});

// Swaps that build groups and the right button removing them (the first
// time by a two-finger tap), three times at most, then swaps that fill the
// board, on a touch screen, fast.
browserTest('a whole game is played to its end, removing the groups it makes', async (t, context) => {
  const page = await atPlay(context);
  await emulateTouch(page);
  await faster(page);
  let removals = 0;
  for (;;) {
    const frame = await idleBoard(page);
    if (gameOver(frame)) break;
    const group = removals < 3 ? removableCell(frame) : -1;
    if (group < 0) {
      await swap(page, frame, removals < 3);
    } else {
      if (removals === 0) await twoFingerTap(page, frame, group);
      else await b.clickPicture(page, ...anchors[group], 'right');
      let click;
      for (let waited = 0; !click && waited < 30; waited++) {
        await b.waitFrames(page, 1);
        click = (await trace(page)).find((f) => f.frame > frame.frame && f.right);
      }
      assert.deepStrictEqual(click && [click.x, click.y], anchors[group], 'the removal missed the group');
      // A quick removal may come and go between two looks at the trace.
      while (!(await trace(page)).some((f) => f.frame > frame.frame && f.phase === PHASE.removing))
        await b.waitFrames(page, 1);
      assert.ok(await page.$eval('#keyboard', (button) => button.hidden), 'the keyboard button shows in play');
      removals++;
    }
    await b.waitFrames(page, 6);
  }
  t.diagnostic(`${removals} removals, score ${(await lastFrame(page)).score}`);
});

// An input method composes "B", "Bo", "Bob" (Enter meanwhile is its own)
// and then commits the word: the game takes "Bob" once. Enter ends the
// entry; the name is stored, the page asks once to keep its storage, and a
// reload finds the name.
browserTest('the name entry takes keys, a tap brings the on-screen keyboard, words count once composed; ' +
            'the scores survive a reload', async (t, context) => {
  const page = await toNameEntry(context, { prepare: spyOnPersist });
  await page.keyboard.type('We');
  await touchTap(page, [await b.pagePoint(page, 320, 420)]);
  await b.waitFor(page, () => document.activeElement.id === 'typing');
  const protocol = await cdp(page);
  await protocol.send('Input.insertText', { text: 'Ann' });
  for (const text of ['B', 'Bo', 'Bob']) {
    await protocol.send('Input.imeSetComposition', { text, selectionStart: text.length, selectionEnd: text.length });
    await b.waitFrames(page, 2);
  }
  await dispatchKey(page, 'rawKeyDown', { key: 'Enter', code: 'Enter', windowsVirtualKeyCode: 13 });
  await dispatchKey(page, 'keyUp', { key: 'Enter', code: 'Enter', windowsVirtualKeyCode: 13 });
  await protocol.send('Input.insertText', { text: 'Bob' });
  await dispatchKey(page, 'keyDown', { key: 'Ж', code: 'Semicolon', text: 'Ж' });   // a Russian layout
  await dispatchKey(page, 'keyUp', { key: 'Ж', code: 'Semicolon' });
  await b.waitFrames(page, 10);
  assert.ok(await holdsScores(page), 'the name entry has ended');
  await screenshot(page, 'name-entry');

  await page.keyboard.press('Enter');
  while (await holdsScores(page)) await b.waitFrames(page, 5);
  const stored = await b.readFile(page, HIGH30);
  assert.ok(stored.includes(NAME), 'stored: ' + stored.toString('latin1'));
  assert.strictEqual(await page.evaluate(() => window.persistAsked), 1);

  await page.reload();
  await b.startGame(page);
  assert.ok((await b.readFile(page, HIGH30)).includes(NAME));
});

// The first tab at the name entry holds the scores; a second tab finds them
// in use and says so; the first, out of view, is parked, and back in view
// goes on; once it lets go, the second reads the scores afresh.
browserTest('two tabs: the second finds the scores in use, the first out of view is parked, ' +
            'and once it lets go the second reads the scores afresh', async (t, context) => {
  const first = await toNameEntry(context);
  await first.keyboard.type('Tabs');
  const name = Buffer.from('Tabs');

  const second = await b.openPage(session, '?cmd=Q', { context });
  await second.bringToFront();
  await b.startGame(second);
  await b.waitFrames(second, 20);
  await second.evaluate(() => {
    window.keptOut = [];
    addEventListener('keydown', (e) => window.keptOut.push([e.code, e.defaultPrevented]));
  });
  for (const key of ['F10', 'Escape']) await second.keyboard.press(key);   // Escape leaves the title
  assert.deepStrictEqual(await second.evaluate(() => window.keptOut), [['F10', true], ['Escape', true]]);
  await waitConsole(second, HIGH30 + ' is held by another tab');
  await b.waitFrames(second, 10);
  await screenshot(second, 'scores-in-use');

  // A tab out of view is parked, and back in view it goes on.
  const parked = await b.frames(first);
  await b.waitFrames(second, 30);
  assert.deepStrictEqual(await first.evaluate(() => [document.hidden, document.hasFocus()]), [true, false]);
  assert.strictEqual(await b.frames(first), parked);
  await first.bringToFront();
  await b.waitFrames(first, 10);

  await first.keyboard.press('Enter');
  while (await holdsScores(first)) await b.waitFrames(first, 5);
  const stored = await b.readFile(first, HIGH30);
  assert.ok(stored.includes(name), 'stored: ' + stored.toString('latin1'));
  await second.bringToFront();
  for (;;) {
    const stored = await b.readFile(second, HIGH30);
    if (stored && stored.includes(name)) break;
    await b.waitFrames(second, 5);
  }
  await b.waitFrames(second, 10);
  await screenshot(second, 'scores-read-afresh');
});

// Each start is a new program, with a trace of its own: past the title and
// the table, its first resting frame shows the board left.
async function goesOn(page, stood, how) {
  await reachPlay(page);
  const resumed = (await trace(page)).find((f) => f.phase === PHASE.idle);
  assert.deepStrictEqual([resumed.score, resumed.cells], [stood.score, stood.cells], how);
}

// A move made; the rest after it, once kept (at the rest's first frame, in
// a transaction of its own).
async function moveAndRest(page) {
  await swap(page, await idleBoard(page), false);
  await b.waitFrames(page, 30);
  const stood = await idleBoard(page);
  await b.waitFrames(page, 10);
  return stood;
}

browserTest('QUIT ends the program; the page says so and offers to play again, and the game goes on where it stood',
  async (t, context) => {
    const page = await atPlay(context);
    const leftAt = await idleBoard(page);
    await page.keyboard.press('Escape');   // the menu
    await b.waitFrames(page, 30);
    await b.clickPicture(page, 317, 294);   // QUIT: the menu stands, so the click counts
    await page.waitForSelector('#ended:not([hidden])', { timeout: 60000 });
    await waitConsole(page, 'launch: TIDEWELL.EXE P');
    await page.click('#again');
    await b.waitFor(page, () => window.vantor.stats && window.vantor.stats.presents > 0);
    await goesOn(page, leftAt, 'after QUIT');
  });

browserTest('a game left by a reload goes on where it stood', async (t, context) => {
  const page = await atPlay(context);
  const stood = await moveAndRest(page);
  await page.reload();
  await b.startGame(page);
  await goesOn(page, stood, 'after a reload');
  await screenshot(page, 'resumed-after-reload');
});

// After the first visit the page starts without the logo: from the tap on
// the cover, clicks on the title and the table reach the board left.
browserTest('a tab closed, or frozen and then discarded, goes on where it stood in the next tab', async (t, context) => {
  const first = await atPlay(context);
  const closed = await moveAndRest(first);
  await first.close();
  const reopened = await b.openPage(session, '?--trace=/play.trace', { context });
  await reopened.waitForSelector('#cover:not([hidden])', { timeout: 60000 });
  const tapped = Date.now();
  await b.startGame(reopened);
  await goesOn(reopened, closed, 'after the tab was closed');
  t.diagnostic(`cover tap to the board left: ${Date.now() - tapped} ms`);
  assert.deepStrictEqual(await reopened.evaluate(() => window.vantor.arguments), ['--trace=/play.trace', 'Q']);

  const frozen = await moveAndRest(reopened);
  await (await cdp(reopened)).send('Page.setWebLifecycleState', { state: 'frozen' });
  await reopened.close({ runBeforeUnload: false });
  const next = await b.openPage(session, '?--trace=/play.trace', { context });
  await b.startGame(next);
  await goesOn(next, frozen, 'after the tab was frozen and discarded');
});

browserTest('?--scaling=whole keeps whole factors, pixelated', async (t, context) => {
  const page = await b.openPage(session, '?--scaling=whole&cmd=Q', { context });
  await b.startGame(page);
  const rect = await canvasRect(page);
  assert.deepStrictEqual([rect.left, rect.top, rect.width, rect.height], [10, 20, 1280, 960]);
  assert.strictEqual(await page.$eval('#screen', (c) => getComputedStyle(c).imageRendering), 'pixelated');
});

browserTest('without an audio worklet the mix plays through a script processor', async (t, context) => {
  const page = await b.openPage(session, '?cmd=Q', { context, prepare: () => {
    Object.defineProperty(BaseAudioContext.prototype, 'audioWorklet', { get: () => undefined });
  } });
  await b.startGame(page);
  await b.waitFrames(page, 20);
  assert.deepStrictEqual(await page.evaluate(() => {
    const sound = window.vantor.page.sound;
    return [sound.worklet, sound.written > 0];
  }), [false, true]);
});

browserTest('a message box shows on the page, modal, named by its caption; then the focus goes on', async (t, context) => {
  const page = await b.openPage(session, '', { context, setUp: async (page) => {
    await page.setBypassServiceWorker(true);   // what the page fetches passes here
    await page.setRequestInterception(true);
    page.on('request', (request) => {
      if (!request.url().endsWith('DATA30.RES')) return request.continue();
      request.respond({ status: 200, body: Buffer.alloc(1000, 7) });
    });
  } });
  await page.waitForSelector('#cover:not([hidden])');
  await page.click('#cover');
  await page.waitForSelector('#message[open]');
  // As rendered: the box keeps the line that names the file and what was wrong with it.
  assert.deepStrictEqual(await page.evaluate(() => [document.getElementById('message-caption').innerText,
    document.getElementById('message-text').innerText]),
    ['ERROR!', "Can't initialise resources\n/DATA30.RES: 117901063 slots do not fit in the 996 bytes after the count"]);
  assert.deepStrictEqual(await accessible(page, 'dialog'), ['ERROR!']);
  await screenshot(page, 'message-box');
  await page.click('#message button');
  await page.waitForSelector('#ended:not([hidden])');
  assert.strictEqual(await page.evaluate(() => document.activeElement.id), 'again');
});

// Without IndexedDB, with one that throws at the look or fails to open:
// the game plays, its files live in memory, and the page says once that
// the scores go when it closes.
const BREAKAGES = {
  removed: () => Object.defineProperty(window, 'indexedDB', { value: undefined }),
  throwing: () => Object.defineProperty(window, 'indexedDB', {
    get() { throw new DOMException('The operation is insecure.', 'SecurityError'); } }),
  'failing to open': () => {
    IDBFactory.prototype.open = function () {
      const request = {};
      setTimeout(() => request.onerror({ preventDefault() {} }), 10);
      return request;
    };
  },
};
for (const [name, prepare] of Object.entries(BREAKAGES)) {
  browserTest(`storage that cannot be used (${name}): the game plays and the page says scores will not be kept`,
    async (t, context) => {
      const page = await b.openPage(session, '?cmd=Q', { context, prepare });
      await b.startGame(page);
      await page.keyboard.press('Escape');   // past the title to the table, which makes an empty HIGH30
      await b.waitFor(page, (file) => { try { return !!window.vantor.FS.stat(file); } catch (e) { return false; } }, HIGH30);
      const notice = await page.$eval('#notice', (n) => [n.hidden, n.textContent]);
      assert.ok(!notice[0] && notice[1].startsWith(STORAGE_LOST), `${name}: ${notice}`);
      await screenshot(page, 'storage-' + name.replace(/ /g, '-'));
      await b.waitFrames(page, 20);
      assert.strictEqual(await page.$('#message[open]'), null, name);
      assert.deepStrictEqual(page.consoleLines.filter((line) => line.startsWith('page error')), [], name);
    });
}

browserTest('on a touch screen the cover says Tap and leaves out keyboard hints', async (t, context) => {
  const page = await b.openPage(session, '', { context, setUp: (page) => page.emulate(KnownDevices['Pixel 5 landscape']) });
  await page.waitForSelector('#cover:not([hidden])');
  const words = await page.$eval('#cover', (cover) => cover.innerText.replace(/\s+/g, ' ').trim());
  assert.strictEqual(words, 'VANTOR Tap to start Sound starts with your tap. Full screen: the button at the top right. ' +
    'A game left unfinished goes on where it stood next time. ' +
    'With a gamepad: D-pad or stick moves the ring, A is the left button, B or X the right one, Start the menu, ' +
    'the shoulder buttons the speed; for a name Up and Down turn a letter, A takes it, Start ends it. ' +
    'A long press or a two-finger tap removes a group; a drag on the gauge at the top right sets the speed. ' +
    `Vantor ${built.version}, free software under the MIT licence`);
});

// Fresh, on a copy of the build: the first visit's bytes on the wire, the
// page installable, the next load fetching nothing but the service worker
// (the version check), a start with the network off, and a new build that
// waits for the next load while a game runs on the old one. Chromium calls
// no page of an incognito-like context installable, so this test's pages
// are the default context's, on a site (an origin) of their own.
browserTest('one visit makes the page installable and startable offline; repeat visits fetch only the version check',
  async (t) => {
    const copy = fs.mkdtempSync(path.join(os.tmpdir(), 'vantor-site-'));
    t.after(() => fs.rmSync(copy, { recursive: true, force: true }));
    fs.cpSync(folder, copy, { recursive: true, filter: (file) => !file.startsWith(shots) });
    const site = await session.anotherSite(copy);
    const pages = [];
    t.after(() => Promise.all(pages.map((p) => p.close().catch(() => {}))));
    const page = await b.openPage(session, '?cmd=Q', { url: site.url });
    pages.push(page);
    await b.startGame(page);
    await page.evaluate(() => navigator.serviceWorker.ready);
    const installable = await (await cdp(page)).send('Page.getInstallabilityErrors');
    assert.deepStrictEqual(installable.installabilityErrors, []);
    const firstVisit = site.served.reduce((sum, s) => sum + s.bytes, 0);
    t.diagnostic(`first visit: ${firstVisit} bytes in ${site.served.length} answers`);
    assert.ok(firstVisit < 1.1e6, `${firstVisit} bytes on the first visit`);

    site.served.length = 0;
    await page.reload();
    await b.startGame(page);
    while (!site.served.length) await b.sleep(100);   // the browser checks for a new build a little later
    await b.sleep(1000);
    assert.deepStrictEqual(site.served.map((s) => s.path), ['/service_worker.js']);
    t.diagnostic(`repeat visit: ${site.served[0].bytes} bytes`);

    await page.setOfflineMode(true);
    await page.reload();
    await b.startGame(page);
    await b.waitFrames(page, 20);
    await page.setOfflineMode(false);

    // A new build on the server while this game runs.
    const keeper = path.join(copy, 'service_worker.js');
    const { build } = JSON.parse(fs.readFileSync(path.join(copy, 'site.json')));
    fs.writeFileSync(keeper, fs.readFileSync(keeper, 'utf8').replace(build, 'new' + build));
    for (const suffix of ['.br', '.gz']) fs.rmSync(keeper + suffix);
    await page.evaluate(() => { window.sameGame = true; });
    const later = await b.openPage(session, '?cmd=Q', { url: site.url });
    pages.push(later);
    await b.waitFor(later, async () => !!(await navigator.serviceWorker.getRegistration()).waiting);
    let loads = 0;
    later.on('load', () => loads++);
    await later.reload();
    while (loads < 2) await b.sleep(100);   // the page hands over and loads again
    await b.startGame(later);
    assert.deepStrictEqual(await later.evaluate(() => caches.keys()), ['vantor-new' + build]);
    await page.bringToFront();
    await b.waitFrames(page, 10);
    assert.strictEqual(await page.evaluate(() => window.sameGame), true);
  });

// A game played fast to the name entry; the browser then refuses every
// write. The name stays in the table in memory, also when the table reads
// the file again, and the game says that the score could not be stored.
browserTest('a score that cannot be stored stays in the table, and the game says so', async (t, context) => {
  const page = await atPlay(context);
  await faster(page);
  await playToEnd(page);
  await pastGameOver(page);
  // The browser's storage is full from now on. (Chromium's quota override
  // let these writes through once the game in play was kept as well.)
  await page.evaluate(() => {
    IDBObjectStore.prototype.put = () => { throw new DOMException('The quota has been exceeded.', 'QuotaExceededError'); };
  });
  await b.waitFrames(page, 400);   // the new entry's marker, then the name entry
  await page.keyboard.type('Kept');
  await page.keyboard.press('Enter');
  await page.waitForSelector('#message[open]', { timeout: 60000 });
  const said = await page.$eval('#message-text', (p) => p.textContent);
  assert.ok(said.includes('HIGH30'), said);
  await screenshot(page, 'score-not-stored');
  await page.click('#message button');
  await b.waitFrames(page, 320);   // the shown table is read again every 300 frames
  const kept = await b.readFile(page, HIGH30);
  assert.ok(kept && kept.includes(Buffer.from('Kept\0')), 'in memory: ' + (kept && kept.toString('latin1')));
  assert.deepStrictEqual(page.consoleLines.filter((line) => line.startsWith('page error')), []);
});

// A phone held upright, played with a finger: the game started by a tap
// speaks of tapping, a tap a little off a piece picks it, the menu takes a
// tap as soon as it stands, a drag along the gauge sets the speed, and a
// gamepad names the score after a game played to its end.
const PHONE = { width: 390, height: 844, deviceScaleFactor: 3, isMobile: true, hasTouch: true };

// A new page of the context on a phone held upright, at the cover.
async function phoneCover(context) {
  const userAgent = await session.browser.userAgent();
  const phone = await b.openPage(session, '?--trace=/play.trace&cmd=Q',
    { context, setUp: (page) => page.emulate({ viewport: PHONE, userAgent }) });
  await phone.waitForSelector('#cover:not([hidden])', { timeout: 60000 });
  return phone;
}

// A tap on the cover's start button, until the first picture.
async function tapToStart(phone) {
  const start = await phone.$eval('#start', (button) => button.getBoundingClientRect().toJSON());
  await touchTap(phone, [{ x: start.x + start.width / 2, y: start.y + start.height / 2 }]);
  await b.waitFor(phone, () => window.vantor && window.vantor.stats && window.vantor.stats.presents > 0);
}

// Taps on past the title and the table until the board rests.
async function tapToPlay(phone) {
  while ((await trace(phone)).length < 3) {
    await touchTap(phone, [await b.pagePoint(phone, 600, 20)]);
    await b.waitFrames(phone, 15);
  }
  await idleBoard(phone);
}

async function phoneAtPlay(context) {
  const phone = await phoneCover(context);
  await tapToStart(phone);
  await tapToPlay(phone);
  return phone;
}

browserTest('on a phone held upright the game started by a tap says tap', async (t, context) => {
  const phone = await phoneCover(context);
  await tapToStart(phone);
  assert.strictEqual(await phone.evaluate(() => window.vantor.page.startedBy), 1);
  assert.strictEqual(await phone.$eval('#turn', (line) => line.textContent), 'Turn the screen sideways for a larger picture.');
  await b.waitFrames(phone, 30);
  await screenshot(phone, 'phone-title-tap');
  await tapToPlay(phone);
  await screenshot(phone, 'phone-touch-hint');
});

// Where a tap off the piece's centre by `off` CSS pixels stays nearer that
// piece than any other cell, turning from a direction of its own. The page
// hands the game whole picture pixels, so the tap keeps a pixel and a half
// in hand: a tap near the middle of two cells may round to the other one.
async function offCentre(page, cell, off) {
  const rect = await canvasRect(page);
  const perPixel = rect.width / 640;
  const centre = await b.pagePoint(page, ...anchors[cell]);
  for (let turn = 0; turn < 16; turn++) {
    const angle = ((cell * 5 + turn) % 16) * Math.PI / 8;
    const point = { x: centre.x + off * Math.cos(angle), y: centre.y + off * Math.sin(angle) };
    const x = (point.x - rect.left) / perPixel - 0.5, y = (point.y - rect.top) / perPixel - 0.5;
    const away = (i) => Math.hypot(anchors[i][0] - x, anchors[i][1] - y);
    if (anchors.every((_, i) => i === cell || away(i) > away(cell) + 1.5)) return point;
  }
  throw new Error(`no tap ${off} px off piece ${cell} that is nearer it than the others`);
}

browserTest('taps 10 and 12 CSS px off every resting piece pick it, on a phone held upright', async (t, context) => {
  const phone = await phoneAtPlay(context);
  const idle = await idleBoard(phone);
  const resting = [...idle.cells.keys()].filter((i) => idle.cells[i].state === RESTING);
  let selected = idle.selected;
  if (selected >= 0) await touchTap(phone, [await b.pagePoint(phone, ...anchors[selected])]);
  const missed = [];
  for (const cell of resting) {
    for (const off of [10, 12]) {
      const since = (await lastFrame(phone)).frame;
      await touchTap(phone, [await offCentre(phone, cell, off)]);
      const wanted = off === 10 ? cell : -1;   // the second tap lets the piece go
      let frame;
      for (let waited = 0; waited < 30; waited++) {
        await b.waitFrames(phone, 1);
        frame = await lastFrame(phone);
        if (frame.frame > since + 2 && frame.selected === wanted) break;
      }
      if (frame.selected !== wanted) missed.push(`${cell} at ${off} px: ${frame.selected}`);
      if (cell === resting[0] && off === 10) await screenshot(phone, 'phone-selection-mark');
      if (frame.selected !== wanted) break;
    }
  }
  t.diagnostic(`${resting.length} pieces, each tapped at 10 and 12 CSS px off its centre`);
  assert.deepStrictEqual(missed, []);
});

browserTest('the menu takes a tap 300, 600 and 900 ms after it opens', async (t, context) => {
  const phone = await phoneAtPlay(context);
  for (const delay of [300, 600, 900]) {
    const since = (await idleBoard(phone)).frame;
    await touchTap(phone, [await b.pagePoint(phone, 70, 80)]);
    await b.sleep(delay);
    if (delay === 300) await screenshot(phone, 'phone-menu-300ms');
    await touchTap(phone, [await b.pagePoint(phone, 317, 386)]);
    let resumed = false;
    for (const started = Date.now(); !resumed && Date.now() - started < 5000;) {
      await b.sleep(100);
      resumed = (await trace(phone)).some((f) => f.frame > since && f.menu === 3);
    }
    assert.ok(resumed, `RESUME tapped ${delay} ms after the menu opened did not resume`);
  }
});

// Frames the program runs in a second: the speed it plays at.
async function framesPerSecond(page) {
  const before = await b.frames(page);
  await b.sleep(1000);
  return (await b.frames(page)) - before;
}

// A finger along the speed gauge, from one picture column to another.
async function dragGauge(phone, from, to) {
  const protocol = await cdp(phone);
  const at = async (x) => [{ ...(await b.pagePoint(phone, x, 30)), id: 1 }];
  await protocol.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: await at(from) });
  for (let k = 1; k <= 8; k++)
    await protocol.send('Input.dispatchTouchEvent', { type: 'touchMove', touchPoints: await at(from + (to - from) * k / 8) });
  await protocol.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
  await b.sleep(4000);   // up to 75 steps, one a frame
}

browserTest('a drag along the speed gauge changes the speed', async (t, context) => {
  const phone = await phoneAtPlay(context);
  const atStart = await framesPerSecond(phone);
  await dragGauge(phone, 540, 523);   // to the slow end
  const slow = await framesPerSecond(phone);
  await screenshot(phone, 'phone-speed-gauge');
  await dragGauge(phone, 540, 579);   // to the fast end
  const fast = await framesPerSecond(phone);
  t.diagnostic(`frames a second: ${atStart} at the start, ${slow} dragged slow, ${fast} dragged fast`);
  assert.ok(slow < atStart * 0.7 && fast > atStart * 1.3, `${atStart}, ${slow}, ${fast}`);
});

browserTest('a gamepad picks the name after a game played to its end', async (t, context) => {
  const phone = await phoneAtPlay(context);
  await faster(phone);
  await playToEnd(phone);
  await stubGamepad(phone);
  await b.waitFrames(phone, 5);
  await screenshot(phone, 'phone-game-over-pad');
  await padPress(phone, PAD.a);   // past the game-over picture
  await b.waitFor(phone, () => !document.getElementById('keyboard').hidden);   // the name entry
  for (const button of ['a', 'up', 'a', 'down', 'down', 'a']) await padPress(phone, PAD[button]);
  await b.waitFrames(phone, 3);
  await screenshot(phone, 'phone-name-picked');
  await padPress(phone, PAD.start);
  await b.waitFor(phone, () => document.getElementById('keyboard').hidden);
  await b.waitFrames(phone, 10);
  const stored = await b.readFile(phone, HIGH30);
  assert.ok(stored && stored.subarray(0, 4).equals(Buffer.from([0x41, 0x42, 0xdf, 0])),
            'stored: ' + (stored && stored.toString('latin1')));
  await screenshot(phone, 'phone-name-stored');
});
