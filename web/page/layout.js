// Where the wizard puts each named value: its steps, the groups of each step with their captions, and the
// words after a field. Only the places come from here; what a value is and takes comes from the core.

// The catalogue context of each step's page, as the wizard's classes are named.
export const STEP_CONTEXTS = { 1: 'dort', 2: 'bir', 3: 'dokuz', 4: 'iki', 5: 'uc' };

// Values the design holds that the wizard shows on no page: the page leaves them as the project has them.
export const UNSHOWN = new Set(['title-background-color', 'spare-alignment']);

export const GROUPS = {
    1: [
        { caption: 'Name :', names: ['name'],
          explanation: 'Name of your scroller. If you use more than one scroller on the same site, please set different names for each one.' },
        { caption: 'Options :', names: ['accessible-box', 'right-to-left', 'fit-page-width', 'light-motion'] },
    ],
    2: [
        { caption: 'Size :', names: ['width', 'height'] },
        { caption: 'Space between paragraphs :', names: ['space'] },
        { caption: 'Margins :', names: ['top-margin', 'bottom-margin', 'left-margin', 'right-margin'] },
        { caption: 'Color :', names: ['background-color', 'text-color', 'mouse-over-text-color', 'title-color',
            'mouse-over-title-color'] },
        // The tick box is the group's own caption, as it switches the whole group on.
        { ticked: 'background-image', names: ['background-image-file', 'image-x-position', 'image-y-position'] },
    ],
    3: [
        // A list of names is one row: "Use this :" ticks the custom font name beside it.
        { caption: 'Font', names: ['text-font-type', ['text-use-this', 'text-font-name'], 'title-font-type',
            ['title-use-this', 'title-font-name'], 'text-font-size', 'title-font-size', 'text-line-height',
            'title-line-height'] },
        { caption: 'Font style :', names: ['text-style', 'title-style', 'text-decoration', 'mouse-over-text-decoration',
            'title-text-decoration', 'title-mouse-over-text-decoration'] },
        { caption: 'Alignment', names: ['text-alignment'] },
        { caption: 'Border :', names: ['border-width', 'border-color', 'border-style'] },
    ],
    4: [
        { messages: true, names: ['messages'] },
        { caption: 'Scroller / Transition effect :', names: ['style', 'transition-effect', 'scroll-mode'] },
        { caption: 'Timing :', names: ['scroll-delay', 'pause', 'transition-speed'] },
    ],
};

export const UNITS = {
    width: 'pixels', height: 'pixels', space: 'pixels', 'scroll-delay': 'miliseconds', pause: 'seconds',
};

// What the wizard says of each option, as the accessible description of its tick box.
export const DESCRIPTIONS = {
    'accessible-box': 'The published box gets a pause button, works by keyboard and stays still for readers who ask for reduced motion',
    'right-to-left': 'Messages are written and aligned right to left, as Arabic, Hebrew and Persian are',
    'fit-page-width': 'On a page narrower than the box, as on a phone, the box narrows with it and its messages wrap',
    'light-motion': "The box moves the same way for less of the reader's battery and rests while it cannot be seen",
};

// Which control the wizard greys out, by the design's values: a custom font name replaces the list, and the
// scroller and the fader each have settings of their own.
export const ENABLED_WHEN = {
    'text-font-type': (v) => v['text-use-this'] !== 'on',
    'text-font-name': (v) => v['text-use-this'] === 'on',
    'title-font-type': (v) => v['title-use-this'] !== 'on',
    'title-font-name': (v) => v['title-use-this'] === 'on',
    'scroll-mode': (v) => isScroller(v),
    'scroll-delay': (v) => isScroller(v),
    'transition-effect': (v) => !isScroller(v),
    'transition-speed': (v) => !isScroller(v),
};

function isScroller(values) {
    return values.style === 'News Scroller';
}
