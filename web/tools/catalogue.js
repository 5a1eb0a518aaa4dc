'use strict';
// Converts the wizard's Qt Linguist catalogues into the page's: node catalogue.js OUT_FOLDER marquetto_de.ts ...
// writes OUT_FOLDER/LANG.json for each ({ context: { source: translation } }, with the source where a
// translation is unfinished) and en.json, which holds the sources themselves.

const fs = require('node:fs');
const path = require('node:path');

const ENTITIES = { quot: '"', amp: '&', lt: '<', gt: '>', apos: "'" };

function unescaped(text) {
    return text.replace(/&(#x[0-9a-fA-F]+|#\d+|\w+);/g, (whole, name) => {
        if (name.startsWith('#x')) return String.fromCodePoint(parseInt(name.slice(2), 16));
        if (name.startsWith('#')) return String.fromCodePoint(parseInt(name.slice(1), 10));
        if (!(name in ENTITIES)) throw new Error(`unknown entity ${whole}`);
        return ENTITIES[name];
    });
}

function contextsOf(catalogue) {
    const contexts = {};
    for (const [, name, body] of catalogue.matchAll(/<context>\s*<name>([\s\S]*?)<\/name>([\s\S]*?)<\/context>/g)) {
        const messages = {};
        for (const [, source, kind, translation] of body.matchAll(
            /<message>\s*<source>([\s\S]*?)<\/source>[\s\S]*?<translation(?: type="(\w+)")?\s*(?:\/>|>([\s\S]*?)<\/translation>)/g)) {
            const finished = kind !== 'unfinished' && kind !== 'vanished' && kind !== 'obsolete' && translation;
            messages[unescaped(source)] = finished ? unescaped(translation) : unescaped(source);
        }
        contexts[unescaped(name)] = messages;
    }
    return contexts;
}

function main([out, ...catalogues]) {
    fs.mkdirSync(out, { recursive: true });
    let english = null;
    for (const file of catalogues) {
        const language = /marquetto_(\w+)\.ts$/.exec(file)[1];
        const contexts = contextsOf(fs.readFileSync(file, 'utf8'));
        fs.writeFileSync(path.join(out, `${language}.json`), JSON.stringify(contexts));
        english ??= Object.fromEntries(Object.entries(contexts).map(([name, messages]) =>
            [name, Object.fromEntries(Object.keys(messages).map((source) => [source, source]))]));
    }
    fs.writeFileSync(path.join(out, 'en.json'), JSON.stringify(english));
}

main(process.argv.slice(2));
