// The link that carries a session: '#play=' and the script, compressed with
// raw DEFLATE and written in base64url without padding.

const PREFIX = '#play=';
export const MAX_SCRIPT_BYTES = 1 << 20;  // far more than hours of pressing

const streamBytes = async (stream) => new Uint8Array(await new Response(stream).arrayBuffer());

export async function encodeLink(script) {
  const bytes = await streamBytes(new Blob([script]).stream().pipeThrough(new CompressionStream('deflate-raw')));
  let binary = '';
  for (const byte of bytes) binary += String.fromCharCode(byte);
  return PREFIX + btoa(binary).replace(/\+/g, '-').replace(/\//g, '_').replace(/=+$/, '');
}

export const isPlayLink = (hash) => hash.startsWith(PREFIX);

// The script a fragment carries. A fragment that is not base64url or not
// raw DEFLATE, or that unpacks to more than MAX_SCRIPT_BYTES, throws.
export async function decodeLink(hash) {
  const data = hash.slice(PREFIX.length);
  if (!/^[A-Za-z0-9_-]*$/.test(data) || data.length % 4 === 1) throw new Error('not base64url');
  const binary = atob(data.replace(/-/g, '+').replace(/_/g, '/'));
  const packed = Uint8Array.from(binary, (c) => c.charCodeAt(0));
  const reader = new Blob([packed]).stream().pipeThrough(new DecompressionStream('deflate-raw')).getReader();
  const parts = [];
  let size = 0;
  try {
    for (let part = await reader.read(); !part.done; part = await reader.read()) {
      size += part.value.length;
      if (size > MAX_SCRIPT_BYTES) throw new Error(`longer than ${MAX_SCRIPT_BYTES} bytes unpacked`);
      parts.push(part.value);
    }
  } catch (error) {
    reader.cancel().catch(() => {});
    throw error.name === 'TypeError' ? new Error('not raw DEFLATE data') : error;
  }
  return new TextDecoder().decode(await new Blob(parts).arrayBuffer());
}
