// A class's results lines, as a teacher collects them in a spreadsheet: a
// header, then a row per pupil with a name and the program's nine columns
// (trials, hits, the ratio, the theoretical probability and the hits by
// trial 10, 50, 100, 500 and 1000), each pupil's 1000 draws made by a seeded
// generator so that every run gets the same class. For the tests, the
// benchmark and the screenshots.

const Checkpoints = [10, 50, 100, 500, 1000];
const HitsInDeck = 16;
const CardsInDeck = 52;
const TrialsEach = 1000;

export const ClassHeader = [
  "名前",
  "引いた全カード枚数",
  "引いた３の倍数のカード枚数",
  "３の倍数のカードを引いた割合",
  "理論上の確率",
  ...Checkpoints.map((trial) => `${trial}回目までに引いた３の倍数のカード枚数`),
].join("\t");

// Two lines the rules refuse: more hits than trials, and a ratio that is not
// hits / trials.
export const BadLines = ["山田\t40\t50", "鈴木\t1000\t300\t0.3100000\t0.3076923"];

// A small generator with a fixed seed (mulberry32).
function generator(seed) {
  let state = seed >>> 0;
  return () => {
    state = (state + 0x6d2b79f5) >>> 0;
    let t = state;
    t = Math.imul(t ^ (t >>> 15), t | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
}

// `pupils` lines (at most 1000 taken by the rules), tab-separated, after the
// header; `separator` joins the fields. Returns the text's lines and the
// totals the class pools to.
export function classLines({ pupils = 35, separator = "\t", seed = 28 } = {}) {
  const random = generator(seed);
  const lines = [ClassHeader.replaceAll("\t", separator)];
  let hits = 0;
  for (let pupil = 1; pupil <= pupils; ++pupil) {
    const byCheckpoint = [];
    let count = 0;
    for (let trial = 1; trial <= TrialsEach; ++trial) {
      count += Math.floor(random() * CardsInDeck) < HitsInDeck ? 1 : 0;
      if (Checkpoints.includes(trial)) {
        byCheckpoint.push(count);
      }
    }
    hits += count;
    const ratio = (count / TrialsEach).toFixed(7);
    lines.push([`${pupil}番`, TrialsEach, count, ratio, "0.3076923", ...byCheckpoint].join(separator));
  }
  const trials = pupils * TrialsEach;
  return { lines, pupils, trials, hits, ratio: (hits / trials).toFixed(7) };
}

// The bytes of a text in Shift_JIS, as Excel saves a CSV in Japan: ASCII as
// it is, every other character by the code the browser's decoder maps to it.
export function shiftJisBytes(text) {
  const decoder = new TextDecoder("shift_jis");
  const codes = new Map();
  for (const lead of [...range(0x81, 0x9f), ...range(0xe0, 0xef)]) {
    for (const trail of range(0x40, 0xfc)) {
      const character = decoder.decode(new Uint8Array([lead, trail]));
      if (!codes.has(character)) {
        codes.set(character, [lead, trail]);
      }
    }
  }
  const bytes = [];
  for (const character of text) {
    const code = character.codePointAt(0);
    bytes.push(...(code < 0x80 ? [code] : codes.get(character)));
  }
  return new Uint8Array(bytes);
}

function range(first, last) {
  return Array.from({ length: last - first + 1 }, (_, i) => first + i);
}
