// Compiles each script that the generation fuzz target sends, without running it, and answers with the
// syntax error or nothing. Frames both ways: a 4-byte little-endian length, then the bytes.
import vm from 'node:vm';

let pending = Buffer.alloc(0);

function answer(text) {
  const body = Buffer.from(text, 'utf8');
  const header = Buffer.alloc(4);
  header.writeUInt32LE(body.length);
  process.stdout.write(Buffer.concat([header, body]));
}

process.stdin.on('data', (chunk) => {
  pending = Buffer.concat([pending, chunk]);
  while (pending.length >= 4) {
    const length = pending.readUInt32LE(0);
    if (pending.length < 4 + length) break;
    const script = pending.subarray(4, 4 + length).toString('latin1');
    pending = pending.subarray(4 + length);
    try {
      new vm.Script(script);
      answer('');
    } catch (error) {
      answer(String(error && error.message ? error.message : error) || 'syntax error');
    }
  }
});
