'use strict';
// Designs for the browser tests.

const path = require('node:path');
const { readProjectFile } = require('./projectFile');

const DEFAULT_MESSAGE_LINK = 'http://www.marquetto.example/';

const DEFAULT_DESIGN = Object.freeze({
    width: '180',
    height: '215',
    topMargin: '4',
    leftMargin: '8',
    bottomMargin: '4',
    rightMargin: '8',
    paragraphSpace: '10',
    scrollerName: 'scroller_',
    textCustomFont: 'MS Sans Serif,arial,helvetica',
    titleCustomFont: 'verdana,arial,helvetica',
    textFontSize: '8',
    titleFontSize: '9',
    textLineHeight: '12',
    titleLineHeight: '14',
    textStyle: 0,
    titleStyle: 1,
    textDecoration: 0,
    textHoverDecoration: 0,
    titleDecoration: 0,
    titleHoverDecoration: 0,
    alignment: 0,
    bgColor: [255, 255, 255],
    textColor: [0, 0, 0],
    textHoverColor: [142, 6, 6],
    titleColor: [65, 74, 118],
    titleHoverColor: [185, 0, 0],
    borderColor: [92, 92, 92],
    borderWidth: '1',
    borderStyle: 0,
    bgImageOn: 0,
    bgImageName: 'tkbackground.jpg',
    bgImageX: '0',
    bgImageY: '0',
    effectStyle: 0,
    effectType: 6,
    transitionSpeed: 1,
    scrollMode: 0,
    scrollDelay: '35',
    pause: '3',
    messages: [
        { title: "What's New", text: 'Marquetto was released.', link: DEFAULT_MESSAGE_LINK, target: '_parent' },
        {
            title: 'Features',
            text: 'Easy building, testing and installation. Full customizable font characteristics. Highlighted URL links.',
            link: DEFAULT_MESSAGE_LINK,
            target: '_parent',
        },
        {
            title: 'HTML Support',
            text: 'Supports basic HTML tags. (img, B, U,  ...)',
            link: DEFAULT_MESSAGE_LINK,
            target: '_parent',
        },
    ],
});

// Every value differs from every other, so that a value in the place of another shows in the browser; the
// design saved in tests/data/generator/asymmetric, whose NOTES.md lists the values.
const ASYMMETRIC_DESIGN = Object.freeze(
    readProjectFile(path.join(__dirname, '..', '..', 'data', 'generator', 'asymmetric', 'design.tkp')),
);

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
