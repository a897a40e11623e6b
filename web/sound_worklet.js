// The game's 8-bit mix, played from a queue that the page keeps filled: the
// processor asks for more whenever what it holds and has asked for falls
// below about 35 ms. It tells the page which sample it is at, so the page
// can tell how long a change to the mix takes to be heard.
const RATE = 22050;
const KEEP = 768;         // samples queued or asked for
const REPORT_EVERY = 4;   // blocks

class MixProcessor extends AudioWorkletProcessor {
  constructor() {
    super();
    this.chunks = [];
    this.offset = 0;      // into the first chunk
    this.queued = 0;
    this.asked = 0;
    this.played = 0;      // samples taken from the queue since the start
    this.step = RATE / sampleRate;
    this.phase = 0;
    this.previous = 0;
    this.current = 0;
    this.blocks = 0;
    this.dry = 0;         // blocks that found the queue empty
    this.port.onmessage = (e) => this.receive(e.data);
  }

  receive(message) {
    this.asked -= message.asked;
    if (message.samples && message.samples.length) {
      this.chunks.push(message.samples);
      this.queued += message.samples.length;
    }
  }

  // The next sample, -1..1; silence when the queue has run dry.
  take() {
    if (this.queued === 0) return 0;
    const chunk = this.chunks[0];
    const value = (chunk[this.offset++] - 128) / 128;
    if (this.offset === chunk.length) {
      this.chunks.shift();
      this.offset = 0;
    }
    this.queued--;
    this.played++;
    return value;
  }

  process(inputs, outputs) {
    if (this.blocks++ % REPORT_EVERY === 0)
      this.port.postMessage({ played: this.played, time: currentTime, dry: this.dry });
    if (this.queued === 0) this.dry++;
    const out = outputs[0][0];
    for (let i = 0; i < out.length; i++) {
      this.phase += this.step;
      while (this.phase >= 1) {
        this.phase -= 1;
        this.previous = this.current;
        this.current = this.take();
      }
      out[i] = this.previous + (this.current - this.previous) * this.phase;
    }
    const want = KEEP - this.queued - this.asked;
    if (want >= 128) {
      this.asked += want;
      this.port.postMessage({ need: want });
    }
    return true;
  }
}

registerProcessor('vantor-mix', MixProcessor);
