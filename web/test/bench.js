// Figures of the page in Debian's chromium, headless, served from 127.0.0.1
// by the project's server:
//   loading: navigation to the start offered and to the first presented
//     frame (the start clicked as soon as offered), and the bytes the server
//     sent: a first visit with nothing kept (up to the service worker
//     keeping the build), then a repeat visit in the same profile;
//   pacing: frame intervals over 30 s of play at frameDelay 35, and the
//     main thread's time per frame (the program's own, and every task of the
//     page's as DevTools counts them), then 10 s more on a 4K screen
//     (1920 x 1080 CSS pixels at 2 device pixels each);
//   sound: how long a change to the mix takes to reach the output.
// Usage: node bench.js FOLDER [LOADS]
'use strict';
const path = require('path');
const b = require('./browser.js');
const { cellAnchors, parseTrace, swapPair, PHASE, RESTING } = require('./game.js');

const folder = path.resolve(process.argv[2] || 'build-web');
const LOADS = Number(process.argv[3] || 5);
const PACING_MS = 30000;
const LARGE = { width: 1920, height: 1080, deviceScaleFactor: 2 };

function summary(values) {
  const sorted = [...values].sort((x, y) => x - y);
  const mean = values.reduce((s, v) => s + v, 0) / values.length;
  const pick = (q) => sorted[Math.min(sorted.length - 1, Math.floor(q * sorted.length))];
  const f = (v) => +v.toFixed(2);
  return `n ${values.length}  mean ${f(mean)}  median ${f(pick(0.5))}  p95 ${f(pick(0.95))}  ` +
         `min ${f(sorted[0])}  max ${f(sorted.at(-1))}`;
}

async function visit(context, session) {
  session.served.length = 0;
  const page = await context.newPage();
  await page.goto(session.url);
  await b.startGame(page);
  const figures = await page.evaluate(() => ({
    ready: window.vantorTimings.ready, started: window.vantorTimings.started,
    firstFrame: window.vantor.stats.firstFrame }));
  await page.evaluate(() => navigator.serviceWorker.ready);   // the build kept
  await b.sleep(1500);   // the browser's check for a newer build comes a little later
  await page.close();
  return { ...figures, bytes: session.served.reduce((sum, s) => sum + s.bytes, 0) };
}

// A first and a repeat visit in a profile of their own.
async function load(session) {
  const context = await session.browser.createBrowserContext();
  const first = await visit(context, session);
  const repeat = await visit(context, session);
  await context.close();
  return { first, repeat };
}

function reportLoads(what, loads) {
  console.log('  %s:', what);
  console.log('    start offered:', summary(loads.map((l) => l.ready)));
  console.log('    first frame presented:', summary(loads.map((l) => l.firstFrame)));
  console.log('    click to first frame:', summary(loads.map((l) => l.firstFrame - l.started)));
  console.log('    bytes sent by the server:', summary(loads.map((l) => l.bytes)));
}

// The last frame of the trace, from the end of the file only, so that the
// page is not kept busy while its frames are timed.
async function lastFrame(page) {
  const line = await page.evaluate(() => {
    try {
      const FS = window.vantor.FS;
      const size = FS.stat('/play.trace').size;
      const tail = new Uint8Array(Math.min(size, 1000));
      const stream = FS.open('/play.trace', 'r');
      FS.read(stream, tail, 0, tail.length, size - tail.length);
      FS.close(stream);
      return new TextDecoder().decode(tail).trim().split('\n').at(-1);
    } catch (e) {
      return null;
    }
  });
  const frame = line && parseTrace(line)[0];
  return frame && frame.frame >= 3 ? frame : null;   // past the frames drawn under the table
}

async function playScreen(page) {
  for (;;) {
    const last = await lastFrame(page);
    if (last && last.phase === PHASE.idle && last.cells.filter((c) => c.state === RESTING).length >= 10) return;
    if (!last) await b.clickPicture(page, 600, 20);
    await b.waitFrames(page, 15);
  }
}

// Swaps now and then while the frames are timed, so that pieces move and
// sounds play.
async function keepPlaying(page, until) {
  const anchors = cellAnchors();
  while (Date.now() < until) {
    const last = await lastFrame(page);
    const pair = last.phase === PHASE.idle && last.pieces < 50 && swapPair(last);
    if (pair) {
      await b.clickPicture(page, ...anchors[pair[0]]);
      await b.waitFrames(page, 3);
      await b.clickPicture(page, ...anchors[pair[1]]);
    }
    await b.sleep(2000);
  }
}

async function taskSeconds(protocol) {
  const { metrics } = await protocol.send('Performance.getMetrics');
  return metrics.find((m) => m.name === 'TaskDuration').value;
}

async function pacing(session, viewport, ms) {
  const page = await b.openPage(session, '?--trace=/play.trace&cmd=Q');
  if (viewport) await page.setViewport(viewport);
  await b.startGame(page);
  await playScreen(page);
  const protocol = await page.target().createCDPSession();
  await protocol.send('Performance.enable');
  const tasksBefore = await taskSeconds(protocol);
  const from = await b.frames(page);
  await keepPlaying(page, Date.now() + ms);
  const taskMs = 1000 * (await taskSeconds(protocol) - tasksBefore) / (await b.frames(page) - from);
  const run = await page.evaluate((first) => {
    const stats = window.vantor.stats;
    const size = stats.frameTimes.length;
    const intervals = [], busy = [];
    for (let f = first + 1; f < stats.frames; f++) {
      intervals.push(stats.frameTimes[f % size] - stats.frameTimes[(f - 1) % size]);
      busy.push(stats.busy[f % size]);
    }
    const sound = window.vantor.page.sound;
    return { intervals, busy, latencies: sound ? sound.latencies : [],
             context: sound && { rate: sound.context.sampleRate, worklet: sound.worklet, dryBlocks: sound.dryBlocks,
                                 baseLatency: sound.context.baseLatency, outputLatency: sound.context.outputLatency } };
  }, from);
  const canvas = await page.$eval('#screen', (c) => `${c.width}x${c.height} shown ${c.style.width} x ${c.style.height}`);
  await page.close();
  return { ...run, taskMs, canvas };
}

(async () => {
  const session = await b.startBrowser(folder);
  try {
    const loads = [];
    for (let i = 0; i < LOADS; i++) loads.push(await load(session));
    console.log('loading, ms from navigation (%d loads each):', LOADS);
    reportLoads('first visit, nothing kept', loads.map((l) => l.first));
    reportLoads('repeat visit', loads.map((l) => l.repeat));
    const run = await pacing(session, null, PACING_MS);
    console.log('pacing over %d s of play at frameDelay 35, ms (canvas %s):', PACING_MS / 1000, run.canvas);
    console.log('  frame interval:', summary(run.intervals));
    console.log('  longest intervals:', [...run.intervals].sort((x, y) => y - x).slice(0, 8).map((v) => +v.toFixed(1)).join(' '));
    console.log('  main-thread time per frame:', summary(run.busy));
    console.log('  main-thread tasks per frame, all of the page\'s: %s', run.taskMs.toFixed(2));
    const large = await pacing(session, LARGE, 10000);
    console.log('on a 4K screen, 10 s, ms (canvas %s):', large.canvas);
    console.log('  frame interval:', summary(large.intervals));
    console.log('  main-thread time per frame:', summary(large.busy));
    console.log('  main-thread tasks per frame, all of the page\'s: %s', large.taskMs.toFixed(2));
    console.log('sound output:', JSON.stringify(run.context));
    if (run.latencies.length) console.log('  mix change to output, ms:', summary(run.latencies));
  } finally {
    await session.close();
  }
})().catch((error) => {
  console.error(error);
  process.exit(1);
});
