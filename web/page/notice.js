import { el } from './dom.js';

// A question for the author in a modal dialog, as the wizard asks one: answers is { value: caption }, in the
// order of the buttons, the first the default; resolves to the value chosen, or null when the dialog is closed
// with Escape.
export function ask(text, answers) {
    const buttons = Object.entries(answers).map(([value, caption]) => el('button', { type: 'submit', value }, caption));
    const dialog = el('dialog', { role: 'alertdialog', 'aria-describedby': 'notice-text', className: 'notice' },
        el('form', { method: 'dialog' },
            el('p', { id: 'notice-text' }, text),
            el('div', { className: 'dialog-buttons' }, buttons)));
    document.body.append(dialog);
    dialog.showModal();
    return new Promise((resolve) => dialog.addEventListener('close', () => {
        dialog.remove();
        resolve(dialog.returnValue || null);
    }, { once: true }));
}

// A message for the author with an OK button; resolves when closed.
export function showMessage(text, okCaption) {
    return ask(text, { ok: okCaption });
}
