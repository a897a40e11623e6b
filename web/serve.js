// Serves a folder over HTTP on 127.0.0.1 (the page needs http: for its
// worklet, storage and service worker). A file with a compressed copy beside
// it (FILE.br, FILE.gz, which the build writes) goes out as that copy to a
// browser that takes it. Every answer is revalidated before reuse, so an
// unchanged file costs a short "not modified" and a new build is seen at once.
// Usage: node serve.js FOLDER [PORT]; PORT 0 picks one.
'use strict';
const http = require('http');
const fs = require('fs');
const path = require('path');

const TYPES = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript; charset=utf-8',
  '.json': 'application/json', '.webmanifest': 'application/manifest+json',
  '.wasm': 'application/wasm', '.png': 'image/png', '.txt': 'text/plain; charset=utf-8',
};
// Best first.
const ENCODINGS = [['br', '.br'], ['gzip', '.gz']];

function accepted(request) {
  return (request.headers['accept-encoding'] || '').split(',')
    .map((part) => part.trim().split(';')[0].toLowerCase());
}

// The file to send for a request: a compressed copy when there is one the
// browser takes, else the file itself; null when there is neither.
function representation(file, request, done) {
  const takes = accepted(request);
  const candidates = ENCODINGS.filter(([name]) => takes.includes(name))
    .map(([name, suffix]) => ({ path: file + suffix, encoding: name }))
    .concat({ path: file, encoding: null });
  const next = (i) => {
    if (i === candidates.length) return done(null);
    fs.stat(candidates[i].path, (error, stat) => {
      if (!error && stat.isFile()) done({ ...candidates[i], stat });
      else next(i + 1);
    });
  };
  next(0);
}

// The file a request's path names under root, or null for a path no file
// can have: one that does not decode, holds a NUL byte or a backslash, climbs
// with a dot segment (also when encoded) or is longer than any name here.
function fileFor(root, url) {
  let name;
  try {
    name = decodeURIComponent(new URL(url, 'http://host').pathname);
  } catch (e) {
    return null;
  }
  if (name.length > 1024 || /[\0\\]/.test(name)) return null;
  if (name.split('/').some((part) => part === '.' || part === '..')) return null;
  if (name.endsWith('/')) name += 'index.html';
  return path.join(root, name);
}

// served(request, status, bytes) hears of every answer: the tests count the
// bytes on the wire with it.
function serve(root, port, ready, served = () => {}) {
  const answerRequest = (request, response) => {
    const socket = request.socket;
    const before = socket.bytesWritten;
    const answer = (status, headers, body) => {
      response.writeHead(status, { 'X-Content-Type-Options': 'nosniff', ...headers });
      // One answer at a time goes out on a connection.
      response.on('finish', () => served(request, status, socket.bytesWritten - before));
      if (body && request.method !== 'HEAD') {
        // A file that goes while it is sent ends the answer, not the server.
        body.on('error', () => response.destroy());
        body.pipe(response);
      } else {
        response.end();
      }
    };
    if (request.method !== 'GET' && request.method !== 'HEAD') {
      answer(405, { Allow: 'GET, HEAD' });
      return;
    }
    const file = fileFor(root, request.url);
    if (!file) {
      answer(400, {});
      return;
    }
    representation(file, request, (chosen) => {
      if (!chosen) {
        answer(404, { 'Content-Type': 'text/plain' });
        return;
      }
      const tag = `"${chosen.stat.size.toString(36)}-${chosen.stat.mtimeMs.toString(36)}"`;
      const headers = {
        'Content-Type': TYPES[path.extname(file)] || 'application/octet-stream',
        'Cache-Control': 'no-cache', ETag: tag, Vary: 'Accept-Encoding',
      };
      if (chosen.encoding) headers['Content-Encoding'] = chosen.encoding;
      if (request.headers['if-none-match'] === tag) {
        answer(304, headers);
        return;
      }
      headers['Content-Length'] = chosen.stat.size;
      answer(200, headers, fs.createReadStream(chosen.path));
    });
  };
  const server = http.createServer((request, response) => {
    try {
      answerRequest(request, response);
    } catch (error) {
      console.error('serve.js:', request.method, JSON.stringify(request.url), error);
      if (!response.headersSent) response.writeHead(500, { 'X-Content-Type-Options': 'nosniff' });
      response.end();
    }
  });
  server.listen(port, '127.0.0.1', () => ready(server));
  return server;
}

if (require.main === module) {
  const root = path.resolve(process.argv[2] || '.');
  const port = Number(process.argv[3] || 8080);
  serve(root, port, (server) => {
    console.log(`Vantor: http://127.0.0.1:${server.address().port}/ (Ctrl+C ends)`);
  });
}

module.exports = { serve };
