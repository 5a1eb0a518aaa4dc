'use strict';
// The two browser engines the generated files must run in, launched from the Debian packages.

const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const puppeteer = require('puppeteer-core');
const { BoxPage } = require('./boxPage');
const { clockScript } = require('./clock');
const { ieShimScript } = require('./ieShim');
const { probeScript } = require('./probes');

const ENGINES = {
    chromium: {
        browser: 'chrome',
        executablePath: '/usr/bin/chromium',
        args: [
            '--no-sandbox',
            '--disable-gpu',
            '--disable-background-networking',
            '--disable-component-update',
            '--disable-sync',
            '--no-first-run',
        ],
    },
    firefox: { browser: 'firefox', executablePath: '/usr/bin/firefox-esr', args: [] },
};

const ENGINE_NAMES = Object.keys(ENGINES);

const VIEWPORT = { width: 420, height: 420 };

class Engine {
    constructor(name, browser, profile) {
        this.name = name;
        this.browser = browser;
        this.profile = profile;
    }

    // With reducedMotion the browser starts as for a reader who asked the system for reduced motion.
    static async launch(name, { reducedMotion = false } = {}) {
        const profile = fs.mkdtempSync(path.join(os.tmpdir(), `marquetto-${name}-`));
        const engine = ENGINES[name];
        const options = { ...engine, headless: true, userDataDir: profile };
        if (reducedMotion && name === 'chromium') options.args = [...engine.args, '--force-prefers-reduced-motion'];
        if (reducedMotion && name === 'firefox') options.extraPrefsFirefox = { 'ui.prefersReducedMotion': 1 };
        const browser = await puppeteer.launch(options);
        return new Engine(name, browser, profile);
    }

    // Opens url in a new tab whose frames all run on a fake clock; ieShim adds the IE emulation.
    // beforeScripts runs in every frame before the page's own scripts.
    async open(url, { ieShim = false, userAgent, viewport = VIEWPORT, beforeScripts } = {}) {
        const page = await this.browser.newPage();
        const boxPage = new BoxPage(page);
        await page.setViewport(viewport);
        if (userAgent) await page.setUserAgent(userAgent);
        await page.evaluateOnNewDocument(clockScript);
        await page.evaluateOnNewDocument(probeScript);
        if (ieShim) await page.evaluateOnNewDocument(ieShimScript);
        if (beforeScripts) await page.evaluateOnNewDocument(beforeScripts);
        await page.goto(url, { waitUntil: 'load' });
        return boxPage;
    }

    async close() {
        await this.browser.close();
        fs.rmSync(this.profile, { recursive: true, force: true });
    }
}

module.exports = { Engine, ENGINE_NAMES, ENGINES };
