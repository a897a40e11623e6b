// What the tests know of the game: where its pieces sit and how to read its
// play-frame trace (one line a play frame; see src/game/play_trace.cpp).
'use strict';
const fs = require('fs');
const path = require('path');

const SOURCE = path.resolve(__dirname, '../..');
const PHASE = { idle: 1, removing: 3, swapping: 10 };
const RESTING = 1;
const CELLS = 65;

function cellAnchors() {
  const text = fs.readFileSync(path.join(SOURCE, 'src/game/cell_positions.h'), 'utf8');
  const table = text.slice(text.indexOf('CellPositions'));
  return [...table.matchAll(/\{(\d+),\s*(\d+)\}/g)].map((m) => [Number(m[1]), Number(m[2])]);
}

function parseTrace(text) {
  return text.trim().split('\n').filter(Boolean).map((line) => {
    const f = line.split(' ');
    const cells = [];
    for (let i = 0; i < CELLS; i++)
      cells.push({ state: parseInt(f[18][i * 2], 16), colour: Number(f[18][i * 2 + 1]) });
    return {
      frame: Number(f[0]), x: Number(f[1]), y: Number(f[2]), left: f[3] === '1', right: f[4] === '1',
      keys: parseInt(f[5], 16), phase: Number(f[7]), score: Number(f[9]), pieces: Number(f[11]),
      selected: Number(f[12]), cells,
    };
  });
}

// The game has ended when the board is idle with more pieces than cells.
function gameOver(frame) { return frame.phase === PHASE.idle && frame.pieces > CELLS; }

module.exports = { cellAnchors, parseTrace, gameOver, PHASE, RESTING, CELLS };
