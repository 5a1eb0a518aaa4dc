'use strict';
// Designs for the browser tests, written as project files the way the wizard saves them.

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
// same design as tests/data/generator/asymmetric, whose NOTES.md lists the values.
const ASYMMETRIC_DESIGN = Object.freeze({
    ...DEFAULT_DESIGN,
    width: '317',
    height: '229',
    topMargin: '6',
    leftMargin: '11',
    bottomMargin: '14',
    rightMargin: '3',
    paragraphSpace: '7',
    scrollerName: 'asym_',
    textCustomFont: 'Georgia, serif',
    titleCustomFont: 'Courier New, monospace',
    textFontSize: '10',
    titleFontSize: '13',
    textLineHeight: '15',
    titleLineHeight: '19',
    textStyle: 2,
    titleStyle: 1,
    textDecoration: 1,
    textHoverDecoration: 0,
    titleDecoration: 0,
    titleHoverDecoration: 1,
    alignment: 2,
    bgColor: [250, 240, 230],
    textColor: [17, 34, 51],
    titleColor: [68, 85, 102],
    textHoverColor: [119, 0, 136],
    titleHoverColor: [153, 170, 0],
    borderColor: [204, 0, 17],
    borderWidth: '2',
    borderStyle: 2,
    bgImageOn: 1,
    bgImageName: 'asym-bg.png',
    bgImageX: '21',
    bgImageY: '9',
    effectStyle: 0,
    effectType: 4,
    transitionSpeed: 3,
    scrollMode: 0,
    scrollDelay: '41',
    pause: '5',
    messages: [
        { title: 'First title', text: 'Body one<br>second line', link: 'http://example.test/one', target: '_blank' },
        { title: 'Second', text: 'Body two', link: '', target: '' },
    ],
});

// Line heights in points that are whole pixels (15pt = 20px, 12pt = 16px): a message with a one-line title
// and a one-line text is then exactly EVEN_MESSAGE_HEIGHT pixels tall in every engine.
const EVEN_LINES = Object.freeze({ titleLineHeight: '15', textLineHeight: '12' });
const EVEN_MESSAGE_HEIGHT = 36;

const FIELD_KEYS = [
    ['width', 'width'],
    ['height', 'height'],
    ['scrollerName', 'nameoftext'],
    ['scrollMode', 'scrollpage'],
    ['textFontSize', 'fontheight'],
    ['titleFontSize', 'titlheight'],
    ['pause', 'pause'],
    ['textLineHeight', 'textlineheight'],
    ['titleLineHeight', 'titlelineheight'],
    ['textCustomFont', 'custom_fontface'],
    ['titleCustomFont', 'titlecustom_fontface'],
    ['bgImageX', 'bgimgxkoor'],
    ['bgImageY', 'bgimgykoor'],
    ['borderWidth', 'border-width'],
    ['borderStyle', 'border-typ'],
    ['textDecoration', 'txtdecoration'],
    ['textHoverDecoration', 'txtmodecoration'],
    ['titleDecoration', 'titdecoration'],
    ['titleHoverDecoration', 'titmodecoration'],
    ['bgImageOn', 'bgimgvarmi'],
    ['bgImageName', 'bgimgname'],
    ['paragraphSpace', 'title-width'],
    ['transitionSpeed', 'speed'],
    ['effectType', 'effecttype'],
    ['textStyle', 'testy'],
    ['effectStyle', 'effectstyle'],
    ['titleStyle', 'tisty'],
    ['alignment', 'tiali'],
    ['scrollDelay', 'scrolldelay'],
    ['topMargin', 'topmargin'],
    ['leftMargin', 'leftmargin'],
    ['bottomMargin', 'bottommargin'],
    ['rightMargin', 'rightmargin'],
];

const COLOUR_KEYS = [
    ['borderColor', 'bordercolor'],
    ['bgColor', 'bgcolor'],
    ['textColor', 'textcolor'],
    ['titleColor', 'titlecolor'],
    ['textHoverColor', 'movecolor'],
    ['titleHoverColor', 'titlemovecolor'],
];

function record(key, value) {
    return `#%#qvo-${key}=${value}endof-qvo-${key}#%#\r\n`;
}

function colourLine(key, [red, green, blue]) {
    return (
        `#%#qvo-${key}_red=${red}endof-qvo-${key}_red` +
        `#%#qvo-${key}_green=${green}endof-qvo-${key}_green` +
        `#%#qvo-${key}_blue=${blue}endof-qvo-${key}_blue#%#\r\n`
    );
}

function design(overrides = {}) {
    return { ...DEFAULT_DESIGN, ...overrides };
}

// The project text of a design. The custom font boxes are ticked, so the font faces are the two custom texts.
function projectText(d) {
    let text = '';
    for (const [field, key] of FIELD_KEYS) text += record(key, d[field]);
    text += record('use_this', 1) + record('titleuse_this', 1);
    for (const [field, key] of COLOUR_KEYS) text += colourLine(key, d[field]);
    text += record('text-message_count', d.messages.length);
    d.messages.forEach((message, index) => {
        const n = index + 1;
        text += record(`tmessage${n}`, message.text);
        text += record(`linktext${n}`, message.link);
        text += record(`targettext${n}`, message.target);
        text += record(`titletext${n}`, message.title);
    });
    return text;
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

module.exports = { ASYMMETRIC_DESIGN, DEFAULT_DESIGN, EVEN_LINES, EVEN_MESSAGE_HEIGHT, design, evenMessages, projectText };
