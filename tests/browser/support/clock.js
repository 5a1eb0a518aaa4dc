'use strict';
// The fake clock that every test page gets before its own scripts run: timers, animation frames (one every
// 16 ms), performance.now and Date follow window.__clock, which only the test moves.

const fs = require('node:fs');

const fakeTimersSource = fs.readFileSync(require.resolve('@sinonjs/fake-timers/src/fake-timers-src.js'), 'utf8');

// The library is a CommonJS module; in the page it gets a module object and the window as its global.
const clockScript = `(function () {
var module = { exports: {} };
var exports = module.exports;
function require(name) {
    if (name === '@sinonjs/commons') return { global: window };
    throw new Error('not in a browser: ' + name);
}
${fakeTimersSource}
window.__clock = module.exports.install({
    now: 0,
    toFake: [
        'setTimeout',
        'clearTimeout',
        'setInterval',
        'clearInterval',
        'Date',
        'requestAnimationFrame',
        'cancelAnimationFrame',
        'performance',
    ],
});
})();`;

module.exports = { clockScript };
