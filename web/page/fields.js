import { el, freshId } from './dom.js';
import { DESCRIPTIONS, ENABLED_WHEN, GROUPS, STEP_CONTEXTS, UNITS, UNSHOWN } from './layout.js';

// The controls of Steps 1 to 4, one for each named value of the core's table, each edit held to its rule by the
// core: a refused one leaves the field as it was, with a note beside it saying why, which goes at the next key,
// click or change of focus, as in the wizard.
export class DesignFields {
    constructor({ core, catalogue, values, onEdited, chooseFile, onImageChosen }) {
        this.core = core;
        this.catalogue = catalogue;
        this.values = new Map(values.map((value) => [value.name, value]));
        this.onEdited = onEdited;
        this.chooseFile = chooseFile;
        this.onImageChosen = onImageChosen;
        this.imageHint = el('p', { className: 'hint', 'aria-live': 'polite' });
        this.controls = new Map();
        this.kept = {};
        for (const event of ['keydown', 'pointerdown', 'focusin'])
            document.addEventListener(event, () => this.clearNotes(), true);
    }

    tr(context, source, ...args) {
        return this.catalogue.tr(context, source, ...args);
    }

    // The wizard's caption of a value: its caption with the colon the page shows, or the longer text that
    // begins with it; "Use this (text font)" is a "Use this :" of its own row.
    captionOf(value) {
        const context = STEP_CONTEXTS[value.step];
        const sources = this.catalogue.sources(context);
        const plain = value.caption.replace(/ \(.*\)$/, '');
        const source = [`${value.caption} :`, value.caption, `${plain} :`].find((s) => sources.includes(s)) ||
            sources.find((s) => s.startsWith(`${value.caption} (`)) || value.caption;
        return this.tr(context, source);
    }

    // The groups of a step, messages apart: makeMessages builds that group. A value of the table that the
    // layout does not place (a new option, say) comes at the end of its step's last group.
    build(step, makeMessages) {
        const context = STEP_CONTEXTS[step];
        const placed = new Set(GROUPS[step].flatMap((group) => group.names.flat()));
        const unplaced = [...this.values.values()].filter((v) => v.step === step && !placed.has(v.name) && !UNSHOWN.has(v.name)).map((v) => v.name);
        return GROUPS[step].map((group, index) => {
            if (index === GROUPS[step].length - 1) group = { ...group, names: [...group.names, ...unplaced] };
            if (group.messages) return makeMessages();
            const legend = group.ticked ? this.tickLegend(group.ticked) : el('legend', {}, this.tr(context, group.caption));
            const rows = el('div', { className: 'rows' });
            const fieldset = el('fieldset', {}, legend);
            if (group.explanation) fieldset.append(el('p', { className: 'explanation' }, this.tr(context, group.explanation)));
            fieldset.append(rows);
            if (group.ticked) fieldset.append(this.imageHint);
            for (const entry of group.names)
                rows.append(Array.isArray(entry) ? this.sharedRow(entry.map((n) => this.values.get(n))) : this.row(this.values.get(entry)));
            return fieldset;
        });
    }

    tickLegend(name) {
        const value = this.values.get(name);
        const box = this.control(value);
        return el('legend', {}, el('label', { className: 'tick' }, box, ` ${this.captionOf(value)}`));
    }

    row(value) {
        const control = this.control(value);
        const caption = this.captionOf(value);
        if (value.kind === 'tick') {
            const description = DESCRIPTIONS[value.name];
            const row = el('div', { className: 'row tick-row' }, el('label', { className: 'tick' }, control, ` ${caption}`));
            if (description) {
                const id = freshId('description');
                control.setAttribute('aria-describedby', id);
                row.append(el('p', { id, className: 'description' }, this.tr(STEP_CONTEXTS[value.step], description)));
            }
            return row;
        }
        const label = el('label', { for: control.id }, caption);
        const unit = UNITS[value.name] ? el('span', { className: 'unit' }, this.tr(STEP_CONTEXTS[value.step], UNITS[value.name])) : null;
        const extra = value.kind === 'image-file' ? this.browseButton(value) : null;
        return el('div', { className: 'row' }, label, el('span', { className: 'field' }, control, extra, unit), this.noteFor(control));
    }

    // A tick box with its caption and the field it switches on, on one row.
    sharedRow([tick, field]) {
        const box = this.control(tick);
        const control = this.control(field);
        control.setAttribute('aria-label', this.captionOf(field));
        return el('div', { className: 'row' }, el('label', { for: box.id }, this.captionOf(tick)),
            el('span', { className: 'field' }, box, control), this.noteFor(control));
    }

    noteFor(control) {
        const note = el('span', { className: 'note', id: freshId('note'), 'aria-live': 'assertive' });
        control.dataset.note = note.id;
        return note;
    }

    control(value) {
        const id = `value-${value.name}`;
        let control;
        switch (value.kind) {
        case 'choice':
            control = el('select', { id, onchange: () => this.take(value, control, control.value) },
                value.choices.map((entry) => el('option', { value: entry }, this.tr('OptionLists', entry))));
            break;
        case 'tick':
            control = el('input', { id, type: 'checkbox', onchange: () => this.take(value, control, control.checked ? 'on' : 'off') });
            break;
        case 'colour':
            control = el('input', { id, type: 'color', oninput: () => this.take(value, control, control.value) });
            break;
        case 'image-file':
            control = el('input', { id, type: 'text', readOnly: true, className: 'image-name' });
            break;
        default:
            control = el('input', {
                id, type: 'text', spellcheck: false, autocomplete: 'off',
                inputMode: ['digits', 'seconds'].includes(value.kind) ? 'numeric' : 'text',
                oninput: (event) => !event.isComposing && this.take(value, control, control.value),
                oncompositionend: () => this.take(value, control, control.value),
            });
        }
        control.dataset.name = value.name;
        this.controls.set(value.name, control);
        return control;
    }

    browseButton(value) {
        const button = el('button', { type: 'button', onclick: () => this.browseImage(value) }, this.tr('bir', 'Browse...'));
        button.dataset.browse = value.name;
        return button;
    }

    async browseImage(value) {
        const file = await this.chooseFile('.jpg,.jpeg,.gif,.png,image/jpeg,image/gif,image/png');
        if (!file) return;
        const control = this.controls.get(value.name);
        const answer = this.core.assign(value.name, file.name);
        if (answer.status !== 0) {
            this.showNote(control, answer.error);
            return;
        }
        this.core.putImage(file.name, new Uint8Array(await file.arrayBuffer()));
        this.onEdited(value.name);
        this.onImageChosen(file.name);
    }

    // What the core takes is kept; what it refuses is undone where it was typed.
    take(value, control, text) {
        const answer = this.core.assign(value.name, text);
        if (answer.status === 0) {
            this.kept[value.name] = text;
            this.onEdited(value.name);
            return;
        }
        this.undo(value, control);
        this.showNote(control, this.refusal(value, answer));
    }

    refusal(value, answer) {
        if (answer.status === 1)
            return this.tr('LineFieldValidator', 'Texts such as "qvo-width=" and "endof-qvo-width" mark the records of a project file, so they cannot be entered here.');
        if (value.kind === 'digits') return this.tr('DigitsField', 'Only the digits 0 to 9 can be entered here.');
        return answer.error;
    }

    undo(value, control) {
        const kept = this.kept[value.name] ?? '';
        if (control.type === 'checkbox') {
            control.checked = kept === 'on';
            return;
        }
        const caret = Math.max(0, (control.selectionStart ?? kept.length) - (control.value.length - kept.length));
        control.value = kept;
        if (control.type === 'text') control.setSelectionRange(caret, caret);
    }

    showNote(control, text) {
        // The note is put up after the event that brought it, so that this event does not take it down.
        setTimeout(() => {
            document.getElementById(control.dataset.note).textContent = text;
        });
    }

    clearNotes() {
        for (const note of document.querySelectorAll('.note')) if (note.textContent) note.textContent = '';
    }

    // Shows the design's values, as the wizard's pages load them from the record.
    load(shown) {
        for (const [name, control] of this.controls) {
            const text = shown[name] ?? '';
            this.kept[name] = text;
            if (control.type === 'checkbox') control.checked = text === 'on';
            else if (control.value !== text) control.value = text;
            if (control.tagName === 'SELECT' && !control.value) control.selectedIndex = -1;
            control.disabled = ENABLED_WHEN[name] ? !ENABLED_WHEN[name](shown) : false;
        }
        for (const button of document.querySelectorAll('[data-browse]')) button.disabled = shown['background-image'] !== 'on';
    }

    // What the author should know about the background image the design shows.
    showImageHint(text) {
        if (this.imageHint.textContent !== text) this.imageHint.textContent = text;
    }

    // The control where the author fixes a finding, by its step and the field's caption ("Text font" is the
    // start of "Text font name"); one that is greyed out only when no other fits.
    controlForFinding(finding) {
        const fitting = [...this.values.values()]
            .filter((v) => v.step === finding.step && v.kind !== 'messages')
            .filter((v) => v.caption === finding.field || v.caption.startsWith(`${finding.field} `))
            .map((v) => this.controls.get(v.name));
        return fitting.find((control) => !control.disabled) || fitting[0] || null;
    }
}
