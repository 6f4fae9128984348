// Texts between the page and the module's memory, as UTF-16 code units, exactly: no decoder that
// would replace a lone surrogate. Runs inside the module, beside its heap.
function petcalcRead(pointer, length) {
  const units = HEAPU16.subarray(pointer >> 1, (pointer >> 1) + length);
  let text = '';
  for (let at = 0; at < units.length; at += 8192) {
    text += String.fromCharCode.apply(null, units.subarray(at, at + 8192));
  }
  return text;
}

function petcalcCopy(text, pointer) {
  const start = pointer >> 1;
  for (let i = 0; i < text.length; ++i) HEAPU16[start + i] = text.charCodeAt(i);
}

