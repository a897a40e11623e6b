// The page around the game: it loads the program and its data behind a
// progress bar, waits for a click (browsers start sound only after one),
// and shows message boxes and the end of the program. Where the picture
// goes is the program's to say (library_vantor.js asks it).
'use strict';

(function () {
  const $ = (id) => document.getElementById(id);
  const canvas = $('screen');
  const painter = new Painter(canvas);
  // The per-user data folder, where HIGH30 lives: IndexedDB keeps it.
  const STORED = '/home/web_user/.local/share';
  const timings = { ready: 0, started: 0 };
  let loaded = null;
  let sound = null;
  let running = false;

  // Bytes received against bytes announced, for the bar.
  const progress = {
    expected: 0, received: 0,
    expect(n) { this.expected += n; this.show(); },
    add(n) { this.received += n; this.show(); },
    show() {
      const part = this.expected ? Math.min(1, this.received / this.expected) : 0;
      $('progress').firstElementChild.style.width = (part * 100).toFixed(1) + '%';
    },
  };

  async function fetchFile(url, inflate) {
    const response = await fetch(url);
    if (!response.ok) throw new Error(url + ': ' + response.status + ' ' + response.statusText);
    progress.expect(Number(response.headers.get('Content-Length')) || 0);
    let body = response.body.pipeThrough(new TransformStream({
      transform(chunk, out) { progress.add(chunk.length); out.enqueue(chunk); },
    }));
    if (inflate) body = body.pipeThrough(new DecompressionStream('gzip'));
    return new Uint8Array(await new Response(body).arrayBuffer());
  }

  // The data files come gzipped where the browser can inflate them.
  async function fetchData(name) {
    const gzipped = typeof DecompressionStream === 'function';
    return [name, await fetchFile(gzipped ? name + '.gz' : name, gzipped)];
  }

  // The program is compiled while the data still arrives, and once for
  // every game played on this page.
  async function load() {
    const [program, ...data] = await Promise.all([
      fetchFile('vantor.wasm', false).then((bytes) => WebAssembly.compile(bytes)),
      fetchData('DATA30.RES'), fetchData('kelvo.res')]);
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

  function messageBox(caption, text) {
    const dialog = $('message');
    $('message-caption').textContent = caption;
    $('message-text').textContent = text;
    dialog.showModal();
    return new Promise((resolve) => dialog.addEventListener('close', resolve, { once: true }));
  }

  // "?--trace=/play.trace&cmd=Q": options for the program, then its command line.
  function programArguments() {
    const args = [];
    let line = null;
    for (const [name, value] of new URLSearchParams(location.search)) {
      if (name.startsWith('--')) args.push(value === '' ? name : name + '=' + value);
      else if (name === 'cmd') line = value;
    }
    if (line !== null) args.push(line);
    return args;
  }

  // Before main: the data in the current folder, the stored files read in.
  function prepareFiles(module) {
    const FS = module.FS;
    for (const [name, bytes] of loaded.data) FS.writeFile('/' + name, bytes);
    FS.mkdirTree(STORED);
    try {
      FS.mount(FS.filesystems.IDBFS, {}, STORED);
    } catch (e) {
      console.warn('scores are not kept: ', e);
      FS.mkdirTree(STORED + '/vantor');
      return;
    }
    module.addRunDependency('storage');
    FS.syncfs(true, (error) => {
      if (error) console.warn('scores are not kept: the browser\'s storage cannot be reached', error);
      FS.mkdirTree(STORED + '/vantor');
      module.removeRunDependency('storage');
    });
  }

  function show(id) {
    for (const layer of ['loading', 'cover', 'ended', 'failed']) $(layer).hidden = layer !== id;
  }

  function fail(text) {
    running = false;
    $('failed-text').textContent = text;
    show('failed');
  }

  async function start() {
    if (running) return;
    running = true;
    show(null);
    timings.started = performance.now();
    if (!sound) sound = await SoundOutput.open().catch(() => null);
    const module = {
      canvas,
      arguments: programArguments(),
      instantiateWasm: instantiate,
      preRun: [prepareFiles],
      print: (text) => console.log(text),
      printErr: (text) => console.warn(text),
      page: {
        sound, messageBox, toggleFullScreen, textField: $('typing'), painter,
        modalOpen: () => $('message').open,
      },
      onExit: () => { running = false; show('ended'); },
      onAbort: (what) => fail('The game stopped: ' + what),
    };
    window.vantor = module;   // the running game, for the console and the tests
    createVantor(module).catch((e) => fail('The game cannot start: ' + e));
  }

  function offerKeyboard(e) {
    if (e.pointerType === 'touch') $('keyboard').hidden = false;
  }

  $('cover').addEventListener('click', start);
  addEventListener('keydown', (e) => {
    if (!$('cover').hidden && (e.key === 'Enter' || e.key === ' ')) start();
  });
  $('again').addEventListener('click', start);
  $('fullscreen').addEventListener('click', toggleFullScreen);
  $('keyboard').addEventListener('click', () => $('typing').focus());
  addEventListener('pointerdown', offerKeyboard, true);
  // Below a portrait picture: a phone may be turned, a window made wider.
  $('turn').textContent = matchMedia('(pointer: coarse)').matches
    ? 'Turn your phone sideways for a larger picture.' : 'A wider window shows a larger picture.';
  window.vantorTimings = timings;

  load().then((files) => {
    loaded = files;
    timings.ready = performance.now();
    show('cover');
  }, (e) => fail('The game cannot be loaded: ' + e.message));
})();
