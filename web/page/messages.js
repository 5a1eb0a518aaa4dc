import { announce, el, freshId } from './dom.js';

const LINE_BREAK_MARK = '\u23CE';

// The Step 4 message list and its buttons, and the message editor ("Add Text", "Edit") as a modal dialog. The
// core stores what the editor gives it by the wizard's rules; a link or target that would mark a record of the
// project file is refused as it is typed.
export class MessageList {
    constructor({ core, catalogue, texts, onEdited, onImport, showMessage }) {
        this.core = core;
        this.showMessage = showMessage;
        this.catalogue = catalogue;
        this.texts = texts;
        this.onEdited = onEdited;
        this.onImport = onImport;
        this.messages = [];
    }

    tr(context, source, ...args) {
        return this.catalogue.tr(context, source, ...args);
    }

    build() {
        this.list = el('select', {
            id: 'message-list', size: 8, 'aria-label': this.tr('iki', 'Messages'),
            onchange: () => this.applyButtonRule(),
            ondblclick: () => this.selected() >= 0 && this.edit(),
            onkeydown: (e) => e.key === 'Enter' && this.selected() >= 0 && (e.preventDefault(), this.edit()),
        });
        const button = (caption, action) => el('button', { type: 'button', onclick: action }, this.tr('iki', caption));
        this.listButtons = [
            button('Edit', () => this.edit()),
            button('Delete', () => this.remove()),
            button('Move Up', () => this.move(true)),
            button('Move Down', () => this.move(false)),
        ];
        const buttons = el('div', { className: 'list-buttons' },
            button('Add', () => this.add()), this.listButtons, button('Import...', () => this.onImport()));
        this.dialog = this.editorDialog();
        return el('div', { className: 'messages' }, this.list, buttons, this.dialog);
    }

    selected() {
        return this.list.selectedIndex;
    }

    load(messages) {
        const selected = this.selected();
        this.messages = messages;
        this.list.replaceChildren(...messages.map((message) =>
            el('option', {}, message.text.replace(/\r\n|\n|\r/g, LINE_BREAK_MARK) || '\u00a0')));
        this.list.selectedIndex = selected < messages.length ? selected : -1;
        this.applyButtonRule();
    }

    select(index) {
        this.list.selectedIndex = index;
        this.applyButtonRule();
    }

    applyButtonRule() {
        for (const button of this.listButtons) button.disabled = this.selected() < 0;
    }

    async add() {
        const typed = await this.editor(this.tr('addbox', 'Add Text'), { title: '', text: '', link: '', target: '' });
        if (typed) this.done(this.core.addMessage(typed.message));
    }

    async edit() {
        const index = this.selected();
        const typed = await this.editor(this.tr('modifybox', 'Edit'), this.messages[index]);
        if (typed) this.done(this.core.editMessage(index, typed.message, typed.textTyped), index);
    }

    remove() {
        const index = this.selected();
        this.done(this.core.removeMessage(index), -1);
        announce(this.texts.removed.replace('%1', index + 1));
        this.list.focus();
    }

    move(up) {
        const index = this.selected();
        const place = up ? Math.max(index - 1, 0) : Math.min(index + 1, this.messages.length - 1);
        this.done(this.core.moveMessage(index, up), place);
        announce(this.texts.moved.replace('%1', place + 1));
    }

    done(answer, select) {
        if (answer.status !== 0) {
            this.showMessage(answer.error);
            return;
        }
        this.onEdited('messages');
        if (select !== undefined) this.select(select);
    }

    editorDialog() {
        const field = (caption, input) => {
            input.id = freshId('message-field');
            return [el('label', { for: input.id }, this.tr('MessageDialog', caption)), input];
        };
        this.fields = {
            title: el('input', { type: 'text', spellcheck: false }),
            text: el('textarea', { rows: 5, spellcheck: false, wrap: 'off' }),
            link: el('input', { type: 'url', spellcheck: false, oninput: () => this.refuseKeyText(this.fields.link) }),
            target: el('input', { type: 'text', spellcheck: false, oninput: () => this.refuseKeyText(this.fields.target) }),
        };
        this.note = el('p', { className: 'note', 'aria-live': 'assertive' });
        const hint = el('p', { className: 'hint' }, this.tr('MessageDialog',
            'You can use basic HTML tags in "Title" and "Text" boxes. You should set width and height properties for IMG tag. Like this:<img src="yourimage.gif" width="10" height="10">'));
        this.caption = el('h2', { id: 'message-dialog-caption' });
        const ok = el('button', { type: 'submit', value: 'ok' }, this.tr('MessageDialog', 'OK'));
        const cancel = el('button', { type: 'button', onclick: () => this.dialog.close('cancel') }, this.tr('MessageDialog', 'Cancel'));
        const form = el('form', { method: 'dialog', className: 'editor' },
            this.caption,
            el('div', { className: 'editor-fields' },
                field('Title :', this.fields.title), field('Text :', this.fields.text),
                field('Link :', this.fields.link), field('Target Frame :', this.fields.target)),
            this.note, hint, el('div', { className: 'dialog-buttons' }, ok, cancel));
        return el('dialog', { className: 'message-dialog', 'aria-labelledby': 'message-dialog-caption' }, form);
    }

    // As the wizard's fields refuse a text that marks a record, typed or pasted.
    refuseKeyText(input) {
        if (!this.core.keyText(input.value)) {
            input.dataset.kept = input.value;
            this.note.textContent = '';
            return;
        }
        input.value = input.dataset.kept || '';
        this.note.textContent = this.tr('LineFieldValidator',
            'Texts such as "qvo-width=" and "endof-qvo-width" mark the records of a project file, so they cannot be entered here.');
    }

    // The typed message and whether its text was typed over, or null when cancelled.
    editor(caption, message) {
        this.caption.textContent = caption;
        for (const [name, input] of Object.entries(this.fields)) {
            input.value = message[name];
            input.dataset.kept = message[name];
        }
        this.note.textContent = '';
        const loadedText = this.fields.text.value;
        this.dialog.returnValue = '';
        this.dialog.showModal();
        this.fields.title.focus();
        return new Promise((resolve) => {
            this.dialog.addEventListener('close', () => {
                if (this.dialog.returnValue !== 'ok') {
                    resolve(null);
                    return;
                }
                const typed = Object.fromEntries(Object.entries(this.fields).map(([name, input]) => [name, input.value]));
                resolve({ message: typed, textTyped: typed.text !== loadedText });
            }, { once: true });
        });
    }
}
