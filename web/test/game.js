// What the tests know of the game, as the native program describes it
// (vantor --describe): where its pieces sit, the numbers of its phases and
// cell states, and the names of its play-frame trace's fields.
// VANTOR_NATIVE_PROGRAM names the program; by default the repository's build/vantor.
'use strict';
const { execFileSync } = require('child_process');
const path = require('path');

const PROGRAM = process.env.VANTOR_NATIVE_PROGRAM || path.resolve(__dirname, '../../build/vantor');

function describe() {
  try {
    return JSON.parse(execFileSync(PROGRAM, ['--describe'], { encoding: 'utf8' }));
  } catch (error) {
    throw new Error(`game.js: no facts from ${PROGRAM} --describe (build it, or set VANTOR_NATIVE_PROGRAM): ` +
                    error.message);
  }
}

const FACTS = describe();
const PHASE = FACTS.phases;
const RESTING = FACTS.cellStates.resting;
const ROWS = FACTS.rows, COLUMNS = FACTS.columns;
const CELLS = ROWS * COLUMNS;

function cellAnchors() { return FACTS.cellAnchors.map((anchor) => anchor.slice()); }

// Fields that are not plain decimal numbers, by name.
const READ_FIELD = {
  left: (word) => word === '1',
  right: (word) => word === '1',
  keys: (word) => parseInt(word, 16),
  rng: (word) => parseInt(word, 16),
  menu: (word) => (word === '-' ? null : Number(word)),
  cells: (word) => Array.from({ length: CELLS },
    (_, i) => ({ state: parseInt(word[i * 2], 16), colour: Number(word[i * 2 + 1]) })),
};

// One object a line, its fields by the names the program gives them.
function parseTrace(text) {
  return text.trim().split('\n').filter(Boolean).map((line) => {
    const words = line.split(' ');
    return Object.fromEntries(FACTS.traceFields.map((name, i) => [name, (READ_FIELD[name] || Number)(words[i])]));
  });
}

// The resting pieces of one colour that hang together with cell start:
// along its spoke, and around the hub ring (row 0, which wraps round).
function groupCells(cells, start) {
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

const FIELDS = FACTS.traceFields;

module.exports = { NATIVE_PROGRAM: PROGRAM, cellAnchors, parseTrace, gameOver, groupCells, removableCell, swapPair, PHASE,
  RESTING, CELLS, FIELDS };
