'use strict';
// Designs as project files and back: one table of record keys serves both ways, so that a design read from a
// saved file and written out again names the same records. A project file holds latin1 text.

const fs = require('node:fs');

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

// The fields that hold the number of a choice or a check box; the others hold texts as typed.
const CHOICE_FIELDS = new Set([
    'scrollMode',
    'borderStyle',
    'textDecoration',
    'textHoverDecoration',
    'titleDecoration',
    'titleHoverDecoration',
    'bgImageOn',
    'transitionSpeed',
    'effectType',
    'textStyle',
    'effectStyle',
    'titleStyle',
    'alignment',
]);

const COLOUR_KEYS = [
    ['borderColor', 'bordercolor'],
    ['bgColor', 'bgcolor'],
    ['textColor', 'textcolor'],
    ['titleColor', 'titlecolor'],
    ['textHoverColor', 'movecolor'],
    ['titleHoverColor', 'titlemovecolor'],
];

// The designs here always use the custom font texts, so these boxes are ticked in every file.
const CUSTOM_FONT_TICKS = ['use_this', 'titleuse_this'];

// Options that a project file holds only while they are on, each as the record KEY=1.
const OPTION_KEYS = [
    ['accessibleBox', 'x-accessiblebox'],
    ['rightToLeft', 'x-righttoleft'],
    ['lightMotion', 'x-lightmotion'],
    ['fitPageWidth', 'x-fitpagewidth'],
    ['liveMessages', 'x-livemessages'],
];
// The seconds between a live box's looks at its messages file, written after its option while that is on.
const LIVE_SECONDS = ['liveSeconds', 'x-liveevery', 'liveMessages'];

const MESSAGE_KEYS = [
    ['text', 'tmessage'],
    ['link', 'linktext'],
    ['target', 'targettext'],
    ['title', 'titletext'],
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

// The project text of a design.
function projectText(d) {
    let text = '';
    for (const [field, key] of FIELD_KEYS) text += record(key, d[field]);
    for (const key of CUSTOM_FONT_TICKS) text += record(key, 1);
    for (const [field, key] of COLOUR_KEYS) text += colourLine(key, d[field]);
    text += record('text-message_count', d.messages.length);
    for (const [field, key] of OPTION_KEYS) if (d[field]) text += record(key, 1);
    if (d[LIVE_SECONDS[2]] && d[LIVE_SECONDS[0]] !== undefined) text += record(LIVE_SECONDS[1], d[LIVE_SECONDS[0]]);
    d.messages.forEach((message, index) => {
        for (const [field, key] of MESSAGE_KEYS) text += record(`${key}${index + 1}`, message[field]);
    });
    return text;
}

// A record is "qvo-KEY=VALUEendof-qvo-KEY" after a "#%#" or "#>#" marker; the marker after it opens the next
// record on the line or ends the line. A value may hold line breaks.
function recordsOf(text) {
    const records = new Map();
    for (const [, key, value] of text.matchAll(/#[%>]#qvo-([^=]*)=([\s\S]*?)endof-qvo-\1/g)) records.set(key, value);
    return records;
}

// The design saved in the project file at path. A record the design needs that is missing or is not a number
// where one belongs fails, naming the file and the key.
function readProjectFile(path) {
    const records = recordsOf(fs.readFileSync(path, 'latin1'));
    const value = (key) => {
        if (!records.has(key)) throw new Error(`${path} has no record ${key}`);
        return records.get(key);
    };
    const number = (key) => {
        const text = value(key);
        if (!/^\d+$/.test(text)) throw new Error(`${path}: ${key} is "${text}", not a number`);
        return Number(text);
    };
    const colour = (key) => ['red', 'green', 'blue'].map((component) => number(`${key}_${component}`));
    for (const key of CUSTOM_FONT_TICKS)
        if (number(key) !== 1) throw new Error(`${path}: ${key} is not ticked; the designs use the custom fonts`);

    const d = {};
    for (const [field, key] of FIELD_KEYS) d[field] = CHOICE_FIELDS.has(field) ? number(key) : value(key);
    for (const [field, key] of COLOUR_KEYS) d[field] = colour(key);
    for (const [field, key] of OPTION_KEYS) if (records.get(key) === '1') d[field] = true;
    if (records.has(LIVE_SECONDS[1])) d[LIVE_SECONDS[0]] = Number(records.get(LIVE_SECONDS[1]));
    d.messages = Array.from({ length: number('text-message_count') }, (_, index) =>
        Object.fromEntries(MESSAGE_KEYS.map(([field, key]) => [field, value(`${key}${index + 1}`)])),
    );
    return d;
}

module.exports = { projectText, readProjectFile };
