'use strict';
// What the IE runtimes take from Internet Explorer, emulated in Chromium: numeric pixelTop and pixelLeft,
// the transition filters of an element styled with one (each apply() and play() is recorded with the
// messages shown at that moment), the 'hand'
// cursor, and window.status (every assignment is recorded). Chromium already exposes element ids as
// global names, as IE does.
function installIeShim() {
    const style = CSSStyleDeclaration.prototype;
    for (const [pixelName, name] of [
        ['pixelTop', 'top'],
        ['pixelLeft', 'left'],
    ]) {
        Object.defineProperty(style, pixelName, {
            configurable: true,
            get() {
                return parseInt(this[name], 10) || 0;
            },
            set(value) {
                if (typeof value !== 'number' || Number.isNaN(value))
                    throw new TypeError(`${pixelName} takes a number, not ${JSON.stringify(value)}`);
                this[name] = `${value}px`;
            },
        });
    }

    // Chromium refuses the cursor 'hand' and keeps CSS properties off the prototype, so each element's style
    // is handed out through a proxy that remembers 'hand' and shows it as 'pointer'.
    const ieCursors = new WeakMap();
    const styleHandler = {
        get(target, name) {
            if (name === 'cursor' && ieCursors.has(target)) return ieCursors.get(target);
            const value = Reflect.get(target, name, target);
            return typeof value === 'function' ? value.bind(target) : value;
        },
        set(target, name, value) {
            if (name === 'cursor') {
                if (value === 'hand') ieCursors.set(target, value);
                else ieCursors.delete(target);
                target.cursor = value === 'hand' ? 'pointer' : value;
            } else {
                Reflect.set(target, name, value, target);
            }
            return true;
        },
    };
    const styleProxies = new WeakMap();
    const inlineStyle = Object.getOwnPropertyDescriptor(HTMLElement.prototype, 'style');
    Object.defineProperty(HTMLElement.prototype, 'style', {
        configurable: true,
        get() {
            const real = inlineStyle.get.call(this);
            if (!styleProxies.has(real)) styleProxies.set(real, new Proxy(real, styleHandler));
            return styleProxies.get(real);
        },
        set(value) {
            inlineStyle.set.call(this, value);
        },
    });

    window.__filterCalls = [];
    Object.defineProperty(HTMLElement.prototype, 'filters', {
        configurable: true,
        get() {
            if (!/filter\s*:\s*progid:/i.test(this.getAttribute('style') || '')) return [];
            const element = this.id;
            const shownMessages = () =>
                Array.from(document.querySelectorAll('[id]'))
                    .filter((e) => /^d\d+$/.test(e.id) && e.style.visibility === 'visible')
                    .map((e) => e.id);
            const record = (call) => () =>
                window.__filterCalls.push({ call, element, time: Date.now(), shown: shownMessages() });
            return [{ apply: record('apply'), play: record('play') }];
        },
    });

    let status = '';
    window.__statusLog = [];
    Object.defineProperty(window, 'status', {
        configurable: true,
        get() {
            return status;
        },
        set(value) {
            status = String(value);
            window.__statusLog.push(status);
        },
    });
}

const ieShimScript = `(${installIeShim.toString()})();`;

module.exports = { ieShimScript };
