// Every generated runtime and the host page's loader must at least compile, whatever the design holds.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import vm from 'node:vm';

const cli = process.env.MARQUETTO_CLI;

function record(key, value) {
  return `#%#qvo-${key}=${value}endof-qvo-${key}#%#\r\n`;
}

function project(settings, messages) {
  let text = '';
  for (const [key, value] of Object.entries(settings)) text += record(key, value);
  text += record('text-message_count', messages.length);
  messages.forEach((m, i) => {
    const n = i + 1;
    text += record(`tmessage${n}`, m.text) + record(`linktext${n}`, m.link);
    text += record(`targettext${n}`, m.target) + record(`titletext${n}`, m.title);
  });
  return text;
}

const defaults = {
  width: '180', height: '215', nameoftext: 'box_', topmargin: '4', bottommargin: '4', leftmargin: '8',
  rightmargin: '8', 'title-width': '10', 'border-width': '1', fontheight: '8', titlheight: '9',
  textlineheight: '12', titlelineheight: '14', use_this: '1', titleuse_this: '1',
  custom_fontface: 'MS Sans Serif,arial,helvetica', titlecustom_fontface: 'verdana,arial,helvetica',
  scrolldelay: '35', pause: '3', speed: '1', effecttype: '6', tisty: '1',
};

const tricky = [
  { title: 'Say "hi"', text: 'It\'s <b>here</b>\r\nand "there"\nnow', link: 'http://x/?q="1"', target: '_parent' },
  { title: 'Schön ж 日本 😀', text: 'line one\r\nline two', link: 'javascript:alert("ö")', target: 'a"b\nc' },
  { title: '<i>\'single\'</i>', text: '', link: '', target: '' },
  { title: 'Say \\"hi\\" now\\', text: 'C:\\xampp c:\\users \\u{110000} \\x4 end\\', link: 'c:\\x', target: 'frame\\' },
];

const designs = [];
for (const [style, mode] of [[0, 0], [0, 1], [0, 2], [1, 0]]) {
  const base = { ...defaults, effectstyle: String(style), scrollpage: String(mode) };
  designs.push({ name: `style ${style} mode ${mode}, default messages`, text: project(base, tricky.slice(2)) });
  designs.push({
    name: `style ${style} mode ${mode}, quotes, accents and line breaks in every field`,
    text: project({ ...base, custom_fontface: 'Schön\r\nSans,serif', titlecustom_fontface: '"Ünï\nFace", C:\\x\\' }, tricky),
  });
  designs.push({ name: `style ${style} mode ${mode}, no messages`, text: project(base, []) });
  const options = {
    'x-accessiblebox': '1', 'x-righttoleft': '1', 'x-fitpagewidth': '1', 'x-lightmotion': '1', 'x-livemessages': '1',
  };
  designs.push({
    name: `style ${style} mode ${mode}, every option on`,
    text: project({ ...base, ...options }, tricky),
    messages: tricky,
  });
  designs.push({ name: `style ${style} mode ${mode}, fit the page width, no messages`,
    text: project({ ...base, 'x-fitpagewidth': '1' }, []) });
}

function generate(projectText, encoding = 'utf8') {
  const folder = mkdtempSync(join(tmpdir(), 'marquetto-compile-'));
  const file = join(folder, 'design.tkp');
  writeFileSync(file, Buffer.from(projectText, encoding));
  execFileSync(cli, ['generate', '--project', file, '--out', join(folder, 'out')]);
  return join(folder, 'out');
}

function compiles(code, what) {
  assert.doesNotThrow(() => new vm.Script(code), `${what} does not compile`);
}

for (const design of designs) {
  test(`generated scripts compile: ${design.name}`, () => {
    const out = generate(design.text);
    for (const file of ['box_newsticns6.js', 'box_newsticie.js']) {
      const bytes = readFileSync(join(out, file));
      assert.ok(bytes.every((b) => b < 0x80), `${file} is not pure ASCII`);
      compiles(bytes.toString('latin1'), file);
    }
    const page = readFileSync(join(out, 'box_newstic.html'), 'latin1');
    compiles(page.match(/<script language="javascript">(.*)<\/script>/)[1], 'the host page loader');
    // The messages file that a live box reads holds the project's messages as they were typed.
    if (design.messages)
      assert.deepEqual(JSON.parse(readFileSync(join(out, 'box_messages.json'), 'utf8')), { version: 1, messages: design.messages });
  });
}

test('generated scripts compile: a windows-1252 project', () => {
  const text = project({ ...defaults, custom_fontface: 'Caf\u00e9' },
    [{ title: 'caf\u00e9 \u0080 \u0093q\u0094', text: '\u00b6', link: '', target: '' }]);
  const out = generate(text, 'latin1');
  const script = readFileSync(join(out, 'box_newsticns6.js'), 'latin1');
  compiles(script, 'box_newsticns6.js');
  assert.match(script, /titlea\[0\] = "caf\\u00E9 \\u20AC \\u201Cq\\u201D";/);
});
