// Small helpers for building the windows' elements.
import { pointsToPixels } from "./layout.js";

// An element with properties; names with a dash (aria-*, data-*) and "role"
// become attributes.
export function element(tag, properties = {}) {
  const node = document.createElement(tag);
  for (const [name, value] of Object.entries(properties)) {
    if (name.includes("-") || name === "role") {
      node.setAttribute(name, value);
    } else {
      node[name] = value;
    }
  }
  return node;
}

// Places an element at a rectangle in CSS pixels of its window's client area.
export function placeRect(node, { left, top, width, height }) {
  node.style.left = `${left}px`;
  node.style.top = `${top}px`;
  node.style.width = `${width}px`;
  node.style.height = `${height}px`;
}

export function applyFont(node, { points, bold }) {
  node.style.fontSize = `${pointsToPixels(points)}px`;
  node.style.fontWeight = bold ? "bold" : "normal";
}

// Text for screen readers only.
export function spoken(text) {
  return element("span", { className: "spoken", textContent: text });
}
