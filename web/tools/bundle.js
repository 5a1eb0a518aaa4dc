'use strict';
// Joins the page's ES modules into one file, so that the page loads one script where it would load a dozen:
// node bundle.js OUT FOLDER ENTRY. Each module keeps a scope of its own; what it imports it takes from the
// modules before it, which come in the order of their imports. Only the forms the page uses are taken
// (import { names } from './file.js'; export function|class|const NAME); any other import or export stops
// the build, so that nothing is joined wrongly.

const fs = require('node:fs');
const path = require('node:path');

const IMPORT = /^import \{([^}]*)\} from '\.\/([\w-]+\.js)';\n/gm;
const EXPORT = /^export (?:async function|function|class|const|let) (\w+)/gm;

function scopeName(file) {
    return `module_${file.replace(/\W/g, '_')}`;
}

function read(folder, file, done, parts) {
    if (done.has(file)) return;
    done.add(file);
    const source = fs.readFileSync(path.join(folder, file), 'utf8');
    const imports = [...source.matchAll(IMPORT)];
    for (const [, , dependency] of imports) read(folder, dependency, done, parts);
    const exported = [...source.matchAll(EXPORT)].map((match) => match[1]);
    let body = source.replace(IMPORT, (whole, names, dependency) => {
        if (/\bas\b/.test(names)) throw new Error(`${file}: an import with "as" is not joined`);
        return `const {${names}} = ${scopeName(dependency)};\n`;
    });
    body = body.replace(/^export (?=async function|function|class|const|let)/gm, '');
    const left = /^\s*(import|export)\b.*$/m.exec(body);
    if (left) throw new Error(`${file}: "${left[0].trim()}" is not a form the joiner takes`);
    parts.push(`// ${file}\nconst ${scopeName(file)} = (() => {\n${body}\nreturn { ${exported.join(', ')} };\n})();\n`);
}

function main([out, folder, entry]) {
    const parts = [];
    read(folder, entry, new Set(), parts);
    fs.writeFileSync(out, `// Joined from web/page/ by web/tools/bundle.js.\n${parts.join('\n')}`);
}

main(process.argv.slice(2));
