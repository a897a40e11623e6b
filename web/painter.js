// Draws the game's frames on the page's canvas: 640 x 480 RGBA pixels a
// frame, enlarged by whole pixels to the canvas's size (which the program
// chooses, see library_vantor.js). Where the browser can hand the canvas to
// a worker, this file runs there too and the enlarging costs the page's own
// thread nothing; elsewhere it draws on the page.
'use strict';

const FRAME_BYTES = 640 * 480 * 4;

// The drawing itself, in the worker or on the page.
function paintOn(canvas) {
  const source = typeof OffscreenCanvas === 'function'
    ? new OffscreenCanvas(640, 480) : Object.assign(document.createElement('canvas'), { width: 640, height: 480 });
  const sourceContext = source.getContext('2d', { alpha: false });
  const context = canvas.getContext('2d', { alpha: false });
  const draw = () => {
    context.imageSmoothingEnabled = false;
    context.drawImage(source, 0, 0, canvas.width, canvas.height);
  };
  return {
    // A new size shows the last frame again at once.
    size(width, height) {
      if (canvas.width === width && canvas.height === height) return;
      canvas.width = width;
      canvas.height = height;
      draw();
    },
    show(pixels) {
      sourceContext.putImageData(new ImageData(pixels, 640, 480), 0, 0);
      draw();
    },
  };
}

if (typeof WorkerGlobalScope !== 'undefined') {
  let painter = null;
  onmessage = (e) => {
    if (e.data.canvas) {
      painter = paintOn(e.data.canvas);
    } else if (e.data.size) {
      painter.size(...e.data.size);
    } else {
      painter.show(new Uint8ClampedArray(e.data.pixels));
      postMessage(e.data.pixels, [e.data.pixels]);
    }
  };
}

// The page's side: one painter for the canvas's life (a canvas goes to a
// worker only once). Two frame buffers take turns on the way to the worker;
// a frame that finds neither free waits as the latest, so the last frame a
// game shows is always drawn.
class Painter {
  constructor(canvas) {
    this.latest = new Uint8ClampedArray(FRAME_BYTES);   // also for the tests and the console
    this.width = canvas.width;
    this.height = canvas.height;
    this.free = [];
    this.waiting = false;
    if (typeof canvas.transferControlToOffscreen !== 'function' || typeof Worker !== 'function') {
      this.local = paintOn(canvas);
      return;
    }
    const offscreen = canvas.transferControlToOffscreen();
    this.worker = new Worker('painter.js');
    this.worker.postMessage({ canvas: offscreen }, [offscreen]);
    this.worker.onmessage = (e) => {
      this.free.push(e.data);
      if (this.waiting) this.send();
    };
    this.free.push(new ArrayBuffer(FRAME_BYTES), new ArrayBuffer(FRAME_BYTES));
  }

  size(width, height) {
    [this.width, this.height] = [width, height];
    if (this.local) this.local.size(width, height);
    else this.worker.postMessage({ size: [width, height] });
  }

  // Shows 640 x 480 RGBA pixels, taken at once.
  show(pixels) {
    this.latest.set(pixels);
    this.send();
  }

  send() {
    if (this.local) {
      this.local.show(this.latest);
      return;
    }
    const buffer = this.free.pop();
    this.waiting = !buffer;
    if (!buffer) return;
    new Uint8ClampedArray(buffer).set(this.latest);
    this.worker.postMessage({ pixels: buffer }, [buffer]);
  }
}
