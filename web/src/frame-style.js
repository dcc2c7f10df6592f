// The frame's measures and the face, as the style sheet's variables.
import { FontFamily, Frame, pointsToPixels } from "./layout.js";

export function applyFrameStyle(windowFont) {
  const root = document.documentElement.style;
  root.setProperty("--face", FontFamily);
  root.setProperty("--frame-border", `${Frame.border}px`);
  root.setProperty("--title-bar", `${Frame.titleBarHeight}px`);
  root.setProperty("--icon-size", `${Frame.iconSize}px`);
  root.setProperty("--window-font", `${pointsToPixels(windowFont.points)}px`);
}
