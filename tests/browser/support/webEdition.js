'use strict';
// The browser edition as the tests find it: the folder the build made (MARQUETTO_WEB, else build/web), its
// core loaded in Node, and the native command-line tool to compare it with.

const fs = require('node:fs');
const path = require('node:path');
const { spawnSync } = require('node:child_process');

const REPOSITORY = path.resolve(__dirname, '../../..');
const DATA = path.join(REPOSITORY, 'tests/data');
const WEB = process.env.MARQUETTO_WEB || path.join(REPOSITORY, 'build/web');
const CLI = process.env.MARQUETTO_CLI || path.join(REPOSITORY, 'build/app/marquetto-cli');

// { status, stdout, stderr } with the outputs as bytes.
function cli(args, options = {}) {
    const run = spawnSync(CLI, args, { ...options, maxBuffer: 1 << 30 });
    if (run.error) throw run.error;
    return run;
}

async function loadCore() {
    const factory = require(path.join(WEB, 'marquetto-core.js'));
    const { CoreSession } = require(path.join(WEB, 'core-session.js'));
    // Node has fetch, which the module would use for the file; it is given the bytes instead.
    return CoreSession.load(factory, { wasmBinary: fs.readFileSync(path.join(WEB, 'marquetto-core.wasm')) });
}

module.exports = { cli, loadCore, CLI, DATA, REPOSITORY, WEB };
