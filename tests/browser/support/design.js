'use strict';
// Designs for the browser tests.

const path = require('node:path');
const { readProjectFile } = require('./projectFile');

const DEFAULT_MESSAGE_LINK = 'http://www.marquetto.example/';

const testDesign = (...names) => Object.freeze(readProjectFile(path.join(__dirname, '..', '..', 'data', ...names)));

// The wizard's default design, as a project file typed by hand that the C++ tests read too.
const DEFAULT_DESIGN = testDesign('default-written.tkp');

// Every value differs from every other, so that a value in the place of another shows in the browser; the
// design saved in tests/data/generator/asymmetric, whose NOTES.md lists the values.
const ASYMMETRIC_DESIGN = testDesign('generator', 'asymmetric', 'design.tkp');

// Line heights in points that are whole pixels (15pt = 20px, 12pt = 16px): a message with a one-line title
// and a one-line text is then exactly EVEN_MESSAGE_HEIGHT pixels tall in every engine.
const EVEN_LINES = Object.freeze({ titleLineHeight: '15', textLineHeight: '12' });
const EVEN_MESSAGE_HEIGHT = 36;

function design(overrides = {}) {
    return { ...DEFAULT_DESIGN, ...overrides };
}

// Messages "T0", "T1", ... with the text "x", each one title line and one text line tall.
function evenMessages(count, fields = () => ({})) {
    return Array.from({ length: count }, (_, i) => ({
        title: `T${i}`,
        text: 'x',
        link: DEFAULT_MESSAGE_LINK,
        target: '_parent',
        ...fields(i),
    }));
}

module.exports = { ASYMMETRIC_DESIGN, DEFAULT_DESIGN, EVEN_LINES, EVEN_MESSAGE_HEIGHT, design, evenMessages };
