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

// What Tab reaches inside a container: its enabled buttons and the elements
// given a tab stop, in document order.
function tabStops(container) {
  return [...container.querySelectorAll("button, [tabindex]")].filter(
    (node) => node.tabIndex >= 0 && !node.disabled && node.getClientRects().length > 0,
  );
}

// Keeps Tab and Shift+Tab cycling among a container's tab stops, as in a
// window of its own: from the last stop Tab goes to the first, and back.
export function keepTabInside(container) {
  container.addEventListener("keydown", (event) => {
    if (event.key !== "Tab" || event.altKey || event.ctrlKey || event.metaKey) {
      return;
    }
    const stops = tabStops(container);
    if (stops.length === 0) {
      return;
    }
    const first = stops[0];
    const last = stops[stops.length - 1];
    const at = stops.indexOf(document.activeElement);
    if (event.shiftKey && at <= 0) {
      event.preventDefault();
      last.focus();
    } else if (!event.shiftKey && (at === -1 || at === stops.length - 1)) {
      event.preventDefault();
      first.focus();
    }
  });
}
