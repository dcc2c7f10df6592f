// A long press: a finger held about half a second with little movement, the
// touch way to ask for what a right click opens (iOS fires no contextmenu).

export const LongPressMs = 500;
// How far the finger may wander, in CSS pixels, and still be pressing.
export const LongPressSlop = 10;

// Calls `pressed(x, y)` at the finger's viewport point. A press that starts
// on what `ignore(target)` names is left to the browser (a text box's own
// callout, with its paste).
export function onLongPress(element, onPressed, { ignore = () => false } = {}) {
  let timer = null;
  let start = null;
  let pressed = false;
  const cancel = () => {
    clearTimeout(timer);
    timer = null;
  };
  element.addEventListener("pointerdown", (event) => {
    if (event.pointerType !== "touch" || !event.isPrimary) {
      return;
    }
    cancel();
    pressed = false;
    if (ignore(event.target)) {
      return;
    }
    start = { x: event.clientX, y: event.clientY, id: event.pointerId };
    timer = setTimeout(() => {
      timer = null;
      pressed = true;
      onPressed(start.x, start.y);
    }, LongPressMs);
  });
  element.addEventListener("pointermove", (event) => {
    if (timer !== null && event.pointerId === start.id) {
      if (Math.hypot(event.clientX - start.x, event.clientY - start.y) > LongPressSlop) {
        cancel();
      }
    }
  });
  for (const type of ["pointerup", "pointercancel"]) {
    element.addEventListener(type, cancel);
  }
  // The finger lifting after a long press is no tap: no click, and the
  // focus stays in what the press opened.
  element.addEventListener(
    "touchend",
    (event) => {
      if (pressed) {
        pressed = false;
        event.preventDefault();
      }
    },
    { passive: false },
  );
}
