// A zip archive of files stored as they are (no compression), which every unzip tool reads: a local header
// before each file, then the central directory and its end record. Names are UTF-8 (flag bit 11).

const CRC_TABLE = (() => {
    const table = new Uint32Array(256);
    for (let n = 0; n < 256; n++) {
        let c = n;
        for (let k = 0; k < 8; k++) c = c & 1 ? 0xedb88320 ^ (c >>> 1) : c >>> 1;
        table[n] = c >>> 0;
    }
    return table;
})();

export function crc32(bytes) {
    let crc = 0xffffffff;
    for (const byte of bytes) crc = CRC_TABLE[(crc ^ byte) & 0xff] ^ (crc >>> 8);
    return (crc ^ 0xffffffff) >>> 0;
}

// MS-DOS time and date, in local time as unzip tools show them; years before 1980 cannot be written.
function dosTime(date) {
    const year = Math.max(date.getFullYear(), 1980);
    return {
        time: (date.getHours() << 11) | (date.getMinutes() << 5) | (date.getSeconds() >> 1),
        day: ((year - 1980) << 9) | ((date.getMonth() + 1) << 5) | date.getDate(),
    };
}

class ByteWriter {
    constructor() {
        this.parts = [];
        this.length = 0;
    }

    numbers(...fields) {
        const size = fields.reduce((sum, [bytes]) => sum + bytes, 0);
        const view = new DataView(new ArrayBuffer(size));
        let at = 0;
        for (const [bytes, value] of fields) {
            if (bytes === 2) view.setUint16(at, value, true);
            else view.setUint32(at, value, true);
            at += bytes;
        }
        this.bytes(new Uint8Array(view.buffer));
    }

    bytes(bytes) {
        this.parts.push(bytes);
        this.length += bytes.length;
    }
}

const UTF8_NAMES = 0x0800;
const VERSION = 20;

// files: [{ name, bytes }]; returns the archive's bytes as a Blob.
export function storedZip(files, date = new Date()) {
    const { time, day } = dosTime(date);
    const out = new ByteWriter();
    const directory = new ByteWriter();
    for (const { name, bytes } of files) {
        const encodedName = new TextEncoder().encode(name);
        const crc = crc32(bytes);
        const offset = out.length;
        const common = [[2, UTF8_NAMES], [2, 0], [2, time], [2, day], [4, crc], [4, bytes.length], [4, bytes.length],
            [2, encodedName.length], [2, 0]];
        out.numbers([4, 0x04034b50], [2, VERSION], ...common);
        out.bytes(encodedName);
        out.bytes(bytes);
        directory.numbers([4, 0x02014b50], [2, VERSION], [2, VERSION], ...common, [2, 0], [2, 0], [2, 0], [4, 0], [4, offset]);
        directory.bytes(encodedName);
    }
    const directoryOffset = out.length;
    for (const part of directory.parts) out.bytes(part);
    out.numbers([4, 0x06054b50], [2, 0], [2, 0], [2, files.length], [2, files.length], [4, directory.length],
        [4, directoryOffset], [2, 0]);
    return new Blob(out.parts, { type: 'application/zip' });
}
