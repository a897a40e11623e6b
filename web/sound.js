// The page's sound output for the game: made on the first click (browsers
// start sound only after a gesture), it plays the game's 22,050 Hz mix
// through an AudioWorklet, or through a script processor where there is no
// worklet (pages served without https other than from this machine).
// It also measures how long a change to the mix takes to reach the output.
'use strict';

class SoundOutput {
  static RATE = 22050;
  static SCRIPT_BLOCK = 1024;

  // The output, or null when the browser gives none.
  static async open() {
    const Context = window.AudioContext || window.webkitAudioContext;
    if (!Context) return null;
    let context;
    try {
      context = new Context({ sampleRate: SoundOutput.RATE });
    } catch (e) {
      try { context = new Context(); } catch (e2) { return null; }
    }
    const output = new SoundOutput(context);
    if (context.audioWorklet) {
      try {
        await context.audioWorklet.addModule('sound_worklet.js');
        output.worklet = true;
      } catch (e) {
        console.warn('no audio worklet, using a script processor:', e);
      }
    }
    if (context.resume) context.resume();
    return output;
  }

  constructor(context) {
    this.context = context;
    this.worklet = false;
    this.node = null;
    this.pull = null;
    this.written = 0;
    this.marks = [];
    this.latencies = [];
    this.dryBlocks = 0;
  }

  // pull(n) gives n samples (Uint8Array) of the mix, or null for now.
  start(pull) {
    this.stop();
    this.pull = pull;
    this.written = 0;
    this.marks = [];
    if (this.worklet) {
      this.node = new AudioWorkletNode(this.context, 'vantor-mix',
        { numberOfInputs: 0, numberOfOutputs: 1, outputChannelCount: [1] });
      this.node.port.onmessage = (e) => this.answer(e.data);
    } else {
      this.node = this.context.createScriptProcessor(SoundOutput.SCRIPT_BLOCK, 0, 1);
      this.node.onaudioprocess = (e) => this.fill(e.outputBuffer, e.playbackTime);
    }
    this.node.connect(this.context.destination);
  }

  stop() {
    if (!this.node) return;
    this.node.disconnect();
    if (this.worklet) this.node.port.onmessage = null; else this.node.onaudioprocess = null;
    this.node = null;
    this.pull = null;
  }

  take(n) {
    const samples = this.pull ? this.pull(n) : null;
    if (samples) this.written += samples.length;
    return samples;
  }

  answer(message) {
    if (message.need) {
      const samples = this.take(message.need);
      this.node.port.postMessage({ asked: message.need, samples }, samples ? [samples.buffer] : []);
    }
    if (message.played !== undefined) {
      this.dryBlocks = message.dry;
      this.measure(message.played, message.time);
    }
  }

  // The script processor's way: pull a block, stretched to the context's rate.
  fill(buffer, playbackTime) {
    const out = buffer.getChannelData(0);
    const step = SoundOutput.RATE / this.context.sampleRate;
    const start = this.written;
    const samples = this.take(Math.ceil(out.length * step)) || new Uint8Array(0);
    for (let i = 0; i < out.length; i++) {
      const at = Math.floor(i * step);
      out[i] = at < samples.length ? (samples[at] - 128) / 128 : 0;
    }
    this.measure(start, playbackTime);
  }

  // The mix changed now: its next sample carries the change.
  mark() {
    if (this.marks.length < 256) this.marks.push({ index: this.written, at: performance.now() });
  }

  // Sample `index` sounds at context time `time`: each mark it passed took
  // from its moment to the moment its sample reaches the speaker.
  measure(index, time) {
    if (!this.marks.length || !this.context.getOutputTimestamp) return;
    const stamp = this.context.getOutputTimestamp();
    while (this.marks.length && this.marks[0].index <= index) {
      const mark = this.marks.shift();
      const heard = stamp.performanceTime + (time - (index - mark.index) / SoundOutput.RATE - stamp.contextTime) * 1000;
      this.latencies.push(heard - mark.at);
      if (this.latencies.length > 4096) this.latencies.shift();
    }
  }
}

window.SoundOutput = SoundOutput;
