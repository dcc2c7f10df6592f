// The three windows as designed: every rectangle in twips from its window's
// client area's top-left corner, with captions, fonts, colours and borders.
// Everything the page places comes from this one table.

export const TwipsPerPixel = 15;
const PixelsPerPoint = 96 / 72;

// Rounded to the nearest whole CSS pixel, as the desktop rounds to pixels.
export function pixels(twips) {
  return Math.floor((twips + Math.floor(TwipsPerPixel / 2)) / TwipsPerPixel);
}

export function pointsToPixels(points) {
  return points * PixelsPerPoint;
}

// A rectangle as [left, top, width, height] in twips, in CSS pixels.
export function pixelRect([left, top, width, height]) {
  return { left: pixels(left), top: pixels(top), width: pixels(width), height: pixels(height) };
}

export const FontFamily = '"Toranpu Ume P Gothic", "Ume P Gothic", "IPAPGothic", sans-serif';

// Point sizes and weights; the window default is the program's 9 pt face.
export const Fonts = {
  windowDefault: { points: 9, bold: false },
  regular1125: { points: 11.25, bold: false },
  bold1125: { points: 11.25, bold: true },
  bold12: { points: 12, bold: true },
  label: { points: 15.75, bold: false },
  labelBold: { points: 15.75, bold: true },
};

export const Colours = {
  face: "#efefef",
  white: "#ffffff",
  paleYellow: "#ffffc0",
  red: "#ff0000",
  windowText: "#000000",
  buttonText: "#000000",
  sunkenDark: "#9f9f9f",
  sunkenLight: "#ffffff",
  black: "#000000",
  lightBlue: "#0000ff",
};

export const Border = { sunken: "sunken", flat: "flat" };

// Each button in the order of the rules' Button enum, which is the tab order.
const MainButtons = [
  { caption: "トランプを引く", rect: [5520, 3960, 2175, 495], font: Fonts.bold12 },
  { caption: "トランプをきる", rect: [5520, 3360, 2175, 495], font: Fonts.bold12 },
  { caption: "終了", rect: [0, 0, 855, 375], font: Fonts.windowDefault },
  { caption: "自動 Start", rect: [840, 3120, 2175, 495], font: Fonts.bold12 },
  { caption: "自動 Stop", rect: [840, 3720, 2175, 495], font: Fonts.bold12 },
  { caption: "初期化", rect: [7680, 0, 855, 375], font: Fonts.regular1125 },
  { caption: "グラフ表示", rect: [840, 4440, 2175, 375], font: Fonts.bold1125 },
  { caption: "HELP", rect: [6840, 0, 855, 375], font: Fonts.regular1125 },
];

const sunken = (caption, rect, text) => ({
  caption, rect, font: Fonts.labelBold, back: Colours.white, text, border: Border.sunken,
});
const flat = (caption, rect, font = Fonts.label, back = Colours.white) => ({
  caption, rect, font, back, text: Colours.windowText, border: Border.flat,
});

// Label1..Label13; an empty caption is written at run time.
const MainLabels = [
  sunken("引いた３の倍数のカード枚数", [240, 1920, 4215, 375], Colours.buttonText),
  sunken("引いた全カード枚数", [240, 2400, 4215, 375], Colours.buttonText),
  sunken("", [4560, 2400, 1215, 375], Colours.red),
  sunken("", [4560, 1920, 1215, 375], Colours.red),
  sunken("≒", [5880, 2160, 495, 375], Colours.buttonText),
  sunken("", [6480, 2160, 1815, 375], Colours.red),
  flat("", [6480, 960, 1815, 375]),
  flat("≒", [5880, 960, 495, 375]),
  flat("16", [4560, 720, 1215, 375]),
  flat("52", [4560, 1200, 1215, 375]),
  flat("トランプカードの全枚数", [240, 1200, 4215, 375]),
  flat("３の倍数のカードの全枚数", [240, 720, 4215, 375]),
  flat("３の倍数のトランプカード", [2160, 0, 4215, 375], Fonts.labelBold, Colours.paleYellow),
];

export const MainLayout = {
  title: " ３の倍数のトランプカード",
  clientWidth: 8520,
  clientHeight: 5265,
  buttons: MainButtons,
  labels: MainLabels,
  // The label that is the window's heading.
  headingLabel: 13,
  // The labels in the order a screen reader reads them: row by row.
  readingOrder: [13, 12, 9, 11, 10, 8, 7, 1, 4, 2, 3, 5, 6],
  // The label each number box of the rules writes to, in NumberBox order
  // (trials, hits, frequency, theory); the first three are live regions.
  numberLabels: [3, 4, 6, 7],
  liveNumbers: 3,
  // What each number label stands for, as a screen reader names it.
  rowNames: {
    3: "引いた全カード枚数",
    4: "引いた３の倍数のカード枚数",
    6: "３の倍数のカードを引いた割合",
    7: "理論上の確率",
    9: "３の倍数のカードの全枚数",
    10: "トランプカードの全枚数",
  },
  // All 52 pictures share one rectangle; each picture is stretched to fill it.
  card: [3720, 3120, 1095, 1575],
  // A horizontal rule across the client area, under the top row of buttons.
  line1Y: 360,
  timerIntervalMs: 1,
};

// The card pictures' own size, in pixels.
export const CardPicture = { width: 69, height: 93 };

// The two secondary windows share one shape: 閉じる at the top right over a
// rule, and a surface with a sunken border below.
export const CloseCaption = "閉じる";
export const SurfaceBorderWidth = 2;

export const GraphLayout = {
  title: " グラフ",
  clientWidth: 9750,
  clientHeight: 5670,
  closeButton: [8760, 0, 975, 375],
  rule: { left: 0, right: 9720, y: 360 },
  surface: [120, 600, 9495, 4815],
  surfaceBack: Colours.white,
  font: Fonts.windowDefault,
  // Trials 0..1000 across, ratios 1.10..-0.10 down.
  scale: { left: 0, top: 0, width: 1100, height: 120 },
  name: "グラフ",
};

export const HelpLayout = {
  title: " トランプ＿ヘルプ（設問と操作方法）",
  clientWidth: 8550,
  clientHeight: 7320,
  closeButton: [7560, 0, 855, 375],
  rule: { left: 120, right: 8400, y: 360 },
  surface: [120, 480, 8295, 6735],
  surfaceBack: Colours.white,
  font: Fonts.regular1125,
  name: "設問と操作方法",
};

// The in-page frame around each window's client area, in CSS pixels.
export const Frame = {
  border: 1,
  titleBarHeight: 24,
  iconSize: 16,
};

// How the windows share the stage, in CSS pixels at scale 1.
export const StageLayout = {
  // Room left free around the stage, in the viewport's own pixels.
  viewportMargin: 8,
  // Between the main window and the help beside it.
  windowGap: 8,
  // The help beside the main window while that keeps this scale; over it,
  // moved down and right by the cascade step, when the viewport is narrower.
  minScaleBeside: 1,
  cascade: { x: 48, y: 64 },
};

export const MessageBoxLayout = {
  minWidth: 240,
  buttonWidth: 88,
  buttonHeight: 25,
  font: Fonts.windowDefault,
};

export const Texts = {
  closedScreen: "終了しました。このページを閉じてください。",
  yes: "はい",
  no: "いいえ",
  ok: "OK",
  copyResults: "結果をコピー",
  copyResultsWithHeader: "見出しと結果をコピー",
  copyGraph: "グラフをコピー",
  frameClose: "ウィンドウを閉じる",
  menuName: "コピー",
  loadFailed: "このブラウザーではプログラムを読み込めませんでした。",
};

// The suits in the order of the card pictures' blocks of 13.
export const SuitNames = ["スペード", "クローバ", "ハート", "ダイヤ"];
