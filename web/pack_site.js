// Finishes the page's folder once everything in it is built:
//   site.json          the game's version, the build and the size of every file
//   service_worker.js  the page's offline keeper, told this build and its files
//   FILE.gz, FILE.br   smaller copies of every file that shrinks, for
//                      servers that send them to browsers taking them
// The build is a hash of the files, so the same build always gets the same
// one and any change gets a new one. Usage:
//   node pack_site.js FOLDER VERSION TEMPLATE FILE...   (the site's files, in FOLDER)
'use strict';
const crypto = require('crypto');
const fs = require('fs');
const path = require('path');
const zlib = require('zlib');

// Pictures are compressed already.
const PACKED_ALREADY = new Set(['.png']);

function smallerCopies(file, bytes) {
  const copies = {
    '.gz': zlib.gzipSync(bytes, { level: 9 }),
    '.br': zlib.brotliCompressSync(bytes, { params: {
      [zlib.constants.BROTLI_PARAM_QUALITY]: zlib.constants.BROTLI_MAX_QUALITY,
      [zlib.constants.BROTLI_PARAM_SIZE_HINT]: bytes.length } }),
  };
  for (const [suffix, copy] of Object.entries(copies)) {
    if (copy.length < bytes.length) fs.writeFileSync(file + suffix, copy);
    else fs.rmSync(file + suffix, { force: true });
  }
}

function pack(folder, version, template, names) {
  const hash = crypto.createHash('sha256');
  const sizes = {};
  for (const name of names) {
    const file = path.join(folder, name);
    const bytes = fs.readFileSync(file);
    hash.update(name + '\0' + bytes.length + '\0').update(bytes);
    sizes[name] = bytes.length;
    if (!PACKED_ALREADY.has(path.extname(name))) smallerCopies(file, bytes);
  }
  const site = { version, build: hash.digest('hex').slice(0, 16), sizes };
  const siteText = JSON.stringify(site, null, 1) + '\n';
  fs.writeFileSync(path.join(folder, 'site.json'), siteText);
  smallerCopies(path.join(folder, 'site.json'), Buffer.from(siteText));
  const keeper = fs.readFileSync(template, 'utf8').replace("'@SITE@'", JSON.stringify(site));
  const keeperFile = path.join(folder, 'service_worker.js');
  fs.writeFileSync(keeperFile, keeper);
  smallerCopies(keeperFile, Buffer.from(keeper));
}

const [folder, version, template, ...names] = process.argv.slice(2);
if (!folder || !version || !template || !names.length) {
  console.error('usage: node pack_site.js FOLDER VERSION TEMPLATE FILE...');
  process.exit(2);
}
pack(folder, version, template, names);
