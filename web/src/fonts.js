// The embedded face must be ready before the graph prints on its canvas.
import { FontFamily, pointsToPixels } from "./layout.js";

export async function fontsReady(font) {
  try {
    await document.fonts?.load(`${pointsToPixels(font.points)}px ${FontFamily}`, "0.3");
  } catch {
    // Drawn in a fallback face, as the desktop does without its font.
  }
}
