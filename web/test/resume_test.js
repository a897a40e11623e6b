// A game the program leaves before its end goes on at the next start. The
// native build plays a game through once; every program given is closed at
// a rest of that game, or killed at a random moment, and started again in
// the same folder: the title and the table are clicked through, the curtain
// opens on the kept board, and fed the same mouse as before it must play
// that game's frames as they were.
// Usage: node resume_test.js NATIVE_PROGRAM [PROGRAM...]  (a .js runs under node, a .exe under wine)
'use strict';
const test = require('node:test');
const assert = require('node:assert');
const { spawn, spawnSync } = require('child_process');
const { once } = require('events');
const fs = require('fs');
const os = require('os');
const path = require('path');
const { clickerScript } = require('./players.js');
const { underWine } = require('./wine.js');
const { parseTrace, gameOver, PHASE, CELLS, FIELDS } = require('./game.js');

const programs = process.argv.slice(2).map((p) => path.resolve(p));
const nativeProgram = programs[0];
const FRAMES = 7000;
const KILLS = 3;
// A run to be killed plays on past its script: a start-up quicker than the
// timed one (wine's first start is the slow one) must not let it end first.
const UNTIL_KILLED = 1000000;
const work = fs.mkdtempSync(path.join(os.tmpdir(), 'vantor-resume-'));

// The clicker of every replay test (players.js).
const playerScript = () => clickerScript(FRAMES);

// Clicks at the hub every 10 frames through the title and the table (the
// curtain takes more than 10 frames to open, so none reaches the play, whose
// first frame after the opening sees the input of frame `start`); then the
// mouse of the trace lines `tail`, one a frame from there.
function resumedScript(start, tail = []) {
  const lines = [];
  for (let frame = 10; frame < start - 10; frame += 10)
    lines.push(`${frame} mouse 320 240`, `${frame} press left`, `${frame + 1} release left`);
  let was = [];
  tail.forEach((line, j) => {
    const now = ['x', 'y', 'left', 'right'].map((name) => field(line, name));
    if (now[0] !== was[0] || now[1] !== was[1]) lines.push(`${start + j} mouse ${now[0]} ${now[1]}`);
    for (const [k, button] of [[2, 'left'], [3, 'right']])
      if (now[k] !== (was[k] ?? '0')) lines.push(`${start + j} ${now[k] === '1' ? 'press' : 'release'} ${button}`);
    was = now;
  });
  return lines.join('\n') + '\n';
}

const label = (program) => path.basename(program);
function fresh(name) {
  const folder = path.join(work, name);
  fs.mkdirSync(folder);
  for (const file of ['DATA30.RES', 'kelvo.res'])
    fs.copyFileSync(path.join(path.dirname(nativeProgram), file), path.join(folder, file));
  return folder;
}

// How a program is started in `folder`, with an empty command line so the game is kept.
function launch(program, folder, script, frames) {
  fs.writeFileSync(path.join(folder, 'input.txt'), script);
  fs.rmSync(path.join(folder, 'play.trace'), { force: true });
  const env = { ...process.env, VANTOR_BACKEND: 'headless', VANTOR_INPUT: 'input.txt', VANTOR_HOME: '',
    VANTOR_TRACE: 'play.trace', VANTOR_OWNER: 'Replay', VANTOR_FRAMES: String(frames) };
  if (program.endsWith('.js')) return ['node', ['--no-experimental-fetch', program, ''], { cwd: folder, env }];
  if (!program.endsWith('.exe')) return [program, [''], { cwd: folder, env }];
  return underWine(program, [''], { cwd: folder, env });
}

// The trace's whole lines: a killed run may have left half of one.
function traceOf(folder) {
  const file = path.join(folder, 'play.trace');
  return fs.existsSync(file) ? fs.readFileSync(file, 'utf8').split('\n').slice(0, -1) : [];
}

function run(program, folder, script, frames) {
  const result = spawnSync(...launch(program, folder, script, frames));
  assert.strictEqual(result.status, 0, `${label(program)} in ${folder} failed: ${result.stderr}`);
  return traceOf(folder);
}

// What GAME30 holds: a game in play, a finished game's score, or nothing.
function kept(folder) {
  const file = path.join(folder, 'GAME30');
  const bytes = fs.existsSync(file) ? fs.readFileSync(file) : [];
  return bytes.length ? { 1: 'play', 2: 'over' }[bytes[5]] : 'none';
}

// A trace line's word by the field's name, as written.
const field = (line, name) => line.split(' ')[FIELDS.indexOf(name)];
const phaseOf = (line) => Number(field(line, 'phase'));
const parse = (line) => parseTrace(line)[0];
const ended = (line) => gameOver(parse(line));
const state = (line) => line.slice(line.indexOf(' '));
// Idle, no click half-made and the board not full.
const atRest = (line) => phaseOf(line) === PHASE.idle && field(line, 'clickState') === '0' && Number(field(line, 'pieces')) <= CELLS;
// The first frames of rests: after a move, and after a click that chose a piece or let it go.
const restsOf = (trace) => [...trace.keys()].filter((i) => i > 0 && atRest(trace[i]) && !atRest(trace[i - 1]));
const firstDifference = (a, b) => a.findIndex((line, i) => line !== b[i]);

// The native build's game never interrupted, and how many world frames
// (intro, title, table) come before the lines of its first game.
let reference;
function wholeRun() {
  if (reference) return reference;
  const trace = run(nativeProgram, fresh('whole'), playerScript(), FRAMES);
  const end = trace.findIndex(ended);
  assert.ok(end > 0, 'the player ended no game');
  const probe = run(nativeProgram, fresh('offset'), playerScript(), 1000);
  assert.ok(probe.length > 2 && probe.length <= end, 'the first game had not begun, or had ended, by frame 1000');
  return (reference = { trace, end, offset: 1000 - probe.length });
}

// The frame whose input a resumed game's first frame after its opening sees.
// A kept game resumed with clicks at the hub long into its play (they leave
// it at its rest) traces the opening's two frames, then one for every frame
// from that one to the close.
const starts = new Map();
function playStart(program) {
  if (starts.has(program)) return starts.get(program);
  const { trace, offset } = wholeRun();
  const folder = fresh(`start-${label(program)}`);
  run(program, folder, playerScript(), restsOf(trace)[0] + offset + 1);
  const frames = 1500;
  const probe = run(program, folder, resumedScript(1000), frames);
  assert.ok(probe.length > 2 && !probe.some(ended), `${label(program)}: no resumed game to time`);
  starts.set(program, frames - probe.length + 2);
  return starts.get(program);
}

test('a game closed at a rest goes on as if never closed', async (t) => {
  const { trace: whole, end, offset } = wholeRun();
  const inGame = restsOf(whole).filter((rest) => rest < end);
  // The first rest right after a removal, one early and the game's last.
  const afterRemoval = inGame.find((rest) => {
    for (let i = rest - 1; i > 0 && phaseOf(whole[i]) !== PHASE.idle; i--)
      if (phaseOf(whole[i]) === PHASE.removing) return true;
    return false;
  });
  const [early, late] = [inGame[1], inGame.at(-1)];
  assert.ok(early < afterRemoval && afterRemoval < late, `rests ${early}, ${afterRemoval}, ${late}`);
  t.diagnostic(`closed at play frames ${early}, ${afterRemoval} and ${late} of a game ending at ${end}`);

  for (const program of programs) {
    await t.test(label(program), () => {
      const start = playStart(program);
      for (const rest of [early, afterRemoval, late]) {
        const at = `${label(program)} closed at play frame ${rest}`;
        const folder = fresh(`closed-${label(program)}-${rest}`);
        const closed = run(program, folder, playerScript(), rest + offset + 1);
        assert.strictEqual(closed.length, rest + 1, `${at}: the close missed the rest`);
        assert.strictEqual(closed[rest], whole[rest], `${at}: another frame`);
        assert.strictEqual(kept(folder), 'play', `${at}: no game kept`);

        const resumed = run(program, folder, resumedScript(start, whole.slice(rest + 1, end + 1)), start + end - rest);
        assert.strictEqual(resumed.length, 2 + end - rest, `${at}: the resumed run's play frames`);
        // Its opening's two frames, then the rest as it was.
        const [first, before] = [parse(resumed[2]), parse(whole[rest])];
        assert.strictEqual(resumed.findIndex((line) => phaseOf(line) === PHASE.idle), 2, `${at}: the opening`);
        assert.deepStrictEqual([first.score, first.cells], [before.score, before.cells], `${at}: another board`);
        const goneOn = resumed.slice(2).map(state), wasOn = whole.slice(rest + 1, end + 1).map(state);
        const differs = firstDifference(goneOn, wasOn);
        assert.strictEqual(differs, -1, `${at}: play frame ${rest + 1 + differs} differs:\n` +
          `resumed ${goneOn[differs]}\nwhole   ${wasOn[differs]}`);
        // Closed in the game-over picture, the score waits for the table.
        assert.strictEqual(kept(folder), 'over', `${at}: the finished game's score was not kept`);
      }
    });
  }
});

// What GAME30 may hold once the run that left `trace` is killed: what the
// last frame that stores left, or, killed between writing that frame to the
// trace and storing it, what the one before left. A score may already be in
// the table, leaving nothing.
function keptChoices(trace) {
  const stores = [];
  trace.forEach((line, i) => {
    if (ended(line)) stores.push([i, 'over']);
    else if (i > 0 && atRest(line) && !atRest(trace[i - 1])) stores.push([i, i]);
  });
  const choices = [stores.at(-1)?.[1] ?? 'none'];
  if (stores.length && stores.at(-1)[0] === trace.length - 1) choices.push(stores.at(-2)?.[1] ?? 'none');
  if (choices.includes('over')) choices.push('none');
  return choices;
}

// Whether a resumed game's first frame after its opening (on which no button
// is down) goes on from the rest whose first frame is line `rest` of `trace`:
// the mouse aside, the same but for the random numbers, which the idle board
// steps every other frame, and so are the rest's or those of the frame after.
function goesOnFrom(resumed, trace, rest) {
  const aside = ['frame', 'x', 'y', 'left', 'right', 'rng'].map((name) => FIELDS.indexOf(name));
  const board = (line) => line.split(' ').filter((_, i) => !aside.includes(i)).join(' ');
  const rng = (line) => line && field(line, 'rng');
  return board(resumed) === board(trace[rest]) && [rng(trace[rest]), rng(trace[rest + 1])].includes(rng(resumed));
}

// Starts a program in a fresh folder with the player's script, and says how
// long its start-up took (to its first play frame) and its play after that;
// `kill` ends it outright `delay` ms after its start or its first play frame.
async function watched(program, name, frames, kill) {
  const began = Date.now(), folder = fresh(`${name}-${label(program)}`);
  const child = spawn(...launch(program, folder, playerScript(), frames));
  let traced, timer;
  const arm = () => (timer = setTimeout(() => child.kill('SIGKILL'), kill.delay));
  if (kill && !kill.fromPlay) arm();
  const poll = setInterval(() => {
    if (traced || !fs.existsSync(path.join(folder, 'play.trace'))) return;
    traced = Date.now();
    if (kill?.fromPlay) arm();
  }, 1);
  const [, signal] = await once(child, 'exit');
  clearInterval(poll);
  clearTimeout(timer);
  const ended = Date.now();
  return { signal, folder, startUp: (traced ?? ended) - began, playing: ended - (traced ?? ended) };
}

test('a run killed at any moment goes on from a rest it passed', async (t) => {
  const { trace: whole, end, offset } = wholeRun();
  let seed = Number(process.env.KILL_SEED) || Date.now() % 1000000;
  t.diagnostic(`KILL_SEED=${seed} repeats these kills' delays`);
  const random = () => (seed = (Math.imul(seed, 1103515245) + 12345) >>> 0) / 2 ** 32;

  for (const program of programs) {
    await t.test(label(program), async (t) => {
      const start = playStart(program);
      // Its start-up, long and uneven under wine, and the first game's play.
      const { startUp, playing } = await watched(program, 'timed', end + offset + 1);
      for (let k = 0; k < KILLS; k++) {
        // One kill in the start-up, the others in play.
        const delay = Math.round(random() * (k ? playing : startUp));
        const { signal, folder } = await watched(program, `killed-${k}`, UNTIL_KILLED, { delay, fromPlay: k > 0 });
        assert.strictEqual(signal, 'SIGKILL', `${label(program)} ended before it was killed`);
        const killed = traceOf(folder);
        const at = `${label(program)} killed ${delay} ms after its ${k ? 'first play frame' : 'start'}, ` +
          `at play frame ${killed.length - 1}`;
        const differs = firstDifference(killed, whole);
        assert.ok(differs === -1 || differs >= whole.length, `${at}: play frame ${differs} is not the native one`);

        const left = kept(folder), choices = keptChoices(killed);
        const resumed = run(program, folder, resumedScript(start), start + 3);
        assert.ok(!fs.existsSync(path.join(folder, 'GAME30.damaged')), `${at}: GAME30 was damaged`);
        assert.strictEqual(resumed.length, 5, `${at}: the resumed run's play frames`);
        if (left === 'play') {
          // The killed run's frames are the whole run's as far as both go, and a frame further.
          const played = killed.length > whole.length ? killed : whole;
          const among = (rests) => rests.find((c) => typeof c === 'number' && goesOnFrom(resumed[2], played, c));
          const rest = among(choices), earlier = among(restsOf(killed));
          assert.ok(rest !== undefined, `${at}: the resumed game is at none of the rests ${choices}` +
            `${earlier === undefined ? '' : `, but at the one at play frame ${earlier}`}:\n${resumed[2]}`);
          t.diagnostic(`${at}: went on from the rest at play frame ${rest}`);
        } else {
          assert.ok(choices.includes(left), `${at}: GAME30 holds ${left}, not one of ${choices}`);
          const first = parse(resumed[2]);
          assert.ok(first.phase !== PHASE.idle && first.pieces === 0, `${at}: no new game began:\n${resumed[2]}`);
          t.diagnostic(`${at}: GAME30 held ${left}, a new game began`);
        }
      }
    });
  }
});

// GAME30's finished game, whole (its checksum read): the score and the name
// as far as typed; null while it holds anything else.
const zeroEnded = (bytes) => bytes.toString('latin1').split('\0')[0];
function waiting(folder) {
  const file = path.join(folder, 'GAME30');
  const bytes = fs.existsSync(file) ? fs.readFileSync(file) : Buffer.alloc(0);
  const fnv = (b) => b.reduce((hash, byte) => Math.imul(hash ^ byte, 16777619) >>> 0, 2166136261);
  if (bytes.length !== 56 || bytes[5] !== 2 || fnv(bytes.subarray(0, 52)) !== bytes.readUInt32LE(52)) return null;
  return { score: bytes.readInt32LE(12), name: zeroEnded(bytes.subarray(16, 52)) };
}

// HIGH30's records as they lie in the file.
function table(folder) {
  const file = path.join(folder, 'HIGH30');
  const bytes = fs.existsSync(file) ? fs.readFileSync(file) : Buffer.alloc(0);
  return Array.from({ length: Math.floor(bytes.length / 40) }, (_, i) =>
    ({ name: zeroEnded(bytes.subarray(i * 40, i * 40 + 36)), score: bytes.readInt32LE(i * 40 + 36) }));
}

test('a run killed during the name entry enters its score at the next start', async (t) => {
  const { trace: whole, end, offset } = wholeRun();
  const score = Number(field(whole[end], 'score'));
  // The player to the game's end, a click past the game-over picture, the
  // name typed long after its entry has begun (some 150 frames past the end),
  // and no Enter: the entry waits.
  const over = end + offset, typed = over + 1000;
  const script = playerScript().split('\n').filter((line) => Number(line.split(' ')[0]) <= over).concat(
    `${over + 1} release left`, `${over + 1} release right`, `${over + 30} press left`, `${over + 31} release left`,
    `${typed} type AB`).join('\n') + '\n';

  for (const program of programs) {
    await t.test(label(program), async (t) => {
      const at = label(program), folder = fresh(`named-${at}`);
      // Killed once the name is stored; a name never stored ends the run at its frame limit.
      const child = spawn(...launch(program, folder, script, typed + 100000));
      const poll = setInterval(() => waiting(folder)?.name === 'AB' && child.kill('SIGKILL'), 1);
      const [, signal] = await once(child, 'exit');
      clearInterval(poll);
      assert.strictEqual(signal, 'SIGKILL', `${at} was not killed: the name AB was never stored`);
      const killed = traceOf(folder);
      assert.strictEqual(killed.length, end + 1, `${at}: play frames after the game's end`);
      assert.strictEqual(killed[end], whole[end], `${at}: another game`);
      assert.deepStrictEqual(waiting(folder), { score, name: 'AB' }, `${at}: the score waiting`);
      assert.deepStrictEqual(table(folder), [], `${at}: the score was in the table before the next start`);

      run(program, folder, resumedScript(100), 100);
      assert.deepStrictEqual(table(folder), [{ name: 'AB', score }], `${at}: the table after the next start`);
      assert.strictEqual(kept(folder), 'none', `${at}: GAME30 still holds something`);
      assert.ok(!fs.existsSync(path.join(folder, 'GAME30.damaged')), `${at}: GAME30 was damaged`);
      t.diagnostic(`${at}: killed in the name entry, ${score} entered as AB at the next start`);
    });
  }
});

test.after(() => process.env.KEEP || fs.rmSync(work, { recursive: true, force: true }));
