'use strict';
// A varied message list: long and short texts, markup, quotes, text typed on several lines, empty fields.

const SAMPLE_MESSAGES = require('./sample-messages.json');

const sampleMessages = (count) => SAMPLE_MESSAGES.slice(0, count);

module.exports = { sampleMessages };
