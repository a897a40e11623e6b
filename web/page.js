// The page around the game: it loads the program and its data behind a
// progress bar, waits for a click or tap (browsers start sound only after
// one), shows message boxes, notices and the end of the program, offers the
// on-screen keyboard for names, and keeps the build for starts without the
// network. Where the picture goes is the program's to say (library_vantor.js
// asks it).
'use strict';

(function () {
  const $ = (id) => document.getElementById(id);
  const canvas = $('screen');
  const LOADED = ['vantor.wasm', 'DATA30.RES', 'kelvo.res'];
  const painter = new Painter(canvas);
  const timings = { ready: 0, started: 0 };
  let loaded = null;
  let sound = null;
  let running = false;
  let started = false;
  let typingName = false;
  let touched = false;

  // Bytes received against the build's sizes of the files, for the bar.
  const progress = {
    expected: 0, received: 0,
    expect(n) { this.expected += n; this.show(); },
    add(n) { this.received += n; this.show(); },
    show() {
      const part = this.expected ? Math.min(1, this.received / this.expected) : 0;
      $('progress').firstElementChild.style.width = (part * 100).toFixed(1) + '%';
    },
  };

  // The server may send the files compressed, and then says only how large
  // the compressed copy is: the build's list tells the size of each.
  function expectSizes() {
    fetch('site.json').then((response) => response.json()).then((site) => {
      for (const name of LOADED) progress.expect(Number(site.sizes[name]) || 0);
    }).catch((e) => console.warn('no progress to show:', e));
  }

  async function fetchFile(url) {
    const response = await fetch(url);
    if (!response.ok) throw new Error(url + ': ' + response.status + ' ' + response.statusText);
    const body = response.body.pipeThrough(new TransformStream({
      transform(chunk, out) { progress.add(chunk.length); out.enqueue(chunk); },
    }));
    return new Uint8Array(await new Response(body).arrayBuffer());
  }

  // The program is compiled while the data still arrives, and once for
  // every game played on this page.
  async function load() {
    expectSizes();
    const [wasm, ...files] = LOADED;
    const [program, ...data] = await Promise.all([
      fetchFile(wasm).then((bytes) => WebAssembly.compile(bytes)),
      ...files.map(async (name) => [name, await fetchFile(name)])]);
    return { program, data };
  }

  function instantiate(imports, receive) {
    WebAssembly.instantiate(loaded.program, imports).then(
      (instance) => receive(instance, loaded.program),
      (e) => fail('The game cannot start: ' + e));
    return {};
  }

  function toggleFullScreen() {
    const stage = $('stage');
    if (document.fullscreenElement || document.webkitFullscreenElement) {
      (document.exitFullscreen || document.webkitExitFullscreen).call(document);
    } else {
      const enter = stage.requestFullscreen || stage.webkitRequestFullscreen;
      if (enter) Promise.resolve(enter.call(stage)).catch(() => {});
    }
  }

  // After the box, the focus goes on to the game's picture, or to whatever
  // the page shows once the game has ended.
  function messageBox(caption, text) {
    const dialog = $('message');
    $('message-caption').textContent = caption;
    $('message-text').textContent = text;
    dialog.showModal();
    return new Promise((resolve) => dialog.addEventListener('close', () => {
      if (running) canvas.focus();
      resolve();
    }, { once: true }));
  }

  // Said once a page, over the game, until closed.
  function notice(text) {
    if ($('notice').dataset.shown) return;
    $('notice-text').textContent = text;
    $('notice').dataset.shown = '1';
    $('notice').hidden = false;
  }

  // While a name is being typed, a tap on the picture or the keyboard
  // button brings up the on-screen keyboard; the button shows only then,
  // and only on screens that have been touched.
  function offerKeyboard(on) {
    typingName = on;
    $('keyboard').hidden = !(on && touched);
    if (!on) $('typing').blur();
  }

  function noteTouch(e) {
    if (e.pointerType === 'mouse') return;
    touched = true;
    if (typingName) $('keyboard').hidden = false;
  }

  function tapToType(e) {
    if (typingName && e.pointerType !== 'mouse') $('typing').focus({ preventScroll: true });
  }

  // The logo is shown on a first visit; later ones go straight to the title,
  // as the command line Q does, so a game left goes on within seconds.
  const VISITED = 'vantor-visited';
  function visited() {
    try {
      return localStorage.getItem(VISITED) === '1';
    } catch (e) {
      return false;
    }
  }

  function noteVisit() {
    try {
      localStorage.setItem(VISITED, '1');
    } catch (e) {
      // A browser that keeps nothing shows the logo every time.
    }
  }

  // "?--trace=/play.trace&cmd=Q": options for the program, then its command line.
  function programArguments() {
    const args = [];
    let line = visited() ? 'Q' : null;
    for (const [name, value] of new URLSearchParams(location.search)) {
      if (name.startsWith('--')) args.push(value === '' ? name : name + '=' + value);
      else if (name === 'cmd') line = value;
    }
    if (line !== null) args.push(line);
    return args;
  }

  // Before main: the data in the current folder.
  function prepareFiles(module) {
    for (const [name, bytes] of loaded.data) module.FS.writeFile('/' + name, bytes);
  }

  // A layer's button takes the focus, so Enter goes on from there.
  function show(id) {
    for (const layer of ['loading', 'cover', 'ended', 'failed']) $(layer).hidden = layer !== id;
    const button = id && $(id).querySelector('button');
    if (button) button.focus();
  }

  function fail(text) {
    running = false;
    $('failed-text').textContent = text;
    show('failed');
  }

  // What the start button was pressed with, for the game's first hints:
  // 0 a mouse, 1 a finger or pen, 2 a key (a click made by the keyboard).
  function startedBy(e) {
    if (e && (e.pointerType === 'touch' || e.pointerType === 'pen')) return 1;
    return e && e.detail === 0 && !e.pointerType ? 2 : 0;
  }

  async function start(e) {
    if (running) return;
    running = started = true;
    show(null);
    timings.started = performance.now();
    if (!sound) sound = await SoundOutput.open().catch(() => null);
    const args = programArguments();
    noteVisit();
    const module = {
      canvas,
      arguments: args,
      instantiateWasm: instantiate,
      preRun: [prepareFiles],
      print: (text) => console.log(text),
      printErr: (text) => console.warn(text),
      page: {
        sound, messageBox, toggleFullScreen, notice, offerKeyboard, textField: $('typing'), painter,
        startedBy: startedBy(e),
        // The picture takes the focus once the program has placed and shown it.
        firstFrame: () => { if (document.activeElement === document.body) canvas.focus(); },
        modalOpen: () => $('message').open,
      },
      onExit: () => { running = false; offerKeyboard(false); show('ended'); },
      onAbort: (what) => fail('The game stopped: ' + what),
    };
    window.vantor = module;   // the running game, for the console and the tests
    createVantor(module).catch((e) => fail('The game cannot start: ' + e));
  }

  // After one visit the page starts without the network, from the build
  // its service worker keeps. A newer build, found meanwhile, waits: the
  // next load hands over to it before any game starts.
  function keepForOffline() {
    const workers = navigator.serviceWorker;
    if (!workers) return;
    workers.addEventListener('controllerchange', () => { if (!started) location.reload(); });
    workers.getRegistration().then((registration) => {
      if (!started && registration && registration.waiting && workers.controller) registration.waiting.postMessage('take-over');
    }).catch(() => {});
  }

  function keepThisBuild() {
    const workers = navigator.serviceWorker;
    if (workers) workers.register('service_worker.js').catch((e) => console.warn('no start without the network:', e));
  }

  $('cover').addEventListener('click', start);
  $('again').addEventListener('click', start);
  $('fullscreen').addEventListener('click', toggleFullScreen);
  $('keyboard').addEventListener('click', () => $('typing').focus({ preventScroll: true }));
  $('notice-close').addEventListener('click', () => { $('notice').hidden = true; });
  addEventListener('pointerdown', noteTouch, true);
  canvas.addEventListener('pointerup', tapToType);
  // Below a portrait picture: a phone may be turned, a window made wider.
  // A tablet is no phone: the words speak of the screen.
  $('turn').textContent = matchMedia('(pointer: coarse)').matches
    ? 'Turn the screen sideways for a larger picture.' : 'A wider window shows a larger picture.';
  window.vantorTimings = timings;
  keepForOffline();

  load().then((files) => {
    loaded = files;
    timings.ready = performance.now();
    show('cover');
    keepThisBuild();
  }, (e) => fail('The game cannot be loaded: ' + e.message));
})();
