// The page's side of the web backend: what src/platform/web/web_page.h
// declares. The page itself (page.js) hands in its canvas and a few hooks as
// Module.canvas and Module.page.

var LibraryVantor = {
  $Page__deps: ['$FS', '$IDBFS', '$PATH'],
  $Page__postset: 'addOnPreRun(function() { Page.openStorage(); });',
  $Page: {
    waker: null,
    soonQueue: [],
    channel: null,
    listeners: [],
    fittedRatio: 0,  // of device pixels to CSS pixels, when the canvas was last placed
    wasActive: false,
    locks: {},
    lockCount: 0,
    storageWarned: false,
    // The per-user data folder, where HIGH30 lives: IndexedDB keeps it.
    storedFolder: '/home/web_user/.local/share',
    storing: [],          // the answers of the syncs under way
    unsaved: false,       // a store failed: the files in memory are newer
    failure: '',          // why the last sync failed
    failureText: 0,       // that, for the program
    persistAsked: false,

    hooks: function() { return Module['page'] || {}; },

    // Runs fn after the events already waiting, without the clamping that
    // nested timers get.
    soon: function(fn) {
      if (!Page.channel) {
        Page.channel = new MessageChannel();
        Page.channel.port1.onmessage = function() {
          var due = Page.soonQueue;
          Page.soonQueue = [];
          due.forEach(function(f) { f(); });
        };
      }
      Page.soonQueue.push(fn);
      Page.channel.port2.postMessage(0);
    },

    wake: function() { if (Page.waker) Page.waker(); },

    // Main-thread time and frame times, for the page's figures.
    stats: function() {
      if (!Module['stats']) {
        Module['stats'] = {
          firstFrame: 0, presents: 0, frames: 0,
          frameTimes: new Float64Array(8192), busy: new Float64Array(8192),
          busySince: performance.now(), busyNow: 0,
        };
      }
      return Module['stats'];
    },

    sleep: function(ms, wakeUp) {
      var stats = Page.stats();
      stats.busyNow += performance.now() - stats.busySince;
      var done = false, timer = 0;
      function finish() {
        if (done) return;
        done = true;
        if (timer) clearTimeout(timer);
        Page.waker = null;
        stats.busySince = performance.now();
        wakeUp();
      }
      Page.waker = function() { Page.soon(finish); };
      // Timers fire late more often than early: the last millisecond is
      // waited in short yields.
      if (ms >= 2) timer = setTimeout(finish, ms - 1); else Page.soon(finish);
    },

    active: function() {
      return typeof document !== 'undefined' && !document.hidden && document.hasFocus();
    },

    activationChanged: function() {
      Page.activate(Page.active());
    },

    activate: function(active) {
      if (active === Page.wasActive) return;
      Page.wasActive = active;
      Module['_vantor_web_activate'](active ? 1 : 0);
      Page.wake();
    },

    // Left or frozen, the page may never run again: the game is told at
    // once, as when the page is hidden, so it keeps the game in play if it
    // still runs. What is sure is the copy kept at the last rest.
    leaving: function() { Page.activate(false); },

    sendKey: function(e, down) {
      var hooks = Page.hooks();
      if (hooks.modalOpen && hooks.modalOpen()) return;
      // Keys that build a word in an input method are the method's, not the game's.
      if (e.isComposing || e.keyCode === 229) return;
      var sp = stackSave();
      var keep = Module['_vantor_web_key'](allocateUTF8OnStack(e.code || ''), allocateUTF8OnStack(e.key || ''),
                                           down, e.ctrlKey || e.metaKey ? 1 : 0, e.altKey ? 1 : 0,
                                           e.repeat ? 1 : 0);
      stackRestore(sp);
      if (keep) e.preventDefault();
      // Still within the key's event, as the browser wants for full screen.
      if (keep === 2 && hooks.toggleFullScreen) hooks.toggleFullScreen();
      if (down) Page.wake();
    },

    sendText: function(text) {
      var sp = stackSave();
      Module['_vantor_web_text'](allocateUTF8OnStack(text));
      stackRestore(sp);
      Page.wake();
    },

    sendPointer: function(e, phase) {
      var kind = e.pointerType === 'pen' ? 1 : e.pointerType === 'touch' ? 2 : 0;
      Module['_vantor_web_pointer'](phase, kind, e.pointerId, e.buttons, e.clientX, e.clientY,
                                    window.devicePixelRatio || 1, performance.now());
    },

    // The canvas where the program puts the picture for this viewport, in
    // whole device pixels: prescaled and shown smooth where the factor is
    // not whole, and in a portrait viewport at the top.
    fit: function() {
      var canvas = Module['canvas'], painter = Page.hooks().painter;
      if (!painter) return;
      var ratio = window.devicePixelRatio || 1;
      Page.fittedRatio = ratio;
      var at = Module['_vantor_web_layout'](innerWidth, innerHeight, ratio) >> 2;
      var place = HEAP32.slice(at, at + 8);
      var css = function(pixels) { return pixels / ratio + 'px'; };
      var style = canvas.style;
      style.left = css(place[0]);
      style.top = css(place[1]);
      style.width = css(place[2]);
      style.height = css(place[3]);
      style.imageRendering = place[6] ? 'auto' : 'pixelated';
      style.visibility = 'visible';
      painter.size(place[4], place[5]);
      // The page's style places what goes below a portrait picture.
      var stage = canvas.parentNode;
      stage.classList.toggle('portrait', place[7] !== 0);
      stage.style.setProperty('--picture-bottom', css(place[1] + place[3]));
    },

    // The on-screen keyboard of a touch device types into a hidden field.
    // Enter and Backspace go to the game at once; text lands in the field
    // and goes once it is committed: a word an input method is still
    // composing ("B", "Bo", "Bob") goes only when it is done.
    fieldInput: function(e) {
      if (e.type === 'beforeinput') {
        var key = {insertLineBreak: '\r', insertParagraph: '\r', deleteContentBackward: '\b'}[e.inputType];
        if (!key || e.isComposing) return;
        e.preventDefault();
        Page.sendText(key);
        return;
      }
      if (e.type === 'input' && e.isComposing) return;
      var field = e.target;
      if (!field.value) return;
      var text = field.value;
      field.value = '';
      Page.sendText(text);
    },

    attach: function() {
      var canvas = Module['canvas'];
      var on = function(target, type, fn) {
        if (!target) return;
        target.addEventListener(type, fn, true);
        Page.listeners.push([target, type, fn]);
      };
      on(window, 'keydown', function(e) { Page.sendKey(e, 1); });
      on(window, 'keyup', function(e) { Page.sendKey(e, 0); });
      on(window, 'resize', Page.fit);
      on(canvas, 'pointerdown', function(e) {
        canvas.setPointerCapture(e.pointerId);
        e.preventDefault();
        Page.sendPointer(e, 0);
      });
      on(canvas, 'pointermove', function(e) { Page.sendPointer(e, 1); });
      on(canvas, 'pointerup', function(e) { Page.sendPointer(e, 2); });
      on(canvas, 'pointercancel', function(e) { Page.sendPointer(e, 3); });
      on(canvas, 'contextmenu', function(e) { e.preventDefault(); });
      on(document, 'visibilitychange', Page.activationChanged);
      on(window, 'focus', Page.activationChanged);
      on(window, 'blur', Page.activationChanged);
      on(window, 'pagehide', Page.leaving);
      on(document, 'freeze', Page.leaving);
      on(window, 'pageshow', Page.activationChanged);
      on(document, 'resume', Page.activationChanged);
      ['beforeinput', 'input', 'compositionend'].forEach(function(type) {
        on(Page.hooks().textField, type, Page.fieldInput);
      });
      Page.wasActive = Page.active();
    },

    detach: function() {
      Page.listeners.forEach(function(l) { l[0].removeEventListener(l[1], l[2], true); });
      Page.listeners = [];
    },

    sound: function() { return Page.hooks().sound || null; },

    // Every folder of the lasting storage: reading it afresh drops the ones
    // never stored yet, which the program may have just made.
    storedFolders: function() {
      var folders = [];
      var walk = function(folder) {
        folders.push(folder);
        FS.readdir(folder).forEach(function(name) {
          var entry = PATH.join2(folder, name);
          if (name !== '.' && name !== '..' && FS.isDir(FS.stat(entry).mode)) walk(entry);
        });
      };
      FS.getMounts(FS.root.mount).forEach(function(mount) {
        if (mount.type === IDBFS) walk(mount.mountpoint);
      });
      return folders;
    },

    // Before main: the stored files read in. Without IndexedDB, or when it
    // cannot be opened or read, the folder stays in memory: the game keeps
    // its scores while the page is open, and the page says so.
    openStorage: function() {
      FS.mkdirTree(Page.storedFolder);
      var missing;
      try {
        missing = typeof indexedDB === 'undefined' || !indexedDB;
      } catch (e) {
        missing = e;   // a browser that forbids it here may throw on the very look
      }
      if (missing) {
        Page.noStorage(missing === true ? 'this browser keeps no data for pages' : missing);
        return;
      }
      Page.watchStorage();
      FS.mount(IDBFS, {}, Page.storedFolder);
      addRunDependency('storage');
      FS.syncfs(true, function(error) {
        if (error) {
          FS.unmount(Page.storedFolder);
          Page.noStorage(error);
        }
        FS.mkdirTree(Page.storedFolder + '/vantor');
        removeRunDependency('storage');
      });
    },

    reason: function(error) { return String(error.message || error).replace(/\.$/, ''); },

    noStorage: function(reason) {
      var text = 'Scores and the game in play will not be kept after this page closes: ' + Page.reason(reason) + '.';
      err(text);
      if (Page.hooks().notice) Page.hooks().notice(text);
    },

    // IDBFS waits for ever on a transaction that fails as a whole (a full
    // disk fails it at the commit), and takes a failed opening for an open
    // database. Every sync, the program's own and those of fsync, is made to
    // answer once: with an error when the storage fails, gives up or stays
    // silent for 10 s.
    watchStorage: function() {
      var syncfs = IDBFS.syncfs, getDB = IDBFS.getDB;
      IDBFS.syncfs = function(mount, populate, callback) {
        var done = false;
        var answer = function(error) {
          if (done) return;
          done = true;
          clearTimeout(timer);
          Page.storing.splice(Page.storing.indexOf(answer), 1);
          callback(error || null);
        };
        var timer = setTimeout(function() { answer(new Error('the browser\'s storage does not answer')); }, 10000);
        Page.storing.push(answer);
        try {
          syncfs(mount, populate, answer);
        } catch (e) {
          answer(e);
        }
      };
      IDBFS.getDB = function(name, callback) {
        getDB(name, function(error, db) {
          if (error || !db) return callback(error || new Error('the browser\'s storage cannot be opened'));
          if (!db.vantorWatched) Page.watchDatabase(name, db);
          callback(null, db);
        });
      };
    },

    watchDatabase: function(name, db) {
      db.vantorWatched = true;
      var transaction = db.transaction;
      db.transaction = function() {
        var t = transaction.apply(db, arguments);
        t.addEventListener('abort', function() {
          var error = t.error || new Error('the browser\'s storage refused the change');
          Page.storing.slice().forEach(function(answer) { answer(error); });
        });
        return t;
      };
      // Closed under it (storage cleared): the next sync opens it afresh.
      db.addEventListener('close', function() { delete IDBFS.dbs[name]; });
    },

    // How a sync went: the reason for the program, once a line on the console.
    storageAnswered: function(error) {
      Page.failure = error ? Page.reason(error) : '';
      if (!error || Page.storageWarned) return;
      Page.storageWarned = true;
      err('the browser\'s storage failed (' + Page.failure + '); scores last until the page closes');
    },

    // Once a score is stored, the browser is asked not to clear it when short of space.
    askToPersist: function() {
      if (Page.persistAsked || typeof navigator === 'undefined' || !navigator.storage || !navigator.storage.persist) return;
      Page.persistAsked = true;
      navigator.storage.persist().catch(function() {});
    },
  },

  vantor_page_active__deps: ['$Page'],
  vantor_page_active: function() { return Page.active() ? 1 : 0; },

  vantor_page_wait__deps: ['$Page', '$Asyncify'],
  vantor_page_wait: function(ms) {
    return Asyncify.handleSleep(function(wakeUp) { Page.sleep(ms, wakeUp); });
  },

  vantor_page_frame_done__deps: ['$Page'],
  vantor_page_frame_done: function() {
    // A window moved to a denser screen keeps its size: no resize comes.
    if (Page.fittedRatio && (window.devicePixelRatio || 1) !== Page.fittedRatio) Page.fit();
    var stats = Page.stats();
    var now = performance.now();
    var slot = stats.frames % stats.frameTimes.length;
    stats.frameTimes[slot] = now;
    stats.busy[slot] = stats.busyNow + (now - stats.busySince);
    stats.busyNow = 0;
    stats.busySince = now;
    stats.frames++;
  },

  vantor_page_message_box__deps: ['$Page', '$Asyncify'],
  vantor_page_message_box: function(caption, text) {
    var c = UTF8ToString(caption), t = UTF8ToString(text);
    return Asyncify.handleSleep(function(wakeUp) {
      var show = Page.hooks().messageBox;
      if (!show) { wakeUp(); return; }
      Promise.resolve(show(c, t)).then(function() { wakeUp(); });
    });
  },

  vantor_page_listen__deps: ['$Page'],
  vantor_page_listen: function(on) { if (on) Page.attach(); else Page.detach(); },

  vantor_page_started_by__deps: ['$Page'],
  vantor_page_started_by: function() {
    return Page.hooks().startedBy | 0;
  },

  vantor_page_offer_keyboard__deps: ['$Page'],
  vantor_page_offer_keyboard: function(on) {
    if (Page.hooks().offerKeyboard) Page.hooks().offerKeyboard(!!on);
  },

  // The connected gamepads, read afresh, as GamepadSnapshot lays them out
  // (22 numbers each); the game asks once a frame, with the keyboard.
  vantor_page_gamepads: function(numbers, most) {
    var pads = typeof navigator !== 'undefined' && navigator.getGamepads ? navigator.getGamepads() : [];
    var count = 0;
    for (var i = 0; i < pads.length && count < most; i++) {
      var pad = pads[i];
      if (!pad || !pad.connected) continue;
      var at = (numbers >> 3) + count * 22;
      HEAPF64[at] = pad.mapping === 'standard' ? 1 : 0;
      for (var b = 0; b < 17; b++) {
        var button = pad.buttons[b];
        HEAPF64[at + 1 + b] = !button ? 0 : button.pressed ? 1 : Number(button.value) || 0;
      }
      for (var a = 0; a < 4; a++) HEAPF64[at + 18 + a] = Number(pad.axes[a]) || 0;
      count++;
    }
    return count;
  },

  vantor_canvas_open__deps: ['$Page'],
  vantor_canvas_open: function() {
    if (!Module['canvas'] || !Page.hooks().painter) return 0;
    Page.fit();
    return 1;
  },

  vantor_canvas_show__deps: ['$Page'],
  vantor_canvas_show: function(rgba) {
    Page.hooks().painter.show(HEAPU8.subarray(rgba, rgba + 640 * 480 * 4));
    var stats = Page.stats();
    if (stats.presents++ === 0) {
      stats.firstFrame = performance.now();
      if (Page.hooks().firstFrame) Page.hooks().firstFrame();
    }
  },

  vantor_canvas_wait_frame__deps: ['$Page', '$Asyncify'],
  vantor_canvas_wait_frame: function() {
    return Asyncify.handleSleep(function(wakeUp) {
      var done = false;
      var finish = function() { if (!done) { done = true; wakeUp(); } };
      requestAnimationFrame(finish);
      setTimeout(finish, 100);  // a hidden page draws no frames
    });
  },

  vantor_sound_open__deps: ['$Page'],
  vantor_sound_open: function() { return Page.sound() ? 1 : 0; },

  vantor_sound_run__deps: ['$Page'],
  vantor_sound_run: function(on) {
    var sound = Page.sound();
    if (!sound) return;
    if (!on) { sound.stop(); return; }
    sound.start(function(n) {
      var at = Module['_vantor_web_mix'](n);
      return at ? HEAPU8.slice(at, at + n) : null;
    });
  },

  vantor_sound_mark__deps: ['$Page'],
  vantor_sound_mark: function() { var sound = Page.sound(); if (sound) sound.mark(); },

  vantor_storage_holds__deps: ['$FS', '$IDBFS', '$PATH', '$PATH_FS'],
  vantor_storage_holds: function(path) {
    try {
      var folder = PATH.dirname(PATH_FS.resolve(UTF8ToString(path)));
      return FS.lookupPath(folder, {follow: true}).node.mount.type === IDBFS ? 1 : 0;
    } catch (e) {
      return 0;
    }
  },

  vantor_storage_lock__deps: ['$Page', '$Asyncify', '$PATH_FS'],
  vantor_storage_lock: function(path, exclusive) {
    var name = 'vantor:' + PATH_FS.resolve(UTF8ToString(path));
    return Asyncify.handleSleep(function(wakeUp) {
      if (!navigator.locks) { wakeUp(-1); return; }
      var id = ++Page.lockCount;
      var held = navigator.locks.request(name, {mode: exclusive ? 'exclusive' : 'shared', ifAvailable: true},
        function(lock) {
          if (!lock) { wakeUp(0); return; }
          return new Promise(function(release) {
            Page.locks[id] = { release: release, held: held };
            wakeUp(id);
          });
        });
      held.catch(function() { wakeUp(-1); });
    });
  },

  // Comes back once the lock is free, so that taking it again at once works.
  vantor_storage_unlock__deps: ['$Page', '$Asyncify'],
  vantor_storage_unlock: function(id) {
    var lock = Page.locks[id];
    delete Page.locks[id];
    return Asyncify.handleSleep(function(wakeUp) {
      if (!lock) { wakeUp(); return; }
      lock.release();
      lock.held.then(function() { wakeUp(); }, function() { wakeUp(); });
    });
  },

  // After a failed store the files in memory are newer than the stored
  // ones: the next reading stores them first, and while that fails too,
  // they are not read over.
  vantor_storage_sync__deps: ['$Page', '$Asyncify', '$FS', '$IDBFS', '$PATH'],
  vantor_storage_sync: function(populate) {
    var folders = populate ? Page.storedFolders() : [];
    return Asyncify.handleSleep(function(wakeUp) {
      var store = function(then) {
        FS.syncfs(false, function(error) {
          Page.unsaved = !!error;
          Page.storageAnswered(error);
          if (!error) Page.askToPersist();
          then(error);
        });
      };
      var read = function() {
        FS.syncfs(true, function(error) {
          folders.forEach(function(folder) { FS.mkdirTree(folder); });
          Page.storageAnswered(error);
          wakeUp(error ? 0 : 1);
        });
      };
      if (!populate) store(function(error) { wakeUp(error ? 0 : 1); });
      else if (Page.unsaved) store(function(error) { if (error) wakeUp(1); else read(); });
      else read();
    });
  },

  vantor_storage_failure__deps: ['$Page', 'malloc', 'free'],
  vantor_storage_failure: function() {
    if (Page.failureText) _free(Page.failureText);
    Page.failureText = allocateUTF8(Page.failure);
    return Page.failureText;
  },
};

mergeInto(LibraryManager.library, LibraryVantor);
