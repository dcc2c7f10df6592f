// The single file's size by part, as embedded (base64 where binary).
const encoded = (bytes) => Math.ceil(bytes.length / 3) * 4;
const assetBytes = (bytesList) => bytesList.reduce((sum, bytes) => sum + encoded(bytes), 0);

export function sizeReport(html, { wasm, pictures, icon, font, cues }) {
  const sizes = {
    total: Buffer.byteLength(html),
    webAssembly: encoded(wasm),
    // The icon stands twice: the page's own and the one it hands the program.
    pictures: assetBytes(pictures) + 2 * encoded(icon),
    font: encoded(font),
    cues: assetBytes(Object.values(cues)),
  };
  sizes.code = sizes.total - sizes.webAssembly - sizes.pictures - sizes.font - sizes.cues;
  return sizes;
}
