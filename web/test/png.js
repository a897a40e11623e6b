// Reads PNG files for the tests: the program's snapshots (indexed) and the
// browser's screenshots (RGB or RGBA, filtered rows). Checks every CRC.
'use strict';
const zlib = require('zlib');

const CRC_TABLE = Array.from({ length: 256 }, (_, n) => {
  let c = n;
  for (let k = 0; k < 8; k++) c = c & 1 ? 0xedb88320 ^ (c >>> 1) : c >>> 1;
  return c >>> 0;
});

function crc32(bytes) {
  let crc = 0xffffffff;
  for (const b of bytes) crc = CRC_TABLE[(crc ^ b) & 0xff] ^ (crc >>> 8);
  return (crc ^ 0xffffffff) >>> 0;
}

function paeth(a, b, c) {
  const p = a + b - c;
  const pa = Math.abs(p - a), pb = Math.abs(p - b), pc = Math.abs(p - c);
  return pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
}

// Undoes the row filters; rows of width * channels bytes (8 bits a sample).
function unfilter(data, width, height, channels) {
  const stride = width * channels;
  const out = Buffer.alloc(stride * height);
  for (let y = 0; y < height; y++) {
    const filter = data[y * (stride + 1)];
    const row = data.subarray(y * (stride + 1) + 1, (y + 1) * (stride + 1));
    for (let x = 0; x < stride; x++) {
      const a = x >= channels ? out[y * stride + x - channels] : 0;
      const b = y > 0 ? out[(y - 1) * stride + x] : 0;
      const c = x >= channels && y > 0 ? out[(y - 1) * stride + x - channels] : 0;
      const predict = [0, a, b, (a + b) >> 1, paeth(a, b, c)][filter];
      if (predict === undefined) throw new Error('bad filter ' + filter);
      out[y * stride + x] = (row[x] + predict) & 0xff;
    }
  }
  return out;
}

function decodePng(bytes) {
  if (bytes.readUInt32BE(0) !== 0x89504e47) throw new Error('not a PNG');
  let at = 8, header = null, palette = null;
  const data = [];
  while (at < bytes.length) {
    const length = bytes.readUInt32BE(at);
    const type = bytes.toString('latin1', at + 4, at + 8);
    const body = bytes.subarray(at + 8, at + 8 + length);
    if (crc32(bytes.subarray(at + 4, at + 8 + length)) !== bytes.readUInt32BE(at + 8 + length))
      throw new Error('bad CRC in ' + type);
    if (type === 'IHDR') header = body;
    if (type === 'PLTE') palette = Buffer.from(body);
    if (type === 'IDAT') data.push(body);
    at += 12 + length;
  }
  const width = header.readUInt32BE(0), height = header.readUInt32BE(4);
  const colourType = header[9];
  const channels = { 0: 1, 2: 3, 3: 1, 4: 2, 6: 4 }[colourType];
  if (header[8] !== 8 || header[12] !== 0) throw new Error('unsupported PNG');
  const pixels = unfilter(zlib.inflateSync(Buffer.concat(data)), width, height, channels);
  return { width, height, colourType, channels, palette, pixels };
}

// Distinct colours of a decoded picture.
function colourCount(png) {
  const seen = new Set();
  for (let i = 0; i < png.pixels.length; i += png.channels) {
    let key = 0;
    for (let k = 0; k < Math.min(3, png.channels); k++) key = key * 256 + png.pixels[i + k];
    seen.add(key);
  }
  return seen.size;
}

module.exports = { decodePng, colourCount };
