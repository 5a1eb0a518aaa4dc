'use strict';
// What marquetto-cli check says about a design, held against what the box does in the browser: each row
// names the finding it must give (or none) and the probe that shows the harm. A finding must come with a
// box that breaks, and a silent check with a box that works.

const assert = require('node:assert/strict');
const { spawnSync } = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { pathToFileURL } = require('node:url');
const { projectText } = require('./support/projectFile');
const { ONE_PIXEL_PNG, cliPath } = require('./support/newsBox');
const { design, evenMessages } = require('./support/design');
const { describeInEngines, it } = require('./support/suite');
const { messagesStayApart } = require('./support/messagesStayApart');

// Message 0 holds the input; messages 1 and 2 are plain, so that what leaks out of message 0 shows there.
function withMessage(title, text) {
    return { messages: [{ ...evenMessages(1)[0], title, text }, ...evenMessages(3).slice(1)] };
}

function linkTo(target) {
    return { messages: [{ title: 'T0', text: 'x', link: "http://a.example/it's", target }] };
}

const LONG_TEXT = 'A text long enough to need many lines in a box of an ordinary width, '.repeat(4);

// Run in the page after the box has laid its messages out.
const PROBES = {
    structure: messagesStayApart,
    // Message 0's text has the font size typed, in points (4/3 of a CSS pixel each).
    fontSizeAsTyped(typed) {
        const size = parseFloat(getComputedStyle(document.getElementById('d0')).fontSize);
        return { broken: Math.abs(size - (parseFloat(typed) * 4) / 3) > 0.01, seen: size };
    },
    // The text of message 0 takes room on the screen.
    textWidth() {
        const range = document.createRange();
        range.selectNodeContents(document.getElementById('d0').lastChild);
        const width = range.getBoundingClientRect().width;
        return { broken: !(width > 0), seen: width };
    },
    // The text of message 0 wraps within the tab, so that all of it can be read.
    textWithinScreen() {
        const range = document.createRange();
        range.selectNodeContents(document.getElementById('d0').lastChild);
        const right = range.getBoundingClientRect().right;
        return { broken: right > innerWidth, seen: right };
    },
    // A click on message 0 follows its link without a script error; the target is a frame that does not
    // exist, so the click opens nothing in this tab.
    clickFollows() {
        window.open = () => null;
        try {
            butclick(0);
            return { broken: false, seen: 'followed' };
        } catch (error) {
            return { broken: true, seen: String(error) };
        }
    },
    // The box has a background colour.
    background() {
        const colour = getComputedStyle(document.getElementById('disspageie')).backgroundColor;
        return { broken: colour === 'rgba(0, 0, 0, 0)', seen: colour };
    },
    // The box shows at least one message.
    showsAMessage() {
        const d = document.getElementById('d0');
        return { broken: !d || getComputedStyle(d).visibility !== 'visible', seen: Boolean(d) };
    },
    // Message 0 has a visible part: inside the message area and its clip.
    visibleArea() {
        const area = document.getElementById('spagens');
        const a = area.getBoundingClientRect();
        const [top, right, bottom, left] = getComputedStyle(area)
            .clip.match(/-?[\d.]+/g)
            .map(Number);
        const d = document.getElementById('d0').getBoundingClientRect();
        const width = Math.min(d.right, a.right, a.left + right) - Math.max(d.left, a.left, a.left + left);
        const height = Math.min(d.bottom, a.bottom, a.top + bottom) - Math.max(d.top, a.top, a.top + top);
        return { broken: !(width > 0 && height > 0), seen: { width, height } };
    },
    // Every word of the messages in sight lies inside the message area, where the box does not cut it.
    wordsWithinBox() {
        const area = document.getElementById('spagens').getBoundingClientRect();
        const cut = [];
        for (let i = 0; document.getElementById(`d${i}`); i++) {
            const message = document.getElementById(`d${i}`);
            if (getComputedStyle(message).visibility !== 'visible') continue;
            const walker = document.createTreeWalker(message, NodeFilter.SHOW_TEXT);
            for (let node = walker.nextNode(); node; node = walker.nextNode())
                for (const word of node.data.matchAll(/\S+/g)) {
                    const range = document.createRange();
                    range.setStart(node, word.index);
                    range.setEnd(node, word.index + word[0].length);
                    const box = range.getBoundingClientRect();
                    if (box.left < area.left - 0.5 || box.right > area.right + 0.5) cut.push(word[0]);
                }
        }
        return { broken: cut.length > 0, seen: cut };
    },
    // After the mouse leaves message 0 it has the colour it had before.
    colourAfterHover() {
        const before = getComputedStyle(document.getElementById('d0')).color;
        mdivmo(0);
        restime(0);
        const after = getComputedStyle(document.getElementById('d0')).color;
        return { broken: before !== after, seen: { before, after } };
    },
    // Some message comes into the tab within 20 seconds.
    inSightSoon() {
        const inSight = () =>
            [0, 1, 2].some((i) => {
                const box = document.getElementById(`d${i}`).getBoundingClientRect();
                return box.bottom > 0 && box.top < innerHeight && box.height > 0;
            });
        while (window.__clock.now < 20000 && !inSight()) window.__clock.next();
        return { broken: !inSight(), seen: window.__clock.now };
    },
    // The text of message 0 as the reader sees it.
    shownText() {
        const d = document.getElementById('d0');
        const title = document.getElementById('hgd0').innerText;
        return { broken: false, seen: d.innerText.slice(title.length).trim() };
    },
};

const ROWS = [
    // Ordinary markup and numbers: no finding, and the box stays whole.
    [
        'ordinary markup',
        withMessage('<b>B</b> <i>I</i> <u>U</u><br>', '<img src="x.gif" alt=""> <a href="http://a.example/">A</a>'),
        [],
        'structure',
    ],
    [
        'fonts, entities, balanced span and div',
        withMessage('<font color="red">F</font> &amp; &nbsp;', '<span>S</span><div>D<div>E</div></div>'),
        [],
        'structure',
    ],
    [
        'a comment and raw text that are closed',
        withMessage('<!-- note --> t', '<noscript>n</noscript><textarea>t</textarea><script>var q;</script>'),
        [],
        'structure',
    ],
    [
        'decimal font sizes and line heights',
        { ...withMessage('T0', 'some text'), textFontSize: '8.5', titleLineHeight: '14.5' },
        [],
        'fontSizeAsTyped',
    ],
    ['a font size with a unit', { textFontSize: '8pt' }, ['number-not-css'], 'fontSizeAsTyped'],
    // Markup that reaches outside its message.
    ['an unclosed comment', withMessage('T0', 'x <!-- note'), ['markup-swallows'], 'structure'],
    ['an unclosed textarea', withMessage('<textarea>', 'x'), ['markup-swallows'], 'structure'],
    ['an unclosed script', withMessage('T0', '<script>var a = 1;'), ['markup-swallows'], 'structure'],
    ['an unclosed style', withMessage('T0', '<style>b{color:red}'), ['markup-swallows'], 'structure'],
    ['an unclosed title', withMessage('<title>t', 'x'), ['markup-swallows'], 'structure'],
    ['an unclosed xmp', withMessage('T0', '<xmp>x'), ['markup-swallows'], 'structure'],
    ['plaintext', withMessage('T0', '<plaintext>'), ['markup-swallows'], 'structure'],
    ['an unclosed noscript', withMessage('T0', '<noscript>x'), ['markup-swallows'], 'structure'],
    ['an unclosed iframe', withMessage('T0', '<iframe>'), ['markup-swallows'], 'structure'],
    ['an unclosed noembed', withMessage('T0', '<noembed>x'), ['markup-swallows'], 'structure'],
    ['a title inside svg left open', withMessage('T0', '<svg><title>x'), ['markup-swallows'], 'structure'],
    ['an svg left open', withMessage('T0', '<svg><circle r="2"></circle>'), [], 'structure'],
    ['an unclosed table', withMessage('T0', '<table><tr><td>cell'), ['markup-swallows'], 'structure'],
    [
        'an attribute quote left open',
        withMessage('T0', '<a href="http://a.example/>go'),
        ['markup-swallows'],
        'structure',
    ],
    ['markup written as escapes', withMessage('T0', '\\x3ctextarea>'), ['markup-swallows'], 'structure'],
    ['an unclosed select', withMessage('T0', '<select><option>a'), ['markup-swallows'], 'structure'],
    ['a closing div', withMessage('T0', 'one</div>two'), ['markup-closes-box'], 'structure'],
    ['a bold left open', withMessage('<b>T0', 'x'), ['markup-spills'], 'structure'],
    // Sizes and colours.
    ['a font size of 0', { ...withMessage('T0', 'some text'), textFontSize: '0' }, ['font-size-zero'], 'textWidth'],
    [
        'margins that leave no room down',
        { effectStyle: 1, topMargin: '100', bottomMargin: '114' },
        ['size-no-room'],
        'visibleArea',
    ],
    ['margins that leave one row', { effectStyle: 1, topMargin: '100', bottomMargin: '113' }, [], 'visibleArea'],
    ['a left margin that leaves no room across', { effectStyle: 1, leftMargin: '178' }, ['size-no-room'],
        'visibleArea'],
    [
        'a left margin that leaves one pixel across: room, but for no word',
        { effectStyle: 1, leftMargin: '177' },
        ['words-cut'],
        'wordsWithinBox',
    ],
    // Words wider than the column run on over the margin; only the box's edge cuts them.
    ['margins of 150 in a box 180 wide', { leftMargin: '150', rightMargin: '150' }, ['words-cut'], 'wordsWithinBox'],
    ['a narrow column whose words reach into the right margin', { leftMargin: '60', rightMargin: '100' }, [],
        'wordsWithinBox'],
    [
        'right to left, a narrow column whose words reach past the left edge',
        { rightToLeft: 1, leftMargin: '20', rightMargin: '120' },
        ['words-cut'],
        'wordsWithinBox',
    ],
    ['right to left, a wide left margin', { rightToLeft: 1, leftMargin: '100', rightMargin: '20' }, [],
        'wordsWithinBox'],
    ['a height over any screen', { height: '100001' }, ['size-huge'], 'inSightSoon'],
    ['a width over any screen', { ...withMessage('T0', LONG_TEXT), width: '100001' }, ['size-huge'],
        'textWithinScreen'],
    ['the default width', withMessage('T0', LONG_TEXT), [], 'textWithinScreen'],
    ['the default height', {}, [], 'inSightSoon'],
    ['a text colour part over 255', { textColor: [300, 0, 0] }, ['colour-outside'], 'colourAfterHover'],
    ['the default colours', {}, [], 'colourAfterHover'],
    ['a background colour part over 255', { bgColor: [300, 255, 255] }, ['colour-outside'], 'background'],
    ['the default background', {}, [], 'background'],
    ['a width of 0', { effectStyle: 1, width: '0' }, ['number-not-positive'], 'visibleArea'],
    ['no messages', { messages: [] }, ['messages-none'], 'showsAMessage'],
    ['a link with a single quote that a script opens', linkTo('_top'), ['link-quote'], 'clickFollows'],
    ['a link with a single quote opened in a window', linkTo('w'), [], 'clickFollows'],
    ['a sign read as code', { leftMargin: '-5' }, ['number-not-digits'], 'structure'],
    ['a unit read as code', { width: '180px' }, ['number-not-digits'], 'structure'],
];

// Escapes: the box shows what the finding says it shows.
const ESCAPE_ROWS = [
    ['a dropped backslash', withMessage('T0', 'c:\\users\\me'), ['backslash-doubled', 'backslash-dropped']],
    ['escapes in a folder name', withMessage('T0', 'C:\\new\\test'), ['escape-in-path', 'escape-in-path']],
];

// Links that a script opens, held against what a click does: 'runs' when the rest of the link ran as script,
// 'fails' on a script error, 'opens' when the parent window was sent to the address the link holds.
const LINK_ROWS = [
    ['\\x27', 'http://a.example/\\x27;window.__ran=1;//', ['link-quote'], 'runs'],
    ['\\u{27}', 'http://a.example/\\u{0027};window.__ran=1;//', ['link-quote'], 'runs'],
    ['\\47', 'http://a.example/\\47;window.__ran=1;//', ['link-quote'], 'runs'],
    ['an escaped backslash before \\x27', 'http://a.example/\\x5C\\x5C\\x27;window.__ran=1;//',
        ['link-quote', 'link-backslash'], 'runs'],
    ['a backslash before \\x27', 'http://a.example/\\x5C\\x27;window.__ran=1;//', ['link-backslash'], 'opens'],
    ['\\n', 'http://a.example/a\\nb', ['link-line-break'], 'fails'],
    ['a percent-encoded quote', "http://a.example/%27;window.__ran=1;//", [], 'opens'],
    ['a double quote and an accent', 'http://a.example/\\x22\\u00e9', [], 'opens'],
];

// Calls the link code of message 0 with a parent window of the probe's own, which takes the address.
function followLink() {
    const parentWindow = { window: {} };
    window.parent = parentWindow;
    window.__ran = false;
    try {
        butclick(0);
        return { ran: window.__ran, failed: false, opened: String(parentWindow.window.location), link: linka[0] };
    } catch (error) {
        return { ran: window.__ran, failed: true, opened: String(error), link: linka[0] };
    }
}

// The findings depend on the design alone, so both engines' tests of a row hold the box against one check.
const checked = new Map();
function check(box) {
    if (!checked.has(box.folder)) {
        const run = spawnSync(process.env.MARQUETTO_CLI, ['check', '--format=json', box.file('design.tkp')], {
            encoding: 'utf8',
        });
        assert.ok(run.status === 0 || run.status === 1, run.stderr);
        checked.set(box.folder, JSON.parse(run.stdout));
    }
    return checked.get(box.folder);
}

async function probe(session, t, overrides, probeName) {
    const { box, page } = await session.open(t, design(overrides));
    let result;
    try {
        await page.tick(600);
        result = await page.evaluate(PROBES[probeName], overrides.textFontSize ?? '');
    } catch (error) {
        result = { broken: true, seen: String(error) };
    }
    // A script error breaks the box; a resource that is not found (an image of the markup) does not.
    const errors = page.errors.filter((error) => error.startsWith('page error'));
    return { findings: check(box), broken: result.broken || errors.length > 0, result, errors };
}

// A project in a folder of its own with its image where bgImageName says, generated into another folder as
// a build script would: returns the host page's address and what check and generate said.
function generateApart(t, bgImageName) {
    const root = fs.mkdtempSync(path.join(os.tmpdir(), 'marquetto-apart-'));
    t.after(() => fs.rmSync(root, { recursive: true, force: true }));
    const project = path.join(root, 'project', 'design.tkp');
    fs.mkdirSync(path.dirname(path.join(root, 'project', bgImageName)), { recursive: true });
    fs.writeFileSync(path.join(root, 'project', bgImageName), ONE_PIXEL_PNG);
    const shown = design({ effectStyle: 0, bgImageOn: 1, bgImageName });
    fs.writeFileSync(project, projectText(shown), 'latin1');
    const out = path.join(root, 'site');
    const generate = spawnSync(cliPath(), ['generate', '--project', project, '--out', out], { encoding: 'utf8' });
    assert.equal(generate.status, 0, generate.stderr);
    const checked = spawnSync(cliPath(), ['check', '--format=json', project], { encoding: 'utf8' });
    return {
        url: pathToFileURL(path.join(out, `${shown.scrollerName}newstic.html`)).href,
        findings: JSON.parse(checked.stdout),
        warnings: generate.stderr,
    };
}

// Whether the box's background image loads from where the page asks for it.
function imageLoads() {
    const url = getComputedStyle(document.getElementById('disspageie')).backgroundImage.match(/url\("(.*)"\)/)[1];
    return new Promise((resolve) => {
        const image = new Image();
        image.onload = () => resolve(true);
        image.onerror = () => resolve(false);
        image.src = url;
    });
}

describeInEngines('The design check against the box', (session) => {
    for (const [name, overrides, codes, probeName] of ROWS) {
        const outcome = codes.length ? `${codes.join(', ')}, and the box breaks` : 'no finding, and the box works';
        it(`${name}: ${outcome}`, async (t) => {
            const { findings, broken, result, errors } = await probe(session, t, overrides, probeName);
            assert.deepEqual(
                findings.map((f) => f.code),
                codes,
                findings.map((f) => f.text).join('\n'),
            );
            assert.equal(broken, codes.length > 0, JSON.stringify({ result, errors }));
        });
    }

    for (const [bgImageName, codes] of [
        ['sky.png', []],
        ['img/sky.png', ['image-folder']],
    ]) {
        it(`an image named ${bgImageName}: ${codes.join(', ') || 'no finding'}, and the image ${
            codes.length ? 'is missing' : 'shows'
        }`, async (t) => {
            const { url, findings, warnings } = generateApart(t, bgImageName);
            assert.deepEqual(
                findings.map((f) => f.code),
                codes,
            );
            for (const finding of findings) assert.ok(warnings.includes(finding.text), 'generate says the same');
            const page = await session.engine.open(url);
            t.after(() => page.close());
            assert.equal(await page.evaluate(imageLoads), codes.length === 0);
        });
    }

    for (const [name, link, codes, outcome] of LINK_ROWS) {
        it(`a link with ${name} to _parent: ${codes.join(', ') || 'no finding'}, and a click ${outcome}`, async (t) => {
            const message = { title: 'T0', text: 'x', link, target: '_parent' };
            const { box, page } = await session.open(t, design({ messages: [message] }));
            await page.tick(600);
            const click = await page.evaluate(followLink);
            const found = check(box).map((f) => f.code).filter((code) => code.startsWith('link-'));
            assert.deepEqual(found, codes);
            const seen = click.ran ? 'runs' : click.failed ? 'fails' : 'opens';
            assert.equal(seen, outcome, JSON.stringify(click));
            if (outcome === 'opens' && codes.length === 0) assert.equal(click.opened, click.link);
        });
    }

    for (const [name, overrides, codes] of ESCAPE_ROWS) {
        it(`${name}: the box shows what the finding says`, async (t) => {
            const { findings, result } = await probe(session, t, overrides, 'shownText');
            assert.deepEqual(
                findings.map((f) => f.code),
                codes,
            );
            for (const finding of findings) {
                const said = finding.text.match(/the box shows "(.*)"\.$/)[1];
                assert.equal(result.seen, said);
                assert.notEqual(said, overrides.messages[0].text);
            }
        });
    }
});
