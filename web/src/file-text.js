// A class's file, opened or dropped, as text: the core tells its encoding
// from the bytes (UTF-8, with or without the byte order mark, or Shift_JIS
// as Excel saves CSV in Japan) and the browser decodes it. The bytes stay in
// the page: nothing is sent or stored.

// `rules`: encodingOf(bytes) gives { label, skip }, a TextDecoder label and
// the bytes of a byte order mark to pass over; a file over `maxBytes` is
// refused unread. Returns { text } or { refused: true }.
export async function readFileText(file, rules) {
  if (file.size > rules.maxBytes) {
    return { refused: true };
  }
  const bytes = new Uint8Array(await file.arrayBuffer());
  const { label, skip } = rules.encodingOf(bytes);
  return { text: new TextDecoder(label).decode(bytes.subarray(skip)) };
}

// The files a drop carries, or none where it carries text or nothing.
export function droppedFiles(event) {
  return [...(event.dataTransfer?.files ?? [])];
}
