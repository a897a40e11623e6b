// The random players of every replay test (tests/support/players.h), their
// scripts printed by the native build's vantor_players, found beside the
// native program.
// As a program it prints a script, as vantor_players does: node players.js clicker FRAMES [SEED] | pad FRAMES
'use strict';
const { execFileSync, spawnSync } = require('child_process');
const path = require('path');
const { NATIVE_PROGRAM } = require('./game.js');

const PROGRAM = path.join(path.dirname(NATIVE_PROGRAM), 'vantor_players');

function script(...args) {
  try {
    return execFileSync(PROGRAM, args.map(String), { encoding: 'utf8', maxBuffer: 1 << 28 });
  } catch (error) {
    throw new Error(`players.js: no script from ${PROGRAM} (build its target, or set VANTOR_NATIVE_PROGRAM): ` +
                    error.message);
  }
}

// Keys are not recorded: a playback (no clicks) is given the clicker's Enters alone.
function clickerScript(frames, { seed = 12345, clicks = true } = {}) {
  return clicks ? script('clicker', frames, seed) : script('keys', frames);
}

function padScript(frames) { return script('pad', frames); }

if (require.main === module) {
  const result = spawnSync(PROGRAM, process.argv.slice(2), { stdio: 'inherit' });
  if (result.error) console.error(`players.js: ${PROGRAM}: ${result.error.message}`);
  process.exit(result.status ?? 1);
}

module.exports = { clickerScript, padScript };
