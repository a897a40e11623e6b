// Debian's chromium, headless, driven over the DevTools protocol, on the
// page served from 127.0.0.1: what the browser tests and figures share.
'use strict';
const fs = require('fs');
const os = require('os');
const path = require('path');
const puppeteer = require('puppeteer-core');
const { serve } = require('../serve.js');

const CHROMIUM = process.env.CHROMIUM || '/usr/bin/chromium';
// As root, on a machine whose network ends at loopback.
const FLAGS = ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync'];
const VIEWPORT = { width: 1300, height: 1000 };   // the picture fits twice over

const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// The project's server on a port of its own, so a site of its own for the
// browser (storage, service worker); served lists every answer's path and
// bytes on the wire.
async function startSite(folder) {
  const served = [];
  const server = await new Promise((ready) => serve(path.resolve(folder), 0, ready,
    (request, status, bytes) => served.push({ path: new URL(request.url, 'http://host').pathname, status, bytes })));
  return { server, served, url: `http://127.0.0.1:${server.address().port}/` };
}

async function startBrowser(folder) {
  const site = await startSite(folder);
  const others = [];
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'vantor-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: CHROMIUM, headless: true, userDataDir: profile, args: FLAGS,
    defaultViewport: VIEWPORT,
  });
  return {
    browser,
    url: site.url,
    served: site.served,
    // A browser context of its own, as a new incognito window: no storage,
    // service worker or earlier visit of any site, and all it kept goes
    // when it closes. Chromium does not call a page in it installable
    // ("in-incognito"): that takes the default context, the profile's.
    newContext() { return browser.createBrowserContext(); },
    // Another site serving a folder (by default the same one).
    async anotherSite(other = folder) {
      others.push(await startSite(other));
      return others.at(-1);
    },
    async close() {
      await browser.close();
      for (const s of [site, ...others]) s.server.close();
      fs.rmSync(profile, { recursive: true, force: true });
    },
  };
}

// A tab on the page (of session.url, or of url), in context (by default the
// browser's default one); it keeps what the page wrote to the console.
// prepare runs in the page before its own scripts; setUp(page) runs before
// the page loads (emulation, request interception).
async function openPage(session, query = '',
                        { url = session.url, prepare = null, context = session.browser, setUp = null } = {}) {
  const page = await context.newPage();
  page.consoleLines = [];
  page.on('console', (message) => page.consoleLines.push(message.text()));
  page.on('pageerror', (error) => page.consoleLines.push('page error: ' + error.message));
  if (prepare) await page.evaluateOnNewDocument(prepare);
  if (setUp) await setUp(page);
  await page.goto(url + query);
  return page;
}

async function waitFor(page, fn, arg, timeout = 60000) {
  await page.waitForFunction(fn, { timeout, polling: 50 }, arg);
}

// From the "click to start" cover to the first picture.
async function startGame(page) {
  await page.waitForSelector('#cover:not([hidden])', { timeout: 60000 });
  await page.click('#cover');
  await waitFor(page, () => window.vantor && window.vantor.stats && window.vantor.stats.presents > 0);
}

// Game frames since the start (frame waits of the pump).
function frames(page) { return page.evaluate(() => window.vantor.stats.frames); }

async function waitFrames(page, n) {
  const until = (await frames(page)) + n;
  await waitFor(page, (at) => window.vantor.stats.frames >= at, until);
}

// A file of the program's file system, or null.
function readFile(page, name) {
  return page.evaluate((file) => {
    try {
      return Array.from(window.vantor.FS.readFile(file));
    } catch (e) {
      return null;
    }
  }, name).then((bytes) => bytes && Buffer.from(bytes));
}

// Where a point of the 640 x 480 picture is on the page.
async function pagePoint(page, x, y) {
  const rect = await page.$eval('#screen', (c) => c.getBoundingClientRect().toJSON());
  return { x: rect.left + (x + 0.5) * rect.width / 640, y: rect.top + (y + 0.5) * rect.height / 480 };
}

async function clickPicture(page, x, y, button = 'left') {
  const at = await pagePoint(page, x, y);
  await page.mouse.click(at.x, at.y, { button });
}

module.exports = { startBrowser, openPage, startGame, frames, waitFrames, readFile, pagePoint,
                   clickPicture, waitFor, sleep, VIEWPORT };
