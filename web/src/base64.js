// The embedded files arrive as base64 text; the page hands on their bytes.
export function base64Bytes(base64) {
  const text = atob(base64);
  const data = new Uint8Array(text.length);
  for (let i = 0; i < text.length; ++i) {
    data[i] = text.charCodeAt(i);
  }
  return data.buffer;
}
