// The web build plays the same game as the native one. Both programs run
// headless from the same input script: first recording the mouse into
// DATA32.RES, then playing that recording back. Every run must leave the
// same files, byte for byte: the play-frame trace, the recording, the mixed
// sound and the high scores; and the same pictures in their snapshots.
// Usage: node replay_test.js NATIVE_PROGRAM NODE_PROGRAM
'use strict';
const test = require('node:test');
const assert = require('node:assert');
const { spawnSync } = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');
const { decodePng } = require('./png.js');
const { parseTrace, gameOver, PHASE } = require('./game.js');
const { clickerScript, padScript } = require('./players.js');

const [nativeProgram, nodeProgram] = process.argv.slice(2).map((p) => path.resolve(p));
const RECORDING_WORD = 'ЖАВОРОНОК';
const FRAMES = 7000;
const SNAPSHOTS = '200,1500,3000,4500,6000';
const work = fs.mkdtempSync(path.join(os.tmpdir(), 'vantor-replay-'));

// One run in a fresh folder with the data files; what it left there.
function run(name, program, commandLine, script, recording) {
  const folder = path.join(work, name);
  fs.mkdirSync(path.join(folder, 'shots'), { recursive: true });
  for (const file of ['DATA30.RES', 'kelvo.res'])
    fs.copyFileSync(path.join(path.dirname(nativeProgram), file), path.join(folder, file));
  if (recording) fs.copyFileSync(recording, path.join(folder, 'DATA32.RES'));
  fs.writeFileSync(path.join(folder, 'input.txt'), script);
  const env = {
    ...process.env, VANTOR_BACKEND: 'headless', VANTOR_FRAMES: String(FRAMES), VANTOR_INPUT: 'input.txt',
    VANTOR_HOME: '', VANTOR_TRACE: 'play.trace', VANTOR_WAV: 'mix.wav', VANTOR_SNAPSHOTS: 'shots',
    VANTOR_SNAPSHOT_AT: SNAPSHOTS,
    // The web build cannot ask the system for the account's name.
    VANTOR_OWNER: 'Replay',
  };
  const command = program.endsWith('.js') ? ['node', ['--no-experimental-fetch', program, commandLine]]
                                          : [program, [commandLine]];
  const result = spawnSync(command[0], command[1], { cwd: folder, env, encoding: 'utf8' });
  assert.strictEqual(result.status, 0, `${name} failed: ${result.stderr}`);
  const read = (file) => fs.readFileSync(path.join(folder, file));
  const shots = fs.readdirSync(path.join(folder, 'shots')).sort();
  return { folder, read, shots, stderr: result.stderr };
}

function assertSameRuns(native, web) {
  for (const file of ['play.trace', 'mix.wav', 'HIGH30', 'DATA32.RES']) {
    const made = fs.existsSync(path.join(native.folder, file));
    assert.strictEqual(fs.existsSync(path.join(web.folder, file)), made, `${file} made by one build only`);
    if (made) assert.ok(native.read(file).equals(web.read(file)), `${file} differs`);
  }
  assert.strictEqual(web.stderr, native.stderr);
  assert.deepStrictEqual(web.shots, native.shots);
  assert.strictEqual(native.shots.length, SNAPSHOTS.split(',').length);
  for (const shot of native.shots) {
    const a = decodePng(native.read('shots/' + shot)), b = decodePng(web.read('shots/' + shot));
    assert.ok(a.palette.equals(b.palette) && a.pixels.equals(b.pixels), `${shot} shows another picture`);
  }
}

// What a trace holds: swaps, removals, games that ended.
function phases(trace) {
  const frames = parseTrace(trace.toString());
  return {
    swaps: frames.filter((f) => f.phase === PHASE.swapping).length,
    removals: frames.filter((f) => f.phase === PHASE.removing).length,
    ends: frames.filter(gameOver).length,
  };
}

test('a recording made by both builds is the same, and so is its playback', () => {
  const recorded = run('record-native', nativeProgram, RECORDING_WORD, clickerScript(FRAMES));
  assertSameRuns(recorded, run('record-node', nodeProgram, RECORDING_WORD, clickerScript(FRAMES)));
  const seen = phases(recorded.read('play.trace'));
  assert.ok(seen.swaps > 0 && seen.removals > 0 && seen.ends >= 2, JSON.stringify(seen));

  const recording = path.join(recorded.folder, 'DATA32.RES');
  const played = run('play-native', nativeProgram, '3', clickerScript(FRAMES, { clicks: false }), recording);
  assertSameRuns(played, run('play-node', nodeProgram, '3', clickerScript(FRAMES, { clicks: false }), recording));
  assert.ok(played.read('play.trace').equals(recorded.read('play.trace')), 'the playback plays another game');
});

test('a controller alone plays the same games on both builds, names and all', () => {
  const native = run('pad-native', nativeProgram, '', padScript(FRAMES));
  assertSameRuns(native, run('pad-node', nodeProgram, '', padScript(FRAMES)));
  const frames = parseTrace(native.read('play.trace').toString());
  assert.ok(frames.some((f) => f.menu === 3) && phases(native.read('play.trace')).ends >= 2, 'the script missed the game');
  assert.ok(native.read('HIGH30').length >= 80, 'no names were picked');
});

test.after(() => process.env.KEEP || fs.rmSync(work, { recursive: true, force: true }));
