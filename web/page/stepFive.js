import { announce, el, freshId } from './dom.js';

// Step 5: the box in the author's own browser, the snippet to paste with Copy, the files as a zip, and the
// design check's findings, each a way to the field where it is fixed.
export class StepFive {
    constructor({ catalogue, texts, onDownload, onFinding }) {
        this.catalogue = catalogue;
        this.texts = texts;
        this.onDownload = onDownload;
        this.onFinding = onFinding;
    }

    tr(source, ...args) {
        return this.catalogue.tr('uc', source, ...args);
    }

    build() {
        const snippetId = freshId('snippet');
        const filesId = freshId('files');
        this.previewLink = el('a', { className: 'button', target: '_blank', rel: 'noopener', href: '#' }, this.tr('Preview in Browser'));
        this.snippet = el('textarea', { id: snippetId, readOnly: true, rows: 4, wrap: 'off', spellcheck: false });
        this.files = el('ul', { id: filesId, className: 'file-list', 'aria-label': this.tr('Generated files :') });
        this.findingsTitle = el('p', { id: freshId('findings-title') });
        this.findings = el('ul', { className: 'findings', 'aria-labelledby': this.findingsTitle.id });
        const group = (caption, ...content) => el('fieldset', {}, el('legend', {}, this.tr(caption)), ...content);
        return [
            group('Step 1 :', this.previewLink),
            group('Step 2 :',
                el('label', { for: snippetId, className: 'instructions' }, this.tr('Copy the below into the <body> section of your web\npage where you wish the news scroller to appear.')),
                el('button', { type: 'button', onclick: () => this.copy() }, this.tr('Copy')),
                this.snippet),
            group('Step 3 :',
                el('button', { type: 'button', onclick: () => this.onDownload() }, this.texts.downloadFiles),
                el('p', { className: 'caption', 'aria-hidden': 'true' }, this.tr('Generated files :')),
                this.files),
            el('section', { className: 'findings-notice', 'aria-label': this.tr('Design check findings') }, this.findingsTitle, this.findings),
        ];
    }

    showBox({ snippet, files }, previewUrl) {
        this.snippet.value = snippet;
        this.files.replaceChildren(...files.map((file) => el('li', {}, file.name)));
        this.previewLink.href = previewUrl;
    }

    showFindings(findings) {
        const count = findings.length === 1 ? this.tr('1 thing') : this.tr('%1 things', findings.length);
        this.findingsTitle.textContent = findings.length ? this.texts.findings.replace('%1', count) : this.texts.noFindings;
        this.findings.replaceChildren(...findings.map((finding) => el('li', {},
            el('button', { type: 'button', className: 'finding', title: this.tr('Click to go to Step %1', finding.step),
                onclick: () => this.onFinding(finding) }, finding.text))));
    }

    async copy() {
        try {
            await navigator.clipboard.writeText(this.snippet.value);
            announce(this.texts.copied);
        } catch (error) {
            this.snippet.select();
            announce(this.texts.notCopied.replace('%1', error.message));
        }
    }
}
