import { el } from './dom.js';

// The five steps as tabs, in the tab pattern of the ARIA Authoring Practices: arrow keys, Home and End move
// along the tabs; Ctrl+PageDown and Ctrl+PageUp go to the next and previous step from anywhere, round from
// the last to the first, as in the wizard.
export class Wizard {
    constructor(container, label, stepCaption) {
        this.tabs = [];
        this.panels = [];
        this.listeners = [];
        this.tabList = el('div', { role: 'tablist', 'aria-label': label, className: 'steps', onkeydown: (e) => this.tabKey(e) });
        this.panelBox = el('div', { className: 'panels' });
        this.stepCaption = stepCaption;
        container.append(this.tabList, this.panelBox);
        document.addEventListener('keydown', (e) => this.stepKey(e));
    }

    addStep(number, content) {
        const tab = el('button', {
            type: 'button', role: 'tab', id: `tab-${number}`, 'aria-controls': `step-${number}`,
            'aria-selected': 'false', tabIndex: -1, onclick: () => this.select(number),
        }, this.stepCaption(number));
        const panel = el('section', {
            role: 'tabpanel', id: `step-${number}`, 'aria-labelledby': `tab-${number}`, hidden: true, tabIndex: 0,
        }, content);
        this.tabs.push(tab);
        this.panels.push(panel);
        this.tabList.append(tab);
        this.panelBox.append(panel);
    }

    get current() {
        return this.tabs.findIndex((tab) => tab.getAttribute('aria-selected') === 'true') + 1;
    }

    // listener(step) runs when a step is shown, as the wizard generates on entering Step 5.
    onShow(listener) {
        this.listeners.push(listener);
    }

    select(number, { focusTab = false } = {}) {
        this.tabs.forEach((tab, i) => {
            const chosen = i + 1 === number;
            tab.setAttribute('aria-selected', String(chosen));
            tab.tabIndex = chosen ? 0 : -1;
            this.panels[i].hidden = !chosen;
        });
        if (focusTab) this.tabs[number - 1].focus();
        for (const listener of this.listeners) listener(number);
    }

    tabKey(event) {
        const count = this.tabs.length;
        const moves = { ArrowRight: 1, ArrowDown: 1, ArrowLeft: -1, ArrowUp: -1 };
        let next = null;
        if (event.key in moves) next = ((this.current - 1 + moves[event.key] + count) % count) + 1;
        else if (event.key === 'Home') next = 1;
        else if (event.key === 'End') next = count;
        if (next === null) return;
        event.preventDefault();
        this.select(next, { focusTab: true });
    }

    stepKey(event) {
        if (!event.ctrlKey || event.altKey || (event.key !== 'PageDown' && event.key !== 'PageUp')) return;
        if (document.querySelector('dialog[open]')) return;
        event.preventDefault();
        const count = this.tabs.length;
        const step = event.key === 'PageDown' ? (this.current % count) + 1 : ((this.current + count - 2) % count) + 1;
        this.select(step, { focusTab: true });
    }
}
