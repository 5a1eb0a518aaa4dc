'use strict';
// Renders every design in both engines (and the IE runtimes under emulation in Chromium) at a few clock
// times, for people to look at. Run on demand after a build:
//     node tests/browser/screenshots.js        (or: npm run screenshots, in tests/browser)
// MARQUETTO_CLI names marquetto-cli (default: build/app/marquetto-cli); the pictures go to
// build/screenshots/browser/, or to the folder that MARQUETTO_SCREENSHOTS names.

const fs = require('node:fs');
const path = require('node:path');
const { design } = require('./support/design');
const { Engine, ENGINE_NAMES } = require('./support/engines');
const { sampleMessages } = require('./support/messages');
const { generateNewsBox } = require('./support/newsBox');

const root = path.resolve(__dirname, '../..');
process.env.MARQUETTO_CLI ??= path.join(root, 'build/app/marquetto-cli');
const outputFolder = process.env.MARQUETTO_SCREENSHOTS ?? path.join(root, 'build/screenshots/browser');

const CLOCK_TIMES = [600, 3000, 6000, 12000];

const DESIGNS = {
    'wait-to-finish': design({ scrollMode: 0 }),
    'page-by-page': design({ scrollMode: 1 }),
    continuous: design({ scrollMode: 2 }),
    fader: design({ effectStyle: 1 }),
    'fader-image': design({ effectStyle: 1, bgImageOn: 1, bgImageName: 'background.png' }),
    'wait-many-messages': design({ scrollMode: 0, scrollDelay: '10', messages: sampleMessages(12) }),
    'styled-scroller': design({
        scrollMode: 2,
        width: '240',
        height: '160',
        borderWidth: '3',
        borderStyle: 2,
        borderColor: [0, 90, 160],
        bgColor: [255, 250, 230],
        alignment: 1,
        titleStyle: 3,
        textDecoration: 1,
        messages: sampleMessages(4),
    }),
};

async function render(engine, name, d, options) {
    const box = generateNewsBox(d);
    const page = await engine.open(options.ie ? box.iePageUrl : box.hostUrl, { ieShim: options.ie });
    const clip = { x: 0, y: 0, width: parseInt(d.width, 10) + 8, height: parseInt(d.height, 10) + 8 };
    let now = 0;
    for (const time of CLOCK_TIMES) {
        await page.tick(time - now);
        now = time;
        const file = path.join(outputFolder, `${options.label}-${name}-${String(time).padStart(5, '0')}ms.png`);
        await page.page.screenshot({ path: file, clip, captureBeyondViewport: false });
    }
    if (page.errors.length > 0) console.error(`${options.label} ${name}: ${page.errors.join('; ')}`);
    await page.close();
}

async function main() {
    fs.mkdirSync(outputFolder, { recursive: true });
    for (const engineName of ENGINE_NAMES) {
        const engine = await Engine.launch(engineName);
        try {
            for (const [name, d] of Object.entries(DESIGNS)) await render(engine, name, d, { label: engineName });
            if (engineName === 'chromium')
                for (const [name, d] of Object.entries(DESIGNS))
                    await render(engine, name, d, { label: 'ie-emulated', ie: true });
        } finally {
            await engine.close();
        }
    }
    console.log(`Screenshots in ${outputFolder}`);
}

main().catch((error) => {
    console.error(error);
    process.exitCode = 1;
});
