'use strict';
// Run in a page whose message 0 holds the markup under test and whose messages 1 and 2 are plain ("T1" and
// "x", "T2" and "x"): whether the box still holds exactly its three messages side by side, with messages 1
// and 2 exactly as built.
function messagesStayApart() {
    const box = document.getElementById('enuzun') || document.getElementById('spagens');
    // Text that lands beside the messages stands still in the box, so it counts as much as an element.
    const nodes = box ? Array.from(box.childNodes) : [];
    const shown = nodes.filter((n) => n.nodeType !== Node.TEXT_NODE || n.nodeValue.trim());
    const ids = shown.map((n) => n.id || n.nodeName).join(',');
    const plain = [1, 2].every((i) => {
        const d = document.getElementById(`d${i}`);
        return (
            d?.parentElement === box &&
            d.childNodes.length === 2 &&
            d.firstChild.id === `hgd${i}` &&
            d.firstChild.innerHTML === `T${i}<br>` &&
            d.lastChild.nodeValue === 'x'
        );
    });
    return { broken: ids !== 'd0,d1,d2' || !plain, seen: ids };
}

module.exports = { messagesStayApart };
