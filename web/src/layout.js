// The page's own measures: the frame around each window, how the windows
// share the stage, the message box and the page's theme. What the program
// designs for its windows (every rectangle, caption, font and colour, the
// graph's figure, the help page and the texts) comes from the core's
// design(), the same data the desktop program is built from.

const PixelsPerPoint = 96 / 72;

export function pointsToPixels(points) {
  return points * PixelsPerPoint;
}

export const FontFamily = '"Toranpu Ume P Gothic", "Ume P Gothic", "IPAPGothic", sans-serif';

// The desktop theme's colours, which the design leaves to the platform.
export const Theme = {
  windowText: "#000000",
  buttonText: "#000000",
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
  // Between the main window and the help beside or below it.
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
};

// What only a web page says.
export const PageTexts = {
  closedScreen: "終了しました。このページを閉じてください。",
  // Installed as an app there is no page to close.
  closedApp: "終了しました。",
  restart: "もう一度はじめる",
  insecureSite:
    "このページは https ではなく http で開かれているため、ネットワークがないときには使えず、アプリとして追加することもできません。",
  frameClose: "ウィンドウを閉じる",
  menuName: "コピー",
  loadFailed: "このブラウザーではプログラムを読み込めませんでした。",
};
