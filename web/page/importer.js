import { el, freshId } from './dom.js';

const PREVIEW_ROWS = 5;
const SHOWN_WARNINGS = 3;
const MOST_ITEMS = 1000000;
const LONGEST_TEXT = 100000;

// "Import..." on Step 4: a feed is read once by the core when it is chosen; the dialog's options only choose
// among its items and show the first messages they make, with the warnings the import gives, as the
// wizard's Import Messages dialog does.
export class FeedImporter {
    constructor({ core, catalogue, chooseFile, showMessage, onImported }) {
        this.core = core;
        this.catalogue = catalogue;
        this.chooseFile = chooseFile;
        this.showMessage = showMessage;
        this.onImported = onImported;
    }

    tr(source, ...args) {
        return this.catalogue.tr('FeedImportDialog', source, ...args);
    }

    async start(messagesInList) {
        const file = await this.chooseFile('.xml,.rss,.atom,.json,.csv,text/xml,application/xml,application/json,text/csv');
        if (!file) return;
        const read = this.core.readFeed(new Uint8Array(await file.arrayBuffer()), file.name);
        if (read.error) {
            await this.showMessage(this.catalogue.tr('iki', '"%1": %2', file.name, read.error));
            return;
        }
        this.fileName = file.name;
        this.messagesInList = messagesInList;
        const chosen = await this.dialog();
        if (!chosen) return;
        const answer = this.core.importFeed(chosen.options, chosen.append);
        if (answer.status !== 0) await this.showMessage(this.catalogue.tr('iki', '"%1": %2', file.name, answer.error));
        else this.onImported(chosen.count);
    }

    number(id, most, value) {
        return el('input', { id, type: 'number', min: 1, max: most, step: 1, value, required: true, oninput: () => this.refresh() });
    }

    dialog() {
        const ids = { items: freshId('items'), target: freshId('target'), length: freshId('length'), caption: freshId('caption') };
        this.maxItems = this.number(ids.items, MOST_ITEMS, 10);
        this.target = el('input', { id: ids.target, type: 'text', value: '_blank', spellcheck: false, oninput: () => this.refresh() });
        this.maxLength = this.number(ids.length, LONGEST_TEXT, 200);
        this.replace = el('input', { type: 'radio', name: 'import-mode', checked: true, onchange: () => this.showSummary() });
        this.append = el('input', { type: 'radio', name: 'import-mode', onchange: () => this.showSummary() });
        this.rows = el('tbody');
        this.summary = el('p', { className: 'import-summary', 'aria-live': 'polite' });
        this.ok = el('button', { type: 'submit', value: 'ok' }, this.tr('OK'));
        const row = (caption, id, input, after) => el('div', { className: 'row' },
            el('label', { for: id }, this.tr(caption)), el('span', { className: 'field' }, input, after && el('span', { className: 'unit' }, this.tr(after))));
        const dialog = el('dialog', { className: 'import-dialog', 'aria-labelledby': ids.caption },
            el('form', { method: 'dialog' },
                el('h2', { id: ids.caption }, this.tr('Import Messages')),
                el('p', {}, this.tr('From "%1"', this.fileName)),
                el('div', { className: 'rows' },
                    row('Items :', ids.items, this.maxItems, 'at most'),
                    row('Target Frame :', ids.target, this.target),
                    row('Text length :', ids.length, this.maxLength, 'characters at most')),
                el('label', { className: 'tick' }, this.replace, ` ${this.tr('Replace the messages in the list')}`),
                el('label', { className: 'tick' }, this.append, ` ${this.tr('Add them after the messages in the list')}`),
                el('div', { className: 'first-items' },
                    el('table', { 'aria-label': this.tr('First items') },
                        el('caption', {}, this.tr('First items :')),
                        el('thead', {}, el('tr', {}, ['Title', 'Text', 'Link'].map((c) => el('th', { scope: 'col' }, this.tr(c))))),
                        this.rows)),
                this.summary,
                el('div', { className: 'dialog-buttons' }, this.ok,
                    el('button', { type: 'button', onclick: () => dialog.close('cancel') }, this.tr('Cancel')))));
        document.body.append(dialog);
        this.refresh();
        dialog.showModal();
        return new Promise((resolve) => dialog.addEventListener('close', () => {
            const options = this.options();
            dialog.remove();
            resolve(dialog.returnValue === 'ok' && options ? { options, append: this.append.checked, count: this.count } : null);
        }, { once: true }));
    }

    // The options as typed, or null while a number is not a whole number in its range.
    options() {
        const whole = (input) => (input.checkValidity() && /^\d+$/.test(input.value) ? Number(input.value) : null);
        const maxItems = whole(this.maxItems);
        const maxLength = whole(this.maxLength);
        return maxItems && maxLength ? { maxItems, maxLength, target: this.target.value } : null;
    }

    refresh() {
        const options = this.options();
        const preview = options ? this.core.feedPreview(options, PREVIEW_ROWS) : { error: null };
        this.rows.replaceChildren();
        if (preview.error !== undefined) {
            this.count = 0;
            this.warnings = [];
            this.summary.textContent = preview.error ? this.catalogue.tr('FeedImportDialog', '"%1": %2', this.fileName, preview.error) : '';
            this.ok.disabled = true;
            return;
        }
        const line = (text) => text.replace(/\r\n|\n|\r/g, '\u23CE');
        for (const message of preview.messages)
            this.rows.append(el('tr', {}, el('td', {}, line(message.title)), el('td', {}, line(message.text)), el('td', {}, message.link)));
        this.count = preview.count;
        this.warnings = preview.warnings;
        this.showSummary();
    }

    messageCount(count) {
        return count === 1 ? this.catalogue.tr('QObject', '1 message') : this.catalogue.tr('QObject', '%1 messages', count);
    }

    showSummary() {
        const count = this.count;
        this.ok.disabled = count === 0;
        let summary;
        if (count === 0) summary = this.tr('The feed holds no items to import.');
        else if (this.messagesInList === 0) summary = this.tr('%1 will fill the empty list.', this.messageCount(count));
        else if (this.replace.checked) summary = this.tr('%1 will replace the %2 in the list.', this.messageCount(count), this.messageCount(this.messagesInList));
        else summary = this.tr('%1 will be added after the %2 in the list.', this.messageCount(count), this.messageCount(this.messagesInList));
        const lines = [summary, ...this.warnings.slice(0, SHOWN_WARNINGS).map((w) => this.tr('"%1": %2', this.fileName, w))];
        const more = this.warnings.length - SHOWN_WARNINGS;
        if (more > 0) lines.push(more === 1 ? this.tr('1 more warning.') : this.tr('%1 more warnings.', more));
        this.summary.replaceChildren(...lines.flatMap((text, i) => (i ? [el('br'), text] : [text])));
    }
}
