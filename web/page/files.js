import { el } from './dom.js';

// The browser's file chooser for one file; resolves to the File, or null when the author cancels.
export function chooseFile(accept) {
    return new Promise((resolve) => {
        const input = el('input', { type: 'file', accept, hidden: true, className: 'file-chooser' });
        input.addEventListener('change', () => {
            input.remove();
            resolve(input.files[0] || null);
        }, { once: true });
        input.addEventListener('cancel', () => {
            input.remove();
            resolve(null);
        }, { once: true });
        document.body.append(input);
        input.click();
    });
}

// Hands bytes to the browser as a download named name.
export function download(blob, name) {
    const url = URL.createObjectURL(blob);
    const link = el('a', { href: url, download: name, hidden: true });
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(url), 60000);
}
