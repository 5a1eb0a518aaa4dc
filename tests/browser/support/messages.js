'use strict';
// A varied message list: long and short texts, markup, quotes, text typed on several lines, empty fields.

const SAMPLE_MESSAGES = [
    { title: 'Short', text: 'One line.', link: 'http://www.marquetto.example/', target: '_parent' },
    {
        title: 'A longer title that wraps in a narrow box',
        text: 'A text long enough to wrap over several lines of the box, with <b>bold</b> and <i>italic</i> words.',
        link: 'http://www.marquetto.example/long',
        target: '_top',
    },
    { title: 'Quotes "here"', text: 'It\'s "quoted" text.', link: 'ab', target: 'news' },
    { title: '', text: 'No title.', link: '', target: '' },
    { title: 'No text', text: '', link: '#', target: '_parent' },
    { title: 'Typed on lines', text: 'first line\r\nsecond line\r\nthird', link: 'javascript:void(0)', target: '' },
    {
        title: 'Markup',
        text: 'Line<br>break and a <u>list</u>:<ul><li>one</li><li>two</li></ul>',
        link: 'x.h',
        target: '_self',
    },
    { title: "Ampersand &amp; apostrophe's", text: "Tom & Jerry's", link: 'page.html?a=1&b=2', target: 'frame1' },
    { title: 'Tall', text: '<div style="height:260px">taller than the box</div>', link: '', target: '' },
    {
        title: 'Numbers',
        text: '1234567890 1234567890 1234567890',
        link: 'http://www.marquetto.example/n',
        target: '_parent',
    },
    { title: 'Eleven', text: 'Eleventh message.', link: '', target: '' },
    { title: 'Last', text: 'The twelfth and last message.', link: 'http://www.marquetto.example/last', target: '_top' },
];

const sampleMessages = (count) => SAMPLE_MESSAGES.slice(0, count);

module.exports = { sampleMessages };
