// Handing the results line and the graph to other programs: the clipboard,
// and the device's share sheet where there is one. Where the browser refuses
// clipboard writes or offers no share sheet, nothing happens.

export async function copyText(text) {
  try {
    await navigator.clipboard.writeText(text);
  } catch {
    // The older way, where the asynchronous clipboard is missing or refused.
    const copy = (event) => {
      event.clipboardData.setData("text/plain", text);
      event.preventDefault();
    };
    document.addEventListener("copy", copy, { once: true });
    document.execCommand("copy");
    document.removeEventListener("copy", copy);
  }
}

// Writes a canvas as a PNG picture. The item is made at once with a promise
// of the picture, so that the click or key that asked still counts.
export async function copyPicture(canvas) {
  if (!globalThis.ClipboardItem || !navigator.clipboard?.write) {
    return;
  }
  const picture = new Promise((resolve) => canvas.toBlob(resolve, "image/png"));
  try {
    await navigator.clipboard.write([new ClipboardItem({ "image/png": picture })]);
  } catch {
    // Refused: nothing to do.
  }
}

// Whether the device can hand content to another program (a share sheet),
// for text and for a picture file.
export function shareSupport() {
  if (typeof navigator.share !== "function") {
    return { text: false, picture: false };
  }
  const can = (data) => {
    try {
      return navigator.canShare ? navigator.canShare(data) : false;
    } catch {
      return false;
    }
  };
  return {
    text: navigator.canShare ? can({ text: "0" }) : true,
    picture: can({ files: [new File([new Uint8Array(0)], PictureFileName, { type: "image/png" })] }),
  };
}

const PictureFileName = "graph.png";

export async function shareText(text) {
  try {
    await navigator.share({ text });
  } catch {
    // Cancelled, or refused: nothing to do.
  }
}

// A canvas as a PNG file to share. Made when the menu opens, so that the
// tap that chooses the item can hand it over at once, as share sheets ask.
export function pictureFile(canvas) {
  return new Promise((resolve) => canvas.toBlob(resolve, "image/png")).then(
    (blob) => blob && new File([blob], PictureFileName, { type: "image/png" }),
  );
}

export async function shareFile(file) {
  try {
    await navigator.share({ files: [await file] });
  } catch {
    // Cancelled, or refused: nothing to do.
  }
}
