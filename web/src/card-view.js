// The card on show: one picture element whose image changes, stretched to
// its designed box. The 52 pictures are decoded once, up front, and the image
// is changed once for all the ticks of a frame, just before the frame is
// drawn, so cards cycling by cost one change of an already decoded image a
// frame, with no layout (every engine, WebKit included, keeps up with that).
import { element, placeRect } from "./dom.js";

// Pictures are stretched with smoothing until each of their pixels covers
// this many device pixels; from there on, as sharp squares.
const SharpFrom = 2;

export class CardView {
  // `sources`: the 52 pictures' addresses; `names`: what a screen reader
  // calls each card; `rect` the box in CSS pixels, `picture` the pictures' size.
  constructor({ sources, names, rect, picture }) {
    this.sources = sources;
    this.names = names;
    this.stretch = rect.width / picture.width;
    // Not draggable: on an iPad a long press on it opens the copy menu.
    this.image = element("img", { className: "card", alt: "", draggable: false });
    placeRect(this.image, rect);
    this.card = 0;
    this.changing = false;
    // Kept, so that the decoded pictures stay in the browser's memory.
    this.decoded = sources.map((source) => Object.assign(new Image(), { src: source }));
    this.ready = Promise.all(this.decoded.map((image) => image.decode()));
  }

  // Shows `card`; the name a screen reader hears changes only when asked,
  // so that cards cycling by do not flood it.
  show(card, { named }) {
    this.card = card;
    this.image.dataset.card = String(card);
    // After the handler or the frame's ticks, before anything is drawn.
    if (!this.changing) {
      this.changing = true;
      queueMicrotask(() => {
        this.changing = false;
        this.image.src = this.sources[this.card - 1];
      });
    }
    if (named) {
      this.name();
    }
  }

  name() {
    this.image.alt = this.names[this.card - 1] ?? "";
  }

  // `ratio`: device pixels per CSS pixel of the box.
  resize(ratio) {
    this.image.classList.toggle("sharp", ratio * this.stretch >= SharpFrom);
  }
}
