'use strict';
// The design check run over designs drawn at random from awkward values (seeded, so a failure comes back
// the same): where the check is silent, every generated script compiles and the box holds its messages
// in Chromium; where it reports markup, the box in Chromium really breaks.

const assert = require('node:assert/strict');
const { spawnSync } = require('node:child_process');
const vm = require('node:vm');
const { design, evenMessages } = require('./support/design');
const { describeInEngines, it } = require('./support/suite');
const { messagesStayApart } = require('./support/messagesStayApart');

const SEED = 20261207;
const DESIGN_COUNT = 40;

// mulberry32: a small generator whose sequence depends on the seed alone.
function randomFrom(seed) {
    let state = seed >>> 0;
    return () => {
        state = (state + 0x6d2b79f5) >>> 0;
        let t = state;
        t = Math.imul(t ^ (t >>> 15), t | 1);
        t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
        return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
    };
}

const FRAGMENTS = [
    'plain words', '<b>bold</b>', '<i>it</i><br>', '<a href="http://a.example/">a</a>', '<font color=red>f</font>',
    '&amp; &nbsp;', '<span>s</span>', '<div>d</div>', '<img alt="">', 'say "hi"', "it's", 'C:\\new\\test',
    'c:\\users\\me', 'ends\\', '\\u00e9', '<!-- open', '<textarea>', '<script>q=1;', '</div>', '<b>open',
    '<table><tr><td>', '<style>', '<p>para', 'a < b & c > d', '<!-- closed -->', '<title>t', '</span>',
];
const NUMBERS = ['180', '215', '4', '0', '12', '8.5', '-5', '180px', '', '07', '100001'];
const SIZES = ['180', '215', '120', '300', '0', '18', '180px', '100001'];

function pick(random, list) {
    return list[Math.floor(random() * list.length)];
}

// Mostly sound values with an awkward one now and then, so that both silent and reported designs occur.
function sometimes(random, sound, awkward) {
    return random() < 0.94 ? sound : pick(random, awkward);
}

function randomDesign(random) {
    const text = () =>
        Array.from({ length: 1 + Math.floor(random() * 2) }, () => pick(random, FRAGMENTS)).join(' ');
    const colour = () => (random() < 0.9 ? [10, 20, 30] : [300, 0, -1]);
    return design({
        effectStyle: random() < 0.25 ? 1 : 0,
        scrollMode: Math.floor(random() * 3),
        width: sometimes(random, '180', SIZES),
        height: sometimes(random, '215', SIZES),
        topMargin: sometimes(random, '4', NUMBERS),
        leftMargin: sometimes(random, '8', NUMBERS),
        borderWidth: sometimes(random, '1', NUMBERS),
        textFontSize: sometimes(random, '8', NUMBERS),
        titleLineHeight: sometimes(random, '14', NUMBERS),
        scrollDelay: sometimes(random, '35', NUMBERS),
        pause: sometimes(random, '3', NUMBERS),
        textColor: colour(),
        bgColor: colour(),
        messages: [{ ...evenMessages(1)[0], title: text(), text: text() }, ...evenMessages(3).slice(1)],
    });
}

function check(box) {
    const run = spawnSync(process.env.MARQUETTO_CLI, ['check', '--format=json', box.file('design.tkp')], {
        encoding: 'utf8',
    });
    assert.ok(run.status === 0 || run.status === 1, run.stderr);
    return JSON.parse(run.stdout);
}

function assertCompiles(box) {
    const name = box.design.scrollerName;
    for (const file of ['newsticns6.js', 'newsticie.js'])
        assert.doesNotThrow(() => new vm.Script(box.text(`${name}${file}`)), `${file} compiles`);
    const loader = box.text(box.hostName).match(/<script language="javascript">(.*)<\/script>/)[1];
    assert.doesNotThrow(() => new vm.Script(loader), 'the loader compiles');
}

describeInEngines(
    `The design check over ${DESIGN_COUNT} random designs (seed ${SEED})`,
    (session) => {
        const random = randomFrom(SEED);
        const designs = Array.from({ length: DESIGN_COUNT }, () => randomDesign(random));
        designs.forEach((drawn, index) => {
            it(`design ${index}: a silent check means a working box, a markup finding a broken one`, async (t) => {
                const { box, page } = await session.open(t, drawn);
                const findings = check(box);
                const codes = findings.map((f) => f.code);
                const markup = codes.some((code) => code.startsWith('markup-'));
                t.diagnostic(codes.length ? codes.join(', ') : 'silent');
                // Escapes change what a message shows but keep the box whole; any other finding may break
                // the box by itself, so it would hide whether the markup did.
                const textOnly = /^(markup-|backslash-|escape-in-path)/;
                if (!codes.every((code) => textOnly.test(code))) return;
                if (findings.length === 0) assertCompiles(box);
                let result;
                try {
                    await page.tick(600);
                    result = await page.evaluate(messagesStayApart);
                } catch (error) {
                    result = { broken: true, seen: String(error) };
                }
                const errors = page.errors.filter((error) => error.startsWith('page error'));
                const broken = result.broken || errors.length > 0;
                const seen = JSON.stringify({ message: drawn.messages[0], codes, result, errors });
                assert.equal(broken, markup, seen);
            });
        });
    },
    ['chromium'],
);
