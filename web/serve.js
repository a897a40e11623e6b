// Serves a folder over HTTP on 127.0.0.1 (the page needs http: for its
// worklet and storage). Usage: node serve.js FOLDER [PORT]; PORT 0 picks one.
'use strict';
const http = require('http');
const fs = require('fs');
const path = require('path');

const TYPES = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript; charset=utf-8',
  '.wasm': 'application/wasm', '.png': 'image/png', '.gz': 'application/gzip',
};

function serve(root, port, ready) {
  const server = http.createServer((request, response) => {
    let name;
    try {
      name = decodeURIComponent(new URL(request.url, 'http://host').pathname);
    } catch (e) {
      response.writeHead(400).end();
      return;
    }
    if (name.endsWith('/')) name += 'index.html';
    const file = path.join(root, path.normalize(name));
    if (!file.startsWith(root + path.sep)) {
      response.writeHead(403).end();
      return;
    }
    fs.stat(file, (error, stat) => {
      if (error || !stat.isFile()) {
        response.writeHead(404, { 'Content-Type': 'text/plain' }).end('not found\n');
        return;
      }
      response.writeHead(200, {
        'Content-Type': TYPES[path.extname(file)] || 'application/octet-stream',
        'Content-Length': stat.size,
        'Cache-Control': 'no-cache',
      });
      if (request.method === 'HEAD') response.end();
      else fs.createReadStream(file).pipe(response);
    });
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
