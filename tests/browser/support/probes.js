'use strict';
// Functions that every test page gets as window.__probes; the probes that tests pass to BoxPage.run call
// them to report what the reader sees after each timer.

// Offset of each element's top edge from the top of the message area's content, in layout pixels
// (null for an element that does not exist), and whether it shows inside the visible band.
function messageLayout(ids, band) {
    const area = document.getElementById('spagens') || document.getElementById('spageie');
    const areaBox = area.getBoundingClientRect();
    const origin = areaBox.top + area.clientTop;
    const layout = {};
    for (const id of ids) {
        const element = document.getElementById(id);
        if (!element) {
            layout[id] = null;
            continue;
        }
        const box = element.getBoundingClientRect();
        const top = Math.round(box.top - origin);
        const shown = getComputedStyle(element).visibility === 'visible';
        layout[id] = {
            top,
            left: Math.round(box.left - (areaBox.left + area.clientLeft)),
            inSight: shown && top < band.bottom && top + box.height > band.top,
        };
    }
    return layout;
}

// Column offsets of the scroller columns, as their style says.
function columnTops() {
    const top = (id) => {
        const column = document.getElementById(id);
        return column ? parseInt(column.style.top, 10) : null;
    };
    return { first: top('enuzun'), second: top('enuzun2') };
}

// Messages with visibility "visible", in document order.
function visibleMessages() {
    return Array.from(document.querySelectorAll('div[id]'))
        .filter((element) => /^dz?\d+$/.test(element.id) && element.style.visibility === 'visible')
        .map((element) => element.id);
}

const probeScript = `window.__probes = { messageLayout: ${messageLayout}, columnTops: ${columnTops}, visibleMessages: ${visibleMessages} };`;

module.exports = { probeScript };
