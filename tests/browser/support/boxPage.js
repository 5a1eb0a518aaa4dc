'use strict';
// One open tab showing a news box, seen through one of its frames. Timers run only when the test moves the
// page's fake clock; pointer actions are real mouse events at the element's place on the screen. Each wait on the
// browser is a named step of the running case, which its deadline reports.

const { shortText, step, tracked } = require('./deadline');

function runTimers(count, probe, probeArguments) {
    const rows = [];
    for (let i = 0; i < count && window.__clock.countTimers() > 0; i++) {
        window.__clock.next();
        rows.push({ time: window.__clock.now, ...probe(...probeArguments) });
    }
    return rows;
}

function runTimersUntil(limit, condition, conditionArguments) {
    for (let i = 0; i < limit && window.__clock.countTimers() > 0; i++) {
        if (condition(...conditionArguments)) return true;
        window.__clock.next();
    }
    return condition(...conditionArguments);
}

// Resolves once condition(...conditionArguments) holds in the page, checking it again whenever the document
// changes, an element changes size or scrolls, or the window is resized: these come from the browser's own event
// loop, which the fake clock does not hold, so no timer of the page's is needed to see them.
function conditionMet(condition, conditionArguments) {
    return new Promise((resolve) => {
        const events = ['resize', 'scroll'];
        const mutations = new MutationObserver(check);
        const sizes = new ResizeObserver(check);
        function check() {
            if (!condition(...conditionArguments)) return;
            mutations.disconnect();
            sizes.disconnect();
            for (const event of events) window.removeEventListener(event, check, true);
            resolve(true);
        }
        mutations.observe(document, { attributes: true, childList: true, subtree: true, characterData: true });
        for (const element of document.querySelectorAll('*')) sizes.observe(element);
        for (const event of events) window.addEventListener(event, check, true);
        check();
    });
}

// How long a wait on the browser's own event loop may take on a loaded machine before the test fails.
const WAIT_LIMIT_MS = 10000;

function withinLimit(promise, what) {
    promise.catch(() => {});
    let timer;
    const late = new Promise((resolve, reject) => {
        timer = setTimeout(() => reject(new Error(`waited ${WAIT_LIMIT_MS} ms for ${what}`)), WAIT_LIMIT_MS);
    });
    return Promise.race([promise, late]).finally(() => clearTimeout(timer));
}

// Tabs whose mouse, keyboard or settings a test used; they are closed after the test, not used again.
const touchedTabs = new WeakSet();

class BoxPage {
    // putAside, when given, takes back a tab that its test left untouched, for another test.
    constructor(tab, frame = tab.mainFrame(), errors = [], putAside = null) {
        this.tab = tab;
        this.frame = frame;
        this.errors = errors;
        this.putAside = putAside;
        this.listeners = [];
        if (frame === tab.mainFrame()) {
            this.listen('pageerror', (error) => errors.push(`page error: ${error.message}`));
            this.listen('console', (message) => {
                if (message.type() === 'error') errors.push(`console error: ${message.text()}`);
            });
        }
    }

    listen(event, listener) {
        this.tab.on(event, listener);
        this.listeners.push([event, listener]);
    }

    // The puppeteer tab itself, for what this class does not offer.
    get page() {
        touchedTabs.add(this.tab);
        return tracked(this.tab);
    }

    step(what, promise) {
        return step(`${what} in ${this.frame.url().split('/').pop()}`, promise);
    }

    // The same tab seen through the frame that shows the host page (preview.html holds it in an iframe).
    hostFrame() {
        const frame = this.tab.frames().find((f) => /newstic\.html$/.test(f.url()));
        if (!frame) throw new Error(`no frame shows a host page among ${this.tab.frames().map((f) => f.url())}`);
        return new BoxPage(this.tab, frame, this.errors);
    }

    evaluate(fn, ...args) {
        return this.step(`evaluate ${shortText(fn)}`, this.frame.evaluate(fn, ...args));
    }

    async tick(milliseconds) {
        await this.step(`tick(${milliseconds})`, this.frame.evaluate((ms) => window.__clock.tick(ms), milliseconds));
    }

    now() {
        return this.step('now()', this.frame.evaluate(() => window.__clock.now));
    }

    // Fires the page's timers one at a time; after each, probe(...probeArguments) runs in the page and its
    // result is recorded with the clock time. probe must not use anything from the test's scope. An error
    // that a timer throws rejects the call (the fake clock passes it on), as it does for tick().
    run(count, probe = () => ({}), ...probeArguments) {
        return this.step(
            `run(${count})`,
            this.frame.evaluate(`(${runTimers.toString()})(${count}, ${probe.toString()}, ${JSON.stringify(probeArguments)})`),
        );
    }

    // Fires the page's timers one at a time until condition(...conditionArguments) holds in the page.
    async runUntil(condition, ...conditionArguments) {
        const met = await this.step(
            `runUntil ${shortText(condition)}`,
            this.frame.evaluate(
                `(${runTimersUntil.toString()})(5000, ${condition.toString()}, ${JSON.stringify(conditionArguments)})`,
            ),
        );
        if (!met) throw new Error(`the page never reached ${condition}`);
    }

    // Waits for condition(...conditionArguments) to hold in the page without moving its clock: for what the
    // browser does by itself, such as a layout after a resize, a scroll or a change of the reader's settings.
    until(what, condition, ...conditionArguments) {
        const met = this.frame.evaluate(
            `(${conditionMet.toString()})(${condition.toString()}, ${JSON.stringify(conditionArguments)})`,
        );
        return this.step(what, withinLimit(met, what));
    }

    // Waits for condition() to hold in the test, checking it each time a frame of the tab has loaded a page.
    untilNavigated(what, condition) {
        const tab = this.tab;
        let check;
        const met = new Promise((resolve) => {
            check = () => condition() && resolve();
            tab.on('framenavigated', check);
            check();
        });
        return this.step(what, withinLimit(met, what).finally(() => tab.off('framenavigated', check)));
    }

    async frameOffset() {
        let x = 0;
        let y = 0;
        for (let frame = this.frame; frame.parentFrame(); frame = frame.parentFrame()) {
            const offset = await tracked(frame.parentFrame()).evaluate(() => {
                const iframe = document.querySelector('iframe');
                const box = iframe.getBoundingClientRect();
                return { x: box.left + iframe.clientLeft, y: box.top + iframe.clientTop };
            });
            x += offset.x;
            y += offset.y;
        }
        return { x, y };
    }

    // The middle of the visible part of element id, in the tab's coordinates.
    async pointAt(id) {
        const box = await this.evaluate((elementId) => {
            const element = document.getElementById(elementId);
            if (!element) return null;
            const own = element.getBoundingClientRect();
            const area = (
                document.getElementById('spagens') || document.getElementById('spageie')
            ).getBoundingClientRect();
            const top = Math.max(own.top, area.top);
            const bottom = Math.min(own.bottom, area.bottom);
            return { x: own.left + own.width / 2, y: (top + bottom) / 2, visible: bottom - top > 2 };
        }, id);
        if (!box || !box.visible) throw new Error(`element ${id} is not in sight`);
        const offset = await this.frameOffset();
        return { x: box.x + offset.x, y: box.y + offset.y };
    }

    async hover(id) {
        const { x, y } = await this.pointAt(id);
        await this.page.mouse.move(x, y);
    }

    async leave() {
        const viewport = this.page.viewport();
        await this.page.mouse.move(viewport.width - 2, viewport.height - 2);
    }

    async click(id) {
        const { x, y } = await this.pointAt(id);
        await this.page.mouse.click(x, y);
    }

    screenshot(file) {
        return tracked(this.tab).screenshot({ path: file });
    }

    // Every tab leaves through an empty page, which also stops the box's scripts and animations. A close that
    // reaches Chromium while the top window commits a page that a link of the test loaded is now and then lost:
    // Chromium answers it, but the tab never goes, and puppeteer waits for it without end. The empty page loads
    // only after that commit.
    async close() {
        for (const [event, listener] of this.listeners) this.tab.off(event, listener);
        const tab = tracked(this.tab);
        const emptied = await tab.goto('about:blank').then(
            () => true,
            () => false,
        );
        if (emptied && this.putAside && !touchedTabs.has(this.tab)) return this.putAside();
        return tab.close();
    }
}

module.exports = { BoxPage };
