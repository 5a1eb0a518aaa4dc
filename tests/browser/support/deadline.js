'use strict';
// Every browser case runs under a deadline of its own: a case still waiting when its time is up fails with its
// name and the browser step it waited on, and the file goes on with its next case, long before CTest's timeout
// would end the whole file without a word on where it stood.

const { AsyncLocalStorage } = require('node:async_hooks');
const test = require('node:test');
const puppeteer = require('puppeteer-core');

// The slowest case takes under 4 s on a loaded machine; CTest gives a whole file 300 s.
const CASE_DEADLINE_MS = 30000;

const running = new AsyncLocalStorage();

class RunningCase {
    constructor(name) {
        this.name = name;
        this.steps = [];
        this.cleanups = [];
    }

    // The step waited on is the latest that has started and not yet settled; those that hold it are named after it.
    lateError() {
        const seconds = (since) => ((Date.now() - since) / 1000).toFixed(1);
        const pending = this.steps.map(({ what, since }) => `${what} (started ${seconds(since)} s before)`);
        const waitedOn = pending.length
            ? [pending.pop(), ...pending.reverse().map((outer) => `within ${outer}`)].join(', ')
            : 'the case itself, with no browser step pending';
        return new Error(`"${this.name}" ran past its deadline of ${CASE_DEADLINE_MS / 1000} s waiting for ${waitedOn}`);
    }

    // Runs the cleanups once, the last registered first, whether the case ended or ran out of time.
    async cleanUp() {
        const errors = [];
        for (const cleanup of this.cleanups.splice(0).reverse()) {
            const cleaned = Promise.resolve().then(cleanup);
            await step('cleaning up after the case', cleaned).catch((error) => errors.push(error));
        }
        if (errors.length) throw errors[0];
    }
}

// Names `promise` as a step of the running case until it settles.
function step(what, promise) {
    const current = running.getStore();
    if (!current) return promise;
    const entry = { what, since: Date.now() };
    current.steps.push(entry);
    return Promise.resolve(promise).finally(() => current.steps.splice(current.steps.indexOf(entry), 1));
}

const TRACKED = [
    [puppeteer.Browser, () => 'browser'],
    [puppeteer.Page, () => 'tab'],
    [puppeteer.Frame, (frame) => `frame ${frame.url().split('/').pop() || frame.url()}`],
    [puppeteer.Keyboard, () => 'keyboard'],
    [puppeteer.Mouse, () => 'mouse'],
    [puppeteer.Accessibility, () => 'accessibility'],
    [puppeteer.CDPSession, () => 'DevTools session'],
];

function shortText(value) {
    const text = typeof value === 'function' ? value.toString() : JSON.stringify(value) ?? String(value);
    const line = text.replace(/\s+/g, ' ');
    return line.length > 60 ? `${line.slice(0, 57)}...` : line;
}

// A puppeteer object whose calls that return a promise are steps of the running case, named after the call;
// the objects that its calls and properties give are tracked in turn.
function tracked(value) {
    if (Array.isArray(value)) return value.map(tracked);
    const kind = value && TRACKED.find(([type]) => value instanceof type);
    if (!kind) return value;
    const name = kind[1](value);
    return new Proxy(value, {
        get(target, property) {
            const member = Reflect.get(target, property, target);
            if (typeof property === 'symbol') return member;
            if (typeof member !== 'function') return tracked(member);
            return (...args) => {
                const result = member.apply(target, args);
                if (!(result instanceof Promise)) return tracked(result);
                return step(`${name}.${property}(${args.map(shortText).join(', ')})`, result.then(tracked));
            };
        },
    });
}

// Runs body under the deadline; t.after in the case registers cleanups that count within it too.
async function underDeadline(t, body) {
    const current = new RunningCase(t.fullName ?? t.name);
    const context = new Proxy(t, {
        get(target, property) {
            if (property === 'after') return (cleanup) => current.cleanups.push(async () => cleanup());
            const member = Reflect.get(target, property, target);
            return typeof member === 'function' ? member.bind(target) : member;
        },
    });
    return running.run(current, () => {
        const work = (async () => {
            let outcome;
            try {
                outcome = await body(context);
            } catch (error) {
                await current.cleanUp().catch((cleanupError) => {
                    error.message += `; cleaning up after it failed too: ${cleanupError.message}`;
                });
                throw error;
            }
            await current.cleanUp();
            return outcome;
        })();
        return withinDeadline(work, () => {
            const error = current.lateError();
            // A step that never settles keeps the case from its cleanups; closing its tabs may free it.
            current.cleanUp().catch(() => {});
            return error;
        });
    });
}

// promise, or the error that late() gives once the deadline has passed.
async function withinDeadline(promise, late) {
    promise.catch(() => {});
    let timer;
    const expired = new Promise((resolve, reject) => {
        timer = setTimeout(() => reject(late()), CASE_DEADLINE_MS);
    });
    try {
        return await Promise.race([promise, expired]);
    } finally {
        clearTimeout(timer);
    }
}

// node:test's it, each case under its deadline.
function it(name, ...rest) {
    const body = rest.pop();
    return test.it(name, ...rest, (t) => underDeadline(t, body));
}

module.exports = { it, shortText, step, tracked, withinDeadline };
