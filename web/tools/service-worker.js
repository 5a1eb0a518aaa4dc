'use strict';
// Writes the page's service worker: node service-worker.js TEMPLATE OUT FOLDER NAME... [-- NAME...] fills in
// the names of the page's files in FOLDER that it keeps for offline use, and a version made from the bytes of
// those and of the files named after "--" (kept when the page asks for them), so that a new build installs a
// new worker that takes the new files.

const crypto = require('node:crypto');
const fs = require('node:fs');
const path = require('node:path');

function main([template, out, folder, ...rest]) {
    const split = rest.includes('--') ? rest.indexOf('--') : rest.length;
    const names = rest.slice(0, split);
    const hash = crypto.createHash('sha256');
    for (const name of rest.filter((n) => n !== '--')) {
        hash.update(name);
        hash.update(fs.readFileSync(path.join(folder, name)));
    }
    const worker = fs.readFileSync(template, 'utf8')
        .replace("'@VERSION@'", JSON.stringify(hash.digest('hex').slice(0, 16)))
        .replace('@SHELL@', names.map((name) => JSON.stringify(name)).join(', '));
    fs.writeFileSync(out, worker);
}

main(process.argv.slice(2));
