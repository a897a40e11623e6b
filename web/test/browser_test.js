// The page in Debian's chromium: loading, the start, the scaled picture,
// mouse, touch and keys reaching the game, a whole game to the name entry,
// the scores kept in IndexedDB across a reload and held against a second
// tab, message boxes, and the end of the program. One game runs through the
// steps in order; a step that fails skips the rest. Screenshots go to
// FOLDER/screenshots. Usage: node browser_test.js FOLDER (a built build-web)
'use strict';
const test = require('node:test');
const assert = require('node:assert');
const fs = require('fs');
const path = require('path');
const zlib = require('zlib');
const { decodePng, colourCount } = require('./png.js');
const { cellAnchors, parseTrace, gameOver, removableCell, swapPair, PHASE, RESTING } = require('./game.js');
const b = require('./browser.js');

const folder = path.resolve(process.argv[2] || 'build-web');
const shots = path.join(folder, 'screenshots');
const anchors = cellAnchors();
const HIGH30 = '/home/web_user/.local/share/vantor/HIGH30';
const NAME = Buffer.from([0x57, 0x65, 0xc6, 0x62]);   // "WeЖb" in Windows-1251
let session, first, second;
let failed = false;

const STEP_MS = 180000;

function step(name, fn) {
  test(name, async (t) => {
    if (failed) return t.skip('an earlier step failed');
    let timer;
    const late = new Promise((_, reject) => {
      timer = setTimeout(() => reject(new Error(`no end after ${STEP_MS} ms`)), STEP_MS);
    });
    try {
      await Promise.race([fn(t), late]);
    } catch (error) {
      failed = true;
      throw error;
    } finally {
      clearTimeout(timer);
    }
  });
}

async function trace(page) {
  const bytes = await b.readFile(page, '/play.trace');
  return bytes ? parseTrace(bytes.toString()) : [];
}

async function lastFrame(page) { return (await trace(page)).at(-1); }

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

async function swap(page, frame, makeGroup = true) {
  const [one, other] = swapPair(frame, makeGroup);
  await b.clickPicture(page, ...anchors[one]);
  await b.waitFrames(page, 3);
  await b.clickPicture(page, ...anchors[other]);
  return [one, other];
}

// The page's own DevTools session, for input puppeteer does not offer.
async function cdp(page) {
  if (!page.protocol) page.protocol = await page.target().createCDPSession();
  return page.protocol;
}

async function dispatchKey(page, type, fields) {
  await (await cdp(page)).send('Input.dispatchKeyEvent', { type, ...fields });
}

function heldLocks(page) {
  return page.evaluate(async () => (await navigator.locks.query()).held.map((l) => l.name));
}

async function waitConsole(page, text) {
  const start = Date.now();
  while (!page.consoleLines.some((line) => line.includes(text))) {
    if (Date.now() - start > 60000) throw new Error(`no "${text}" in the console: ${page.consoleLines}`);
    await b.sleep(50);
  }
}

test.before(async () => { session = await b.startBrowser(folder); });
test.after(async () => { if (session) await session.close(); });

step('the page loads its data behind a bar, waits for a click and then shows the game', async (t) => {
  first = await b.openPage(session, '?--trace=/play.trace&cmd=Q');
  await first.waitForSelector('#cover:not([hidden])', { timeout: 60000 });
  await screenshot(first, 'cover');
  await b.startGame(first);
  assert.strictEqual(await first.title(), 'Vantor');
  assert.strictEqual(await first.$eval('#progress div', (bar) => bar.style.width), '100%');
  const icon = await first.evaluate(async () => {
    const response = await fetch(document.querySelector('link[rel=icon]').href);
    return [response.status, Array.from(new Uint8Array(await response.arrayBuffer()).slice(1, 4))];
  });
  assert.deepStrictEqual(icon, [200, [0x50, 0x4e, 0x47]]);   // "PNG"
  t.diagnostic(JSON.stringify(await first.evaluate(() => ({
    ready: window.vantorTimings.ready, firstFrame: window.vantor.stats.firstFrame }))));
});

step('the picture is scaled by the largest whole factor, crisp, on black', async () => {
  const rect = await canvasRect(first);
  assert.deepStrictEqual([rect.width, rect.height], [1280, 960]);
  assert.strictEqual(await first.$eval('#screen', (c) => getComputedStyle(c).imageRendering), 'pixelated');
  await b.waitFrames(first, 30);   // the title has faded in
  const png = await screenshot(first, 'title');
  assert.deepStrictEqual([png.width, png.height], [b.VIEWPORT.width, b.VIEWPORT.height]);
  assert.ok(pictureColours(png, rect) >= 64, 'the title shows few colours');
  assert.deepStrictEqual([...png.pixels.subarray(0, 3)], [0, 0, 0]);
});

step('clicks lead through the title and the table to the play screen', async () => {
  await reachPlay(first);
  await idleBoard(first);
  const png = await screenshot(first, 'play');
  assert.ok(pictureColours(png, await canvasRect(first)) >= 64, 'the play screen shows few colours');
});

step('two mouse clicks swap two pieces, each press and release within a frame', async () => {
  const before = await idleBoard(first);
  const [one] = await swap(first, before);
  await b.waitFor(first, () => true);
  for (;;) {
    const frames = (await trace(first)).filter((f) => f.frame > before.frame);
    if (frames.some((f) => f.phase === PHASE.swapping)) {
      assert.ok(frames.some((f) => f.left && f.x === anchors[one][0] && f.y === anchors[one][1]),
                'the click did not land on the piece');
      break;
    }
    await b.waitFrames(first, 2);
  }
});

step('a touch tap selects a piece and a long press is the right button', async () => {
  const frame = await idleBoard(first);
  const [cell] = swapPair(frame);
  const at = await b.pagePoint(first, ...anchors[cell]);
  const protocol = await cdp(first);
  await protocol.send('Emulation.setTouchEmulationEnabled', { enabled: true, maxTouchPoints: 2 });
  const touch = (type) => protocol.send('Input.dispatchTouchEvent',
    { type, touchPoints: type === 'touchEnd' ? [] : [{ x: at.x, y: at.y, id: 1 }] });
  await touch('touchStart');
  await touch('touchEnd');
  await b.waitFor(first, () => true);
  while ((await lastFrame(first)).selected !== cell) await b.waitFrames(first, 1);
  const pressed = (await lastFrame(first)).frame;
  await touch('touchStart');
  await b.sleep(700);
  await touch('touchEnd');
  await b.waitFrames(first, 3);
  const frames = (await trace(first)).filter((f) => f.frame > pressed);
  assert.ok(frames.some((f) => f.right && f.x === anchors[cell][0] && f.y === anchors[cell][1]),
            'no right button from the long press');
});

step('keys reach the game by their place on the keyboard; the browser keeps out', async () => {
  await first.evaluate(() => {
    window.keptOut = [];
    addEventListener('keydown', (e) => window.keptOut.push([e.code, e.defaultPrevented]));
  });
  await first.keyboard.down('NumpadAdd');   // faster: the rest of the game goes quickly
  await b.waitFrames(first, 40);
  await first.keyboard.up('NumpadAdd');
  for (const key of ['Tab', 'Backspace']) await first.keyboard.press(key);
  const keptOut = await first.evaluate(() => window.keptOut);
  assert.ok(keptOut.every(([, kept]) => kept), JSON.stringify(keptOut));
  assert.ok((await trace(first)).some((f) => f.keys & 4), 'the keypad + never reached the game');
  for (const wanted of [true, false]) {
    await first.keyboard.down('Alt');
    await first.keyboard.press('Enter');
    await first.keyboard.up('Alt');
    await b.waitFor(first, (full) => !!document.fullscreenElement === full, wanted);
  }
});

// Swaps that build groups and the right button removing them, three
// times at most, then swaps that fill the board.
step('a whole game is played to its end, removing the groups it makes', async (t) => {
  let removals = 0;
  for (;;) {
    const frame = await idleBoard(first);
    if (gameOver(frame)) break;
    const group = removals < 3 ? removableCell(frame) : -1;
    if (group < 0) {
      await swap(first, frame, removals < 3);
    } else {
      await b.clickPicture(first, ...anchors[group], 'right');
      while ((await lastFrame(first)).phase !== PHASE.removing) await b.waitFrames(first, 1);
      removals++;
    }
    await b.waitFrames(first, 6);
  }
  t.diagnostic(`${removals} removals, score ${(await lastFrame(first)).score}`);
});

step('the name entry takes typed characters, in Windows-1251', async () => {
  // Past the game-over picture, until the table after the game holds the scores.
  while (!(await heldLocks(first)).some((name) => name.endsWith('HIGH30'))) {
    await b.clickPicture(first, 320, 240);
    await b.waitFrames(first, 5);
  }
  await b.waitFrames(first, 400);   // the new entry's marker, then the name entry
  await first.keyboard.type('We');
  await dispatchKey(first, 'keyDown', { key: 'Ж', code: 'Semicolon', text: 'Ж' });   // a Russian layout
  await dispatchKey(first, 'keyUp', { key: 'Ж', code: 'Semicolon' });
  await first.click('#keyboard');   // offered since the touches: the on-screen keyboard's field
  await (await cdp(first)).send('Input.insertText', { text: 'b' });
  await b.waitFrames(first, 10);
  await screenshot(first, 'name-entry');
});

step('a second tab finds the scores in use and shows the notice', async () => {
  second = await b.openPage(session, '?cmd=Q');
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
});

step('a tab out of view is parked, and back in view it goes on', async () => {
  const parked = await b.frames(first);
  await b.waitFrames(second, 30);
  assert.deepStrictEqual(await first.evaluate(() => [document.hidden, document.hasFocus()]), [true, false]);
  assert.strictEqual(await b.frames(first), parked);
  await first.bringToFront();
  await b.waitFrames(first, 10);
});

step('once the first tab lets go, the second reads the scores afresh', async () => {
  await first.keyboard.press('Enter');
  for (;;) {
    const stored = await b.readFile(first, HIGH30);
    if (stored && stored.includes(NAME) && !(await heldLocks(first)).length) break;
    await b.waitFrames(first, 5);
  }
  await second.bringToFront();
  for (;;) {
    const stored = await b.readFile(second, HIGH30);
    if (stored && stored.includes(NAME)) break;
    await b.waitFrames(second, 5);
  }
  await b.waitFrames(second, 10);
  await screenshot(second, 'scores-read-afresh');
});

step('the scores survive a reload', async () => {
  await second.close();
  await first.bringToFront();
  await first.reload();
  await b.startGame(first);
  assert.ok((await b.readFile(first, HIGH30)).includes(NAME));
});

step('QUIT ends the program; the page says so and offers to play again', async () => {
  await reachPlay(first);
  await idleBoard(first);
  await first.keyboard.press('Escape');   // the menu
  await b.waitFrames(first, 30);
  await b.clickPicture(first, 317, 294);   // QUIT, once the highlight has followed
  await b.waitFrames(first, 20);
  await b.clickPicture(first, 317, 294);
  await first.waitForSelector('#ended:not([hidden])', { timeout: 60000 });
  await waitConsole(first, 'launch: TIDEWELL.EXE P');
  await first.click('#again');
  await b.waitFor(first, () => window.vantor.stats && window.vantor.stats.presents > 0);
});

step('without an audio worklet the mix plays through a script processor', async () => {
  const page = await session.browser.newPage();
  await page.evaluateOnNewDocument(() => {
    Object.defineProperty(BaseAudioContext.prototype, 'audioWorklet', { get: () => undefined });
  });
  await page.goto(session.url + '?cmd=Q');
  await b.startGame(page);
  await b.waitFrames(page, 20);
  assert.deepStrictEqual(await page.evaluate(() => {
    const sound = window.vantor.page.sound;
    return [sound.worklet, sound.written > 0];
  }), [false, true]);
  await page.close();
});

step('a message box shows on the page, modal, with its caption and text', async () => {
  const page = await session.browser.newPage();
  await page.setRequestInterception(true);
  page.on('request', (request) => {
    if (!request.url().endsWith('DATA30.RES.gz')) return request.continue();
    request.respond({ status: 200, body: zlib.gzipSync(Buffer.alloc(1000, 7)) });
  });
  page.consoleLines = [];
  page.on('console', (message) => page.consoleLines.push(message.text()));
  await page.goto(session.url);
  await page.waitForSelector('#cover:not([hidden])');
  await page.click('#cover');
  await page.waitForSelector('#message[open]');
  // As rendered: the box keeps the line that names the file and what was wrong with it.
  assert.deepStrictEqual(await page.evaluate(() => [document.getElementById('message-caption').innerText,
    document.getElementById('message-text').innerText]),
    ['ERROR!', "Can't initialise resources\n/DATA30.RES: 117901063 slots do not fit in the 996 bytes after the count"]);
  await screenshot(page, 'message-box');
  await page.click('#message button');
  await page.waitForSelector('#ended:not([hidden])');
  await page.close();
});
