// The project's server against requests no browser of ours sends: NUL
// bytes, broken percent-encoding, dot segments, a 64 KB path and odd
// methods. Each gets an answer that serves nothing, and then the same
// server still gives chromium the page and the game starts on it.
// Usage: node serve_test.js FOLDER (a built build-web)
'use strict';
const test = require('node:test');
const assert = require('node:assert');
const net = require('net');
const path = require('path');
const b = require('./browser.js');

const folder = path.resolve(process.argv[2] || 'build-web');

// One request as raw bytes, so nothing on this side cleans it up first; the
// answer's status and headers, or the status 0 when the server said nothing.
function send(port, head) {
  return new Promise((resolve) => {
    const chunks = [];
    // Written, not ended: the server hangs up once it has answered.
    const socket = net.connect(port, '127.0.0.1', () =>
      socket.write(Buffer.concat([Buffer.from(head, 'latin1'),
        Buffer.from('\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n')])));
    socket.on('data', (chunk) => chunks.push(chunk));
    // The server may hang up on a request too large to read.
    socket.on('error', () => {});
    socket.on('close', () => {
      const [statusLine, ...lines] = Buffer.concat(chunks).toString('latin1').split('\r\n\r\n')[0].split('\r\n');
      const headers = Object.fromEntries(lines.map((line) =>
        [line.slice(0, line.indexOf(':')).toLowerCase(), line.slice(line.indexOf(':') + 1).trim()]));
      resolve({ status: Number((statusLine.match(/^HTTP\/1\.1 (\d{3})/) || [0, 0])[1]), headers });
    });
  });
}

// [request line, status, who answers]: the server answers 400 for a path no
// file can have, 405 for a method it does not take and 404 where the
// address resolves its dot segments to a file that is not there; node's
// parser refuses some before the server hears of them.
const MALFORMED = [
  ['GET /index.html%00.js HTTP/1.1', 400, 'server'],
  ['GET /%00 HTTP/1.1', 400, 'server'],
  ['GET /index.html\0.js HTTP/1.1', 400, 'node'],
  ['GET /%zz HTTP/1.1', 400, 'server'],
  ['GET /%E0%A4%A HTTP/1.1', 400, 'server'],
  ['GET /%c0%ae%c0%ae/%c0%ae%c0%ae/etc/passwd HTTP/1.1', 400, 'server'],
  ['GET /%ff HTTP/1.1', 400, 'server'],
  ['GET /..%2f..%2f..%2fetc%2fpasswd HTTP/1.1', 400, 'server'],
  ['GET /.%2e/.%2e/etc/passwd HTTP/1.1', 404, 'server'],
  ['GET /../../../etc/passwd HTTP/1.1', 404, 'server'],
  ['GET /..\\..\\etc\\passwd HTTP/1.1', 404, 'server'],
  ['GET /a%5c..%5c..%5cetc%5cpasswd HTTP/1.1', 400, 'server'],
  [`GET /${'a'.repeat(65536)} HTTP/1.1`, 431, 'node'],
  [`GET /${'%2e'.repeat(2000)} HTTP/1.1`, 400, 'server'],
  ['DELETE /index.html HTTP/1.1', 405, 'server'],
  ['PUT /index.html HTTP/1.1', 405, 'server'],
  ['OPTIONS * HTTP/1.1', 405, 'server'],
  ['BREW /pot HTTP/1.1', 400, 'node'],
  ['GET HTTP/1.1', 400, 'node'],
  ['\0\0\0\0', 400, 'node'],
];

let session;
test.before(async () => { session = await b.startBrowser(folder); });
test.after(async () => { if (session) await session.close(); });

test('malformed requests get answers that serve nothing; then the page loads and plays', async (t) => {
  const port = Number(new URL(session.url).port);
  for (const [request, status, who] of MALFORMED) {
    const answer = await send(port, request);
    const shown = JSON.stringify(request.length > 80 ? request.slice(0, 80) + '...' : request);
    assert.strictEqual(answer.status, status, `${shown} was answered ${answer.status}`);
    if (who === 'server') assert.strictEqual(answer.headers['x-content-type-options'], 'nosniff', shown);
  }
  const index = await send(port, 'GET / HTTP/1.1');
  assert.deepStrictEqual([index.status, index.headers['x-content-type-options']], [200, 'nosniff']);
  const page = await b.openPage(session, '?cmd=Q');
  await b.startGame(page);
  await b.waitFrames(page, 20);
  const cover = await page.$eval('#release', (line) => line.textContent.replace(/\s+/g, ' ').trim());
  t.diagnostic(`${MALFORMED.length} malformed requests answered; the cover says "${cover}"`);
  await page.close();
});
