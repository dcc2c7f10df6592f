// Runs before the page's module, as a classic script in the oldest syntax, so
// that any browser runs it: where the program cannot run (no WebAssembly, a
// feature the page relies on missing, or a module the browser cannot parse
// or run), it shows what is needed instead of windows that do not answer.
// The module removes the notice once the program has started.
(function () {
  var notice = document.getElementById("unsupported");

  function has(object, name) {
    return typeof object === "function" && name in object.prototype;
  }

  function supported() {
    return (
      typeof WebAssembly === "object" &&
      typeof WebAssembly.instantiate === "function" &&
      typeof Promise === "function" &&
      typeof queueMicrotask === "function" &&
      has(window.HTMLScriptElement, "noModule") &&
      has(window.HTMLDialogElement, "showModal") &&
      has(window.Element, "replaceChildren")
    );
  }

  function refuse() {
    // Gone once the program has started: from then on, errors are its own.
    if (!notice.parentNode) {
      return;
    }
    notice.hidden = false;
    var stage = document.getElementById("stage");
    stage.hidden = true;
  }

  if (!supported()) {
    refuse();
    return;
  }
  // A module the browser cannot parse reports its error here, and so does
  // one that stops on a feature missing before the program has started.
  window.addEventListener("error", refuse);
  // A module the browser skipped or failed to parse has not said it ran.
  window.addEventListener("load", function () {
    if (!notice.getAttribute("data-module")) {
      refuse();
    }
  });
})();
