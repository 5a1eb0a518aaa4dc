import { el } from './dom.js';

// A message for the author in a modal dialog with an OK button, as the wizard shows one; resolves when closed.
export function showMessage(text, okCaption) {
    const dialog = el('dialog', { role: 'alertdialog', 'aria-describedby': 'notice-text', className: 'notice' },
        el('form', { method: 'dialog' },
            el('p', { id: 'notice-text' }, text),
            el('div', { className: 'dialog-buttons' }, el('button', { type: 'submit' }, okCaption))));
    document.body.append(dialog);
    dialog.showModal();
    return new Promise((resolve) => dialog.addEventListener('close', () => {
        dialog.remove();
        resolve();
    }, { once: true }));
}
