// Builds elements: el('button', { type: 'button', onclick }, 'Add'). A property that starts with "on" is a
// listener, one named aria-*, data-* or role an attribute, any other a property of the element.
export function el(tag, properties = {}, ...children) {
    const element = document.createElement(tag);
    for (const [name, value] of Object.entries(properties)) {
        if (value === undefined || value === null) continue;
        if (name.startsWith('on')) element.addEventListener(name.slice(2), value);
        else if (name.startsWith('aria-') || name.startsWith('data-') || name === 'role' || name === 'for')
            element.setAttribute(name, value);
        else element[name] = value;
    }
    element.append(...children.flat().filter((child) => child !== null && child !== undefined && child !== false));
    return element;
}

let lastId = 0;

// An id for an element that another names, unique in the page.
export function freshId(prefix) {
    lastId += 1;
    return `${prefix}-${lastId}`;
}

// Tells a screen reader what just happened, without moving the focus.
export function announce(text) {
    const announcer = document.getElementById('announcer');
    announcer.textContent = '';
    // A change after the clearing is read even when the text is the same as the last.
    requestAnimationFrame(() => {
        announcer.textContent = text;
    });
}
