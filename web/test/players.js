// The random players of every replay test, the same on every build for a
// seed. The clicker swaps pieces at random with the left button, now and
// then right-clicks every piece in turn (which removes any group of five it
// finds) and presses Enter every 150 frames (the name entries); keys are not
// recorded, so a playback is given its Enters alone. The controller player
// presses a button every 6 frames round a cycle that moves the ring, presses
// A and B, and now and then opens the menu and resumes: games played, their
// names picked, the tables left.
// As a program it prints a script: node players.js clicker FRAMES [SEED] | pad FRAMES
'use strict';
const { cellAnchors } = require('./game.js');

function clickerScript(frames, { seed = 12345, clicks = true } = {}) {
  const anchors = cellAnchors();
  const below = (n) => ((seed = (seed * 1103515245 + 12345) >>> 0) >>> 16) % n;
  const lines = [];
  const click = (frame, [x, y], button) =>
    lines.push(`${frame} mouse ${x} ${y}`, `${frame} press ${button}`, `${frame + 1} release ${button}`);
  for (let frame = 100; frame < frames; frame += 150) lines.push(`${frame} char 13`);
  for (let frame = 40; clicks && frame < frames;) {
    for (let swaps = 0; swaps < 12; swaps++, frame += 9) click(frame, anchors[below(anchors.length)], 'left');
    for (const anchor of anchors) click((frame += 2), anchor, 'right');
    frame += 9;  // a recording keeps one button of two held together
  }
  return lines.join('\n') + '\n';
}

function padScript(frames) {
  const cycle = 'right up a right down a up up a left down down a b'.split(' ');
  const lines = ['180 pad a', '181 pad', '190 pad a', '191 pad'];
  for (let frame = 330, k = 0; frame + 40 < frames; frame += 6) {
    if (++k % 150 === 0) {
      lines.push(`${frame} pad start`, `${frame + 1} pad`, `${frame + 12} pad a`, `${frame + 13} pad`);
      frame += 40;
      continue;
    }
    lines.push(`${frame} pad ${cycle[k % cycle.length]}`, `${frame + 1} pad`);
  }
  return lines.join('\n') + '\n';
}

if (require.main === module) {
  const [player, frames, seed] = process.argv.slice(2);
  const script = player === 'pad' ? padScript(Number(frames))
    : player === 'clicker' ? clickerScript(Number(frames), seed === undefined ? {} : { seed: Number(seed) }) : null;
  if (!script || !(Number(frames) > 0)) {
    console.error('usage: node players.js clicker FRAMES [SEED] | pad FRAMES');
    process.exit(2);
  }
  process.stdout.write(script);
}

module.exports = { clickerScript, padScript };
