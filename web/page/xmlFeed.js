// RSS and Atom read by the browser's own XML parser, for the core's import: it walks the document as the
// native reader walks expat's events and hands back the items' texts with their links resolved by the core.
// The core has refused a document type declaration before the text gets here.

const ATOM = 'http://www.w3.org/2005/Atom';
const RSS1 = 'http://purl.org/rss/1.0/';
const RDF = 'http://www.w3.org/1999/02/22-rdf-syntax-ns#';
const CONTENT = 'http://purl.org/rss/1.0/modules/content/';
const XML = 'http://www.w3.org/XML/1998/namespace';
const MOST_ITEMS = 1000000;
const PARSER_ERROR_SPACES = ['http://www.w3.org/1999/xhtml', 'http://www.mozilla.org/newlayout/xml/parsererror.xml'];

class Refusal {
    constructor(error, line = 1, column = 1) {
        Object.assign(this, { error, line, column });
    }
}

function escapedMarkupText(text) {
    return text.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;');
}

function isBlank(text) {
    return !/[^ \t\r\n]/.test(text);
}

function attribute(element, name, space = null) {
    return element.hasAttributeNS(space, name) ? element.getAttributeNS(space, name) : null;
}

function isAlternate(element) {
    const rel = attribute(element, 'rel');
    return rel === null || rel === 'alternate';
}

// Where the occurrence-th start tag named qualifiedName begins, as the native reader's line and column.
function startTagPosition(text, qualifiedName, occurrence = 1) {
    const pattern = new RegExp(`<${qualifiedName.replace(/[.*+?^${}()|[\]\\]/g, '\\$&')}[\\s/>]`, 'g');
    let found = null;
    for (let i = 0; i < occurrence; i++) {
        found = pattern.exec(text);
        if (!found) return { line: 1, column: 1 };
    }
    const before = text.slice(0, found.index).split(/\r\n|\n|\r/);
    return { line: before.length, column: [...before[before.length - 1]].length + 1 };
}

// The browser's own words for a document that is not well-formed, with its line and column.
function parseError(document) {
    const report = [...document.getElementsByTagNameNS('*', 'parsererror')]
        .find((element) => PARSER_ERROR_SPACES.includes(element.namespaceURI));
    if (!report) return null;
    const words = report.textContent;
    const chromium = /error on line (\d+) at column (\d+): ([^\n]*)/.exec(words);
    const firefox = /XML Parsing Error: ([^\n]*)[\s\S]*?Line Number (\d+), Column (\d+)/.exec(words);
    const [line, column, why] = chromium ? [chromium[1], chromium[2], chromium[3]]
        : firefox ? [firefox[2], firefox[3], firefox[1]] : [1, 1, words.trim().split('\n')[0]];
    return new Refusal(`the feed is not well-formed XML: ${why.trim()}`, Number(line), Number(column));
}

class FeedWalk {
    constructor(text, keep, resolve) {
        Object.assign(this, { text, keep, resolve });
        this.kind = null;
        this.depth = 0;
        this.bases = [];
        this.channelLink = '';
        this.inItem = false;
        this.captureDepth = 0;
        this.captured = '';
        this.items = [];
        this.count = 0;
    }

    base() {
        return this.bases.length ? this.bases[this.bases.length - 1].address : '';
    }

    resolvedBase(outer, declared) {
        return this.resolve(outer, declared) || outer;
    }

    visit(element) {
        this.start(element);
        for (const child of element.childNodes) {
            if (child.nodeType === Node.ELEMENT_NODE) this.visit(child);
            else if (child.nodeType === Node.TEXT_NODE || child.nodeType === Node.CDATA_SECTION_NODE) this.characters(child.data);
        }
        this.end(element);
    }

    start(element) {
        const depth = this.depth++;
        const declared = attribute(element, 'base', XML);
        if (declared !== null) this.bases.push({ depth, address: this.resolvedBase(this.base(), declared) });
        if (depth === 0) this.startRoot(element);
        if (this.captureDepth > 0) {
            if (this.captureMarkup) this.captured += `<${element.localName}>`;
            return;
        }
        if (this.isItem(element, depth)) this.startItem(element);
        else if (this.inItem && depth === this.itemDepth + 1) this.startField(element);
        else if (!this.inItem && this.isChannelLink(element, depth)) this.readChannelLink(element);
    }

    end(element) {
        this.depth -= 1;
        if (this.bases.length && this.bases[this.bases.length - 1].depth === this.depth) this.bases.pop();
        if (this.captureDepth > 0 && this.depth > this.captureDepth - 1) {
            if (this.captureMarkup) this.captured += `</${element.localName}>`;
            return;
        }
        if (this.captureDepth > 0 && this.depth === this.captureDepth - 1) this.endField();
        else if (this.inItem && this.depth === this.itemDepth) this.endItem();
    }

    characters(text) {
        if (this.captureDepth > 0) this.captured += this.captureMarkup ? escapedMarkupText(text) : text;
    }

    startRoot(element) {
        const space = element.namespaceURI;
        if ((space === null && element.localName === 'rss') || (space === RDF && element.localName === 'RDF')) this.kind = 'rss';
        else if (space === ATOM && element.localName === 'feed') this.kind = 'atom';
        else {
            const { line, column } = startTagPosition(this.text, element.nodeName);
            throw new Refusal(`the root element <${element.localName}> is neither an RSS 2.0 <rss> nor an Atom 1.0 <feed>`, line, column);
        }
    }

    isItem(element, depth) {
        if (this.inItem) return false;
        const space = element.namespaceURI;
        if (this.kind === 'atom') return depth === 1 && space === ATOM && element.localName === 'entry';
        return (depth === 2 && space === null && element.localName === 'item') ||
            (depth === 1 && space === RSS1 && element.localName === 'item');
    }

    isChannelLink(element, depth) {
        if (this.channelLink) return false;
        const space = element.namespaceURI;
        if (this.kind === 'atom') return depth === 1 && space === ATOM && element.localName === 'link' && isAlternate(element);
        return depth === 2 && element.localName === 'link' && (space === null || space === RSS1);
    }

    readChannelLink(element) {
        if (this.kind === 'rss') this.startCapture('link', false);
        else this.channelLink = this.resolvedBase(this.base(), attribute(element, 'href') || '');
    }

    baseOfItem() {
        return this.itemBase || this.channelLink;
    }

    startItem(element) {
        this.count += 1;
        if (this.count > MOST_ITEMS) {
            const { line, column } = startTagPosition(this.text, element.nodeName, this.count);
            throw new Refusal(`the feed has more than ${MOST_ITEMS} items; larger feeds are not read`, line, column);
        }
        this.inItem = true;
        this.itemDepth = this.depth - 1;
        this.item = { title: '', titleIsHtml: false, text: '', textIsHtml: false, link: '' };
        this.description = '';
        this.content = '';
        this.guid = '';
        this.itemBase = this.base();
    }

    startField(element) {
        if (this.count > this.keep) return;
        const space = element.namespaceURI;
        const name = element.localName;
        const rss = this.kind === 'rss' && (space === null || space === RSS1);
        const atom = this.kind === 'atom' && space === ATOM;
        if (name === 'title' && (rss || atom)) {
            this.startTextConstruct('title', atom ? attribute(element, 'type') : 'html');
        } else if (rss && name === 'description') {
            this.startCapture('description', false);
            this.descriptionIsHtml = true;
        } else if (atom && name === 'summary') {
            this.startTextConstruct('description', attribute(element, 'type'));
        } else if (atom && name === 'content' && attribute(element, 'src') === null) {
            this.startTextConstruct('content', attribute(element, 'type'));
        } else if (this.kind === 'rss' && space === CONTENT && name === 'encoded') {
            this.startCapture('content', false);
            this.contentIsHtml = true;
        } else if (rss && name === 'link') {
            this.startCapture('link', false);
        } else if (rss && name === 'guid' && attribute(element, 'isPermaLink') !== 'false') {
            this.startCapture('guid', false);
        } else if (atom && name === 'link' && !this.item.link && isAlternate(element)) {
            this.item.link = this.resolve(this.base() || this.channelLink, attribute(element, 'href') || '');
        }
    }

    // Atom says how its texts are written: plain text, escaped HTML, or XHTML elements within.
    startTextConstruct(field, type) {
        const kind = (type ?? 'text').toLowerCase();
        const html = kind === 'html' || kind === 'xhtml' || kind === 'text/html';
        this.startCapture(field, kind === 'xhtml');
        if (field === 'title') this.item.titleIsHtml = html;
        else if (field === 'description') this.descriptionIsHtml = html;
        else this.contentIsHtml = html;
    }

    startCapture(field, markup) {
        this.field = field;
        this.captureDepth = this.depth;
        this.captureMarkup = markup;
        this.captured = '';
    }

    endField() {
        const captured = this.captured;
        if (this.field === 'title') this.item.title = captured;
        else if (this.field === 'description') this.description = captured;
        else if (this.field === 'content') this.content = captured;
        else if (this.field === 'guid') this.guid = captured;
        else if (this.field === 'link' && this.inItem) this.item.link = this.resolve(this.baseOfItem(), captured);
        else if (this.field === 'link') this.channelLink = captured;
        this.field = null;
        this.captureDepth = 0;
        this.captured = '';
    }

    endItem() {
        this.inItem = false;
        if (this.count > this.keep) return;
        const summary = !isBlank(this.description);
        this.item.text = summary ? this.description : this.content;
        this.item.textIsHtml = summary ? this.descriptionIsHtml : this.contentIsHtml;
        if (!this.item.link && this.guid) this.item.link = this.resolve(this.baseOfItem(), this.guid);
        this.items.push(this.item);
    }
}

// { items, count }, or { error, line, column }; resolve(base, reference) is the core's rule for links.
export function readXmlFeed(text, keep, resolve) {
    const document = new DOMParser().parseFromString(text, 'application/xml');
    const broken = parseError(document);
    if (broken) return broken;
    const walk = new FeedWalk(text, keep, resolve);
    try {
        walk.visit(document.documentElement);
    } catch (refusal) {
        if (refusal instanceof Refusal) return refusal;
        throw refusal;
    }
    return { items: walk.items, count: walk.count };
}
