'use strict';
// What a news box costs the reader's browser: the default runtime, the light runtime on the compositor, the light
// runtime on animation frames (what it falls back to without Web Animations) and a CSS keyframe marquee of the
// same size and speed, each in headless Chromium, measured with the DevTools Protocol's performance
// counters over runs of several seconds while the column moves; on screen, scrolled 3000 px out of view and
// in a hidden tab. Beside them the light runtime in Continuous mode during its first pass from below the box,
// and the News fader, default and light, turning pages of three times the messages. Then how fast the column
// of 10,000 messages moves against its nominal speed.
//   node bench/runtime_cost.js    (MARQUETTO_CLI names the built marquetto-cli; RUNS=N runs of each, default 5)

const fs = require('node:fs');
const path = require('node:path');

const root = path.join(__dirname, '..');
const support = path.join(root, 'tests', 'browser', 'support');
const { DEFAULT_DESIGN } = require(path.join(support, 'design'));
const { generateNewsBox } = require(path.join(support, 'newsBox'));
const puppeteer = require(path.join(root, 'tests', 'browser', 'node_modules', 'puppeteer-core'));

const RUNS = Number(process.env.RUNS ?? 5);
const { ENGINES } = require(path.join(support, 'engines'));
const CHROMIUM = { executablePath: ENGINES.chromium.executablePath, args: ENGINES.chromium.args, headless: true };
const VIEWPORT = { width: 800, height: 600 };
const OFF_SCREEN_PX = 3000;
// The runtimes start moving half a second after the page loaded; the window starts after that.
const SETTLE_MS = 1000;
const WINDOW_MS = 5000;
const SPEED_WINDOW_MS = 3000;
// The speed window ends at least this many pixels above the column's first hold.
const MIN_SPEED_WINDOW_PX = 15;
const BIG_MESSAGE_COUNT = 10000;
const BIG_COUNT_TEXT = BIG_MESSAGE_COUNT.toLocaleString('en-US');

// Targets for the light runtime on the compositor.
const MAX_LAYOUTS_PER_SECOND = 0;
const MAX_STYLES_PER_SECOND = 1;
const MAX_MAIN_THREAD_RATIO = 1;
const MAX_MOVING_SCRIPT_MS_PER_SECOND = 0.1;
const MAX_IDLE_SCRIPT_MS_PER_SECOND = 0.1;
const MIN_BIG_SPEED_SHARE = 0.99;
// Without Web Animations the light runtime runs its steps from animation frames.
const NO_WEB_ANIMATIONS = 'delete Element.prototype.animate;';

const delay = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

function median(values) {
    const sorted = [...values].sort((a, b) => a - b);
    const middle = Math.floor(sorted.length / 2);
    return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
}

const px = (value) => `${parseInt(value, 10)}px`;
const pt = (value) => `${parseInt(value, 10)}pt`;
const rgb = ([red, green, blue]) => `rgb(${red},${green},${blue})`;
const FONT_STYLES = [
    ['normal', 'normal'],
    ['normal', 'bold'],
    ['italic', 'normal'],
    ['italic', 'bold'],
];
function fontCss(family, size, lineHeight, style, colour) {
    const [fontStyle, fontWeight] = FONT_STYLES[style];
    return (
        `font-family:${family};font-size:${pt(size)};line-height:${pt(lineHeight)};` +
        `font-style:${fontStyle};font-weight:${fontWeight};color:${rgb(colour)}`
    );
}

// The same box as the runtime draws, its column of the same messages moved by @keyframes alone, one pixel per
// scroll delay from just below the box until its last message has left the top. A script runs once at load to
// turn the column's height into the animation's duration; after that no script runs.
function cssMarqueePage(d) {
    const width = parseInt(d.width, 10);
    const height = parseInt(d.height, 10);
    const border = parseInt(d.borderWidth, 10);
    const columnWidth = width - parseInt(d.leftMargin, 10) - parseInt(d.rightMargin, 10) - 2 * border;
    const messages = d.messages
        .map((m) => `<div class="message"><div class="title">${m.title}<br></div>${m.text}</div>`)
        .join('');
    return `<!DOCTYPE html><html><head><title>CSS marquee</title><style>
body { margin: 0; background: ${rgb(d.bgColor)}; }
#box { position: absolute; left: 0; top: 0; width: ${width - 2 * border}px; height: ${height - 2 * border}px;
  border: ${border}px solid ${rgb(d.borderColor)}; overflow: hidden; }
#column { position: absolute; left: ${px(d.leftMargin)}; top: 0; width: ${columnWidth}px;
  padding-top: ${px(d.topMargin)};
  animation: marquee linear infinite; }
.message { margin-bottom: ${px(d.paragraphSpace)};
  ${fontCss(d.textCustomFont, d.textFontSize, d.textLineHeight, d.textStyle, d.textColor)}; }
.title { ${fontCss(d.titleCustomFont, d.titleFontSize, d.titleLineHeight, d.titleStyle, d.titleColor)}; }
@keyframes marquee { from { transform: translateY(${height}px); } to { transform: translateY(-100%); } }
</style></head><body><div id="box"><div id="column">${messages}</div></div><script>
var column = document.getElementById('column');
column.style.animationDuration = ((${height} + column.offsetHeight) * ${parseInt(d.scrollDelay, 10)}) + 'ms';
</script></body></html>`;
}

// A host page with the box's iframe at its top, or below a spacer that puts it 3000 px out of view.
function hostPage(iframe, offScreen) {
    const spacer = offScreen ? `<div style="height:${OFF_SCREEN_PX}px"></div>` : '';
    return (
        '<!DOCTYPE html><html><head><title>host</title></head>' +
        `<body style="margin:0">${spacer}${iframe}</body></html>`
    );
}

class Subject {
    // name, folder of the pages, the iframe that shows the box, the id of the element that moves, and a script
    // that runs in every frame before the page's own.
    constructor(name, folder, iframe, columnId, beforeScripts) {
        this.name = name;
        this.folder = folder;
        this.columnId = columnId;
        this.beforeScripts = beforeScripts;
        this.pages = {};
        for (const offScreen of [false, true]) {
            const file = path.join(folder, offScreen ? 'bench-off-screen.html' : 'bench-on-screen.html');
            fs.writeFileSync(file, hostPage(iframe, offScreen), 'latin1');
            this.pages[offScreen] = `file://${file}`;
        }
    }

    static runtime(name, design, beforeScripts) {
        const box = generateNewsBox(design);
        // The fader moves no column; its pages are not counted in pixels.
        const columnId = design.effectStyle === 1 ? null : 'enuzun';
        return new Subject(name, box.folder, box.snippet, columnId, beforeScripts);
    }

    async open(browser, offScreen, timeout) {
        const page = await browser.newPage();
        // A runtime that rests in a hidden tab must not find itself behind the tab of an earlier run.
        await page.bringToFront();
        await page.setViewport(VIEWPORT);
        if (this.beforeScripts) await page.evaluateOnNewDocument(this.beforeScripts);
        return { page, loading: () => page.goto(this.pages[offScreen], { waitUntil: 'load', timeout }) };
    }

    static cssMarquee(design) {
        const box = generateNewsBox(design);
        fs.writeFileSync(path.join(box.folder, 'css-marquee.html'), cssMarqueePage(design), 'latin1');
        const iframe = box.snippet.replace(/src="[^"]*"/, 'src="css-marquee.html"');
        return new Subject('CSS keyframe marquee', box.folder, iframe, 'column');
    }
}

async function metrics(session) {
    const { metrics: list } = await session.send('Performance.getMetrics');
    return Object.fromEntries(list.map(({ name, value }) => [name, value]));
}

const boxFrame = (page) => page.mainFrame().childFrames()[0];

// The column's top on the screen, as the reader sees it (a transform counts, not only style.top); 0 without one.
const columnTop = (page, id) =>
    id ? boxFrame(page).evaluate((i) => document.getElementById(i).getBoundingClientRect().top, id) : 0;

// One run of WINDOW_MS: per second of it, layouts, style recalculations, script and task milliseconds, and how
// far the column moved. where is "on screen", "off screen" or "hidden".
async function measureCost(browser, subject, where) {
    const { page, loading } = await subject.open(browser, where === 'off screen');
    let other = null;
    try {
        const session = await page.createCDPSession();
        await session.send('Performance.enable');
        await loading();
        await delay(SETTLE_MS);
        const frameTop = await page.evaluate(() => document.querySelector('iframe').getBoundingClientRect().top);
        if ((where === 'off screen') !== frameTop >= VIEWPORT.height)
            throw new Error(`${subject.name}: the box is ${frameTop} px down, not ${where}`);
        if (where === 'hidden') {
            other = await browser.newPage();
            await other.bringToFront();
            await delay(200);
        }
        const visibility = await boxFrame(page).evaluate(() => document.visibilityState);
        if ((where === 'hidden') !== (visibility === 'hidden'))
            throw new Error(`${subject.name}: the box's page is ${visibility} ${where}`);
        const topBefore = await columnTop(page, subject.columnId);
        const before = await metrics(session);
        await delay(WINDOW_MS);
        const after = await metrics(session);
        const topAfter = await columnTop(page, subject.columnId);
        const seconds = after.Timestamp - before.Timestamp;
        const rate = (name, scale = 1) => ((after[name] - before[name]) * scale) / seconds;
        return {
            layouts: rate('LayoutCount'),
            styles: rate('RecalcStyleCount'),
            scriptMs: rate('ScriptDuration', 1000),
            taskMs: rate('TaskDuration', 1000),
            moved: topBefore - topAfter,
        };
    } finally {
        if (other) await other.close();
        await page.close();
    }
}

// The share of the nominal speed (one pixel per scroll delay) that the column keeps over about SPEED_WINDOW_MS of
// real time once it moves, read and timed inside the box's page; the window ends before the column's first hold,
// and is shorter when a busy machine starts the motion late (from the page's load on, as the timers would).
async function measureSpeed(browser, subject, scrollDelay) {
    const { page, loading } = await subject.open(browser, false, 120000);
    try {
        await loading();
        // The column sits at the top until the runtime places it below the box; it moves once it rises from there.
        let windowMs;
        for (let deadline = Date.now() + 60000, last = -Infinity; ; ) {
            const top = await columnTop(page, subject.columnId);
            windowMs = Math.min(SPEED_WINDOW_MS, (top - MIN_SPEED_WINDOW_PX) * scrollDelay);
            if (top < last && windowMs >= SPEED_WINDOW_MS / 3) break;
            if (Date.now() > deadline)
                throw new Error(`${subject.name}: the column did not move high enough in the box within 60 s (${top} px)`);
            last = top;
            await delay(50);
        }
        // The window runs from the frame that first shows a step to the frame that first shows a step after
        // SPEED_WINDOW_MS, so that it holds whole steps and is off by at most a frame, not by a step.
        const { moved, ms, top1 } = await boxFrame(page).evaluate(
            async (id, windowMs) => {
                const column = document.getElementById(id);
                const top = () => column.getBoundingClientRect().top;
                const nextStepShown = async () => {
                    const from = top();
                    let time;
                    do time = await new Promise((resolve) => requestAnimationFrame(resolve));
                    while (top() === from);
                    return time;
                };
                const t0 = await nextStepShown();
                const top0 = top();
                await new Promise((resolve) => setTimeout(resolve, windowMs));
                const t1 = await nextStepShown();
                const top1 = top();
                return { moved: top0 - top1, ms: t1 - t0, top1 };
            },
            subject.columnId,
            windowMs,
        );
        if (top1 <= 1) throw new Error(`${subject.name}: the column reached its first hold while it was timed`);
        return moved / (ms / scrollDelay);
    } finally {
        await page.close();
    }
}

const WHERE = ['on screen', 'off screen', 'hidden'];

async function main() {
    const design = DEFAULT_DESIGN;
    const scrollDelay = parseInt(design.scrollDelay, 10);
    const height = parseInt(design.height, 10);
    // The column starts just below the box and holds first when its first message reaches the top margin.
    const firstHoldMs = 500 + height * scrollDelay;
    if (SETTLE_MS + WINDOW_MS + 500 > firstHoldMs)
        throw new Error(`a ${WINDOW_MS} ms window does not end before the first hold at ${firstHoldMs} ms`);
    const bigMessages = Array.from(
        { length: BIG_MESSAGE_COUNT },
        (_, i) => design.messages[i % design.messages.length],
    );

    const light = { ...design, lightMotion: true };
    const defaultRuntime = Subject.runtime('default runtime', design);
    const compositorRuntime = Subject.runtime('light, compositor', light);
    const framesRuntime = Subject.runtime('light, frames', light, NO_WEB_ANIMATIONS);
    // Until the generator knows the option, a design with light motion gets the default runtime.
    const runtimeText = (subject) => fs.readFileSync(path.join(subject.folder, `${design.scrollerName}newsticns6.js`));
    const lightBuilt = !runtimeText(defaultRuntime).equals(runtimeText(compositorRuntime));
    const fader = { ...design, effectStyle: 1, messages: [...design.messages, ...design.messages, ...design.messages] };
    const subjects = [
        defaultRuntime,
        compositorRuntime,
        framesRuntime,
        Subject.cssMarquee(design),
        Subject.runtime('light, first pass', { ...light, scrollMode: 2 }),
        Subject.runtime('default fader', fader),
        Subject.runtime('light fader', { ...fader, lightMotion: true }),
    ];
    const bigLight = { ...light, messages: bigMessages };
    const big = [
        Subject.runtime('default runtime', { ...design, messages: bigMessages }),
        Subject.runtime('light, compositor', bigLight),
        Subject.runtime('light, frames', bigLight, NO_WEB_ANIMATIONS),
    ];
    const small = subjects.slice(0, 3);

    const browser = await puppeteer.launch(CHROMIUM);
    const costs = new Map(subjects.map((s) => [s, Object.fromEntries(WHERE.map((w) => [w, []]))]));
    const speeds = new Map([...small, ...big].map((s) => [s, []]));
    try {
        // The subjects take turns in each round, so that a busy moment of the machine falls on all of them.
        for (let run = 0; run < RUNS; run++) {
            for (const where of WHERE)
                for (const subject of subjects)
                    costs.get(subject)[where].push(await measureCost(browser, subject, where));
            for (const subject of [...small, ...big])
                speeds.get(subject).push(await measureSpeed(browser, subject, scrollDelay));
            process.stderr.write(`run ${run + 1} of ${RUNS} done\n`);
        }
        report(await browser.version(), { costs, speeds, subjects, big, lightBuilt });
    } finally {
        await browser.close();
    }
}

const fixed = (value, digits) => value.toFixed(digits).padStart(9);

function report(version, { costs, speeds, subjects, big, lightBuilt }) {
    const [, lightRuntime, , cssMarquee, firstPass, , lightFader] = subjects;
    const cost = (subject, where, field) => median(costs.get(subject)[where].map((run) => run[field]));
    const speed = (subject) => median(speeds.get(subject));

    const { width, height, scrollDelay } = DEFAULT_DESIGN;
    console.log(`${version}; the default design, ${width} x ${height} px, 1 px every ${scrollDelay} ms`);
    console.log(`the first pass in Continuous mode; the fader with ${DEFAULT_DESIGN.messages.length * 3} messages`);
    console.log(`medians of ${RUNS} runs of ${WINDOW_MS / 1000} s while the column moves`);
    if (!lightBuilt) console.log('NOTE: this build gives a design with light motion the default runtime');
    console.log(`\nper second            layouts   styles  script ms  task ms  column moved (px in the run)`);
    const titles = {
        'on screen': 'on screen',
        'off screen': `${OFF_SCREEN_PX} px out of view`,
        hidden: 'in a hidden tab',
    };
    for (const where of WHERE) {
        console.log(titles[where]);
        for (const subject of subjects)
            console.log(
                `  ${subject.name.padEnd(20)}` +
                    fixed(cost(subject, where, 'layouts'), 1) +
                    fixed(cost(subject, where, 'styles'), 1) +
                    fixed(cost(subject, where, 'scriptMs'), 3) +
                    fixed(cost(subject, where, 'taskMs'), 2) +
                    fixed(cost(subject, where, 'moved'), 0),
            );
    }
    const share = (value) => `${(value * 100).toFixed(1)} %`.padStart(10);
    console.log(`\ncolumn speed over up to ${SPEED_WINDOW_MS / 1000} s, share of 1 px per ${scrollDelay} ms:`);
    console.log(`                      ${DEFAULT_DESIGN.messages.length} messages  ${BIG_COUNT_TEXT} messages`);
    for (const [index, subject] of subjects.slice(0, 3).entries())
        console.log(`  ${subject.name.padEnd(20)}${share(speed(subject))}  ${share(speed(big[index]))}`);

    const onScreenTargets = (subject) => {
        const mainThreadRatio = cost(subject, 'on screen', 'taskMs') / cost(cssMarquee, 'on screen', 'taskMs');
        const onScreenLayouts = cost(subject, 'on screen', 'layouts');
        const onScreenStyles = cost(subject, 'on screen', 'styles');
        const movingScript = cost(subject, 'on screen', 'scriptMs');
        return [
            [
                `${subject.name}: layouts while moving: ${onScreenLayouts.toFixed(1)}/s (target ${MAX_LAYOUTS_PER_SECOND})`,
                onScreenLayouts <= MAX_LAYOUTS_PER_SECOND,
            ],
            [
                `${subject.name}: style recalculations while moving: ${onScreenStyles.toFixed(1)}/s ` +
                    `(target at most ${MAX_STYLES_PER_SECOND})`,
                onScreenStyles <= MAX_STYLES_PER_SECOND,
            ],
            [
                `${subject.name}: script while moving: ${movingScript.toFixed(3)} ms/s ` +
                    `(target at most ${MAX_MOVING_SCRIPT_MS_PER_SECOND})`,
                movingScript <= MAX_MOVING_SCRIPT_MS_PER_SECOND,
            ],
            [
                `${subject.name}: main-thread time on screen: ${mainThreadRatio.toFixed(2)} times the CSS marquee's ` +
                    `(target at most ${MAX_MAIN_THREAD_RATIO})`,
                mainThreadRatio <= MAX_MAIN_THREAD_RATIO,
            ],
        ];
    };
    const idleTargets = (subject) =>
        ['off screen', 'hidden'].map((where) => [
            `${subject.name}: script ${titles[where]}: ${cost(subject, where, 'scriptMs').toFixed(3)} ms/s ` +
                `(target at most ${MAX_IDLE_SCRIPT_MS_PER_SECOND})`,
            cost(subject, where, 'scriptMs') <= MAX_IDLE_SCRIPT_MS_PER_SECOND,
        ]);
    const targets = [
        ...[lightRuntime, firstPass, lightFader].flatMap((subject) => [...onScreenTargets(subject), ...idleTargets(subject)]),
        [
            `${BIG_COUNT_TEXT} messages: ${share(speed(big[1])).trim()} of the nominal speed ` +
                `(target at least ${MIN_BIG_SPEED_SHARE * 100} %)`,
            speed(big[1]) >= MIN_BIG_SPEED_SHARE,
        ],
    ];
    console.log('\ntargets for the light runtime on the compositor, its first pass and the light fader:');
    for (const [text, met] of targets) console.log(`  ${met && lightBuilt ? 'PASS' : 'MISS'}  ${text}`);
    process.exitCode = lightBuilt && targets.every(([, met]) => met) ? 0 : 1;
}

main().catch((error) => {
    console.error(error);
    process.exitCode = 2;
});
