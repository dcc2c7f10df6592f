// The sound cues, played with the Web Audio API. Every cue follows a click, so
// the audio context is made (or resumed) inside a user gesture and autoplay
// rules let it sound. Without audio the cues stay silent and nothing else changes.

export class CuePlayer {
  // `files` maps a cue's file name to its bytes (an ArrayBuffer).
  constructor(files) {
    this.files = files;
    this.context = null;
    this.buffers = new Map();
    this.playing = null;
  }

  play(fileName) {
    const context = this.audioContext();
    if (!context || !this.files[fileName]) {
      return;
    }
    // Like the desktop's sound control: the cue before is cut off.
    this.stopPlaying();
    const source = context.createBufferSource();
    this.playing = source;
    this.decoded(context, fileName).then((buffer) => {
      if (this.playing === source && buffer) {
        source.buffer = buffer;
        source.connect(context.destination);
        source.start();
      }
    });
  }

  // Silences the page for good.
  close() {
    this.stopPlaying();
    this.context?.close().catch(() => {});
    this.context = null;
    this.files = {};
  }

  stopPlaying() {
    if (this.playing?.buffer) {
      this.playing.stop();
    }
    this.playing = null;
  }

  audioContext() {
    if (!this.context) {
      const AudioContext = globalThis.AudioContext ?? globalThis.webkitAudioContext;
      if (!AudioContext) {
        return null;
      }
      try {
        this.context = new AudioContext();
      } catch {
        return null;
      }
    }
    // Suspended before the first gesture, and on iOS "interrupted" after the
    // screen was locked or a call came in: either way the next press resumes it.
    if (this.context.state !== "running") {
      this.context.resume().catch(() => {});
    }
    return this.context;
  }

  decoded(context, fileName) {
    if (!this.buffers.has(fileName)) {
      // The callback form, which older Safari needs; decoding detaches the bytes.
      const bytes = this.files[fileName].slice(0);
      this.buffers.set(
        fileName,
        new Promise((resolve) => {
          const promise = context.decodeAudioData(bytes, resolve, () => resolve(null));
          promise?.catch(() => {});
        }),
      );
    }
    return this.buffers.get(fileName);
  }
}
