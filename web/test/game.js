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
      keys: parseInt(f[5], 16), menu: f[6] === '-' ? null : Number(f[6]), phase: Number(f[7]),
      score: Number(f[9]), pieces: Number(f[11]),
      selected: Number(f[12]), cells,
    };
  });
}

// The resting pieces of one colour that hang together with cell start:
// along its spoke, and around the hub ring (row 0, which wraps round).
function groupCells(cells, start) {
  const ROWS = 5, COLUMNS = 13;
  const colour = cells[start].colour;
  const same = (i) => cells[i].state === RESTING && cells[i].colour === colour;
  if (!same(start)) return new Set();
  const group = new Set([start]);
  const open = [start];
  while (open.length) {
    const i = open.pop();
    const column = Math.floor(i / ROWS), row = i % ROWS;
    const next = [];
    if (row > 0) next.push(i - 1);
    if (row < ROWS - 1) next.push(i + 1);
    if (row === 0) next.push(((column + 1) % COLUMNS) * ROWS, ((column + COLUMNS - 1) % COLUMNS) * ROWS);
    for (const n of next) if (!group.has(n) && same(n)) { group.add(n); open.push(n); }
  }
  return group;
}

function groupSize(cells, start) { return groupCells(cells, start).size; }

// A piece of a group the right button removes (five or more), or -1.
function removableCell(frame) {
  for (let i = 0; i < CELLS; i++) if (groupSize(frame.cells, i) >= 5) return i;
  return -1;
}

// Two resting pieces of different colours to swap: the swap that leaves the
// largest group if groups are wanted, else the first; null when none.
function swapPair(frame, makeGroup = true) {
  const resting = [...frame.cells.keys()].filter((i) => frame.cells[i].state === RESTING);
  let best = null, bestSize = 0;
  for (const one of resting)
    for (const other of resting) {
      if (frame.cells[one].colour === frame.cells[other].colour) continue;
      if (!makeGroup) return [one, other];
      const cells = frame.cells.slice();
      [cells[one], cells[other]] = [cells[other], cells[one]];
      const size = Math.max(groupSize(cells, one), groupSize(cells, other));
      if (size > bestSize) [best, bestSize] = [[one, other], size];
    }
  return best;
}

// The game has ended when the board is idle with more pieces than cells.
function gameOver(frame) { return frame.phase === PHASE.idle && frame.pieces > CELLS; }

module.exports = { cellAnchors, parseTrace, gameOver, groupCells, removableCell, swapPair, PHASE, RESTING, CELLS };
