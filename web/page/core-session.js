'use strict';
// The design session in the WebAssembly core, for the page and for Node: every rule is the core's, and
// this file only moves texts and bytes in and out of the module's memory and its file system.
(function (root) {
    const OPENED = '/open';
    // The folder's name appears in the design check's finding of a missing image.
    const IMAGES = '/chosen images';
    // The folder the files are made for: a file name too long for it is refused naming it.
    const OUT = '/out';
    const SAVED = '/save';
    const FEEDS = '/feed';

    class CoreSession {
        constructor(module) {
            this.module = module;
            for (const folder of [OPENED, IMAGES, SAVED, FEEDS]) module.FS.mkdirTree(folder);
            // Error messages name an opened file by the name the author gave it.
            module.FS.chdir(OPENED);
        }

        // factory is the module's MarquettoCore, from marquetto-core.js.
        static async load(factory, options = {}) {
            return new CoreSession(await factory(options));
        }

        values() {
            return JSON.parse(this.text('mq_values'));
        }

        openDefault() {
            this.module._mq_open_default();
        }

        // A project file's bytes; a file that is not a project leaves the design as it was.
        open(bytes, name) {
            const path = `${OPENED}/${name}`;
            this.module.FS.writeFile(path, bytes);
            try {
                return this.status('mq_open', name);
            } finally {
                this.module.FS.unlink(path);
            }
        }

        // { status, error }: status 0 when the value was taken, 1 when it marks a record of the project
        // file, 2 when its control does not take it.
        assign(name, value) {
            return this.status('mq_assign', name, value);
        }

        showText() {
            return this.text('mq_show');
        }

        show() {
            return JSON.parse(this.showText());
        }

        checkText() {
            return this.text('mq_check', IMAGES);
        }

        check() {
            return JSON.parse(this.checkText());
        }

        // { snippet, files: [{ name, bytes }], warnings }, or { error }.
        generate() {
            const answer = this.text('mq_generate', OUT, IMAGES);
            if (answer === null) return { error: this.error() };
            const { snippet, files, warnings } = JSON.parse(answer);
            return {
                snippet,
                warnings,
                files: files.map((name, index) => ({ name, bytes: this.generatedBytes(index) })),
            };
        }

        // A copy, as the module's memory may move when it grows.
        generatedBytes(index) {
            const at = this.module._mq_generated_bytes(index);
            return this.module.HEAPU8.slice(at, at + this.module._mq_generated_size(index));
        }

        // { bytes } of the project file as the wizard saves it, or { error }.
        save(name) {
            const path = `${SAVED}/${name}`;
            const done = this.status('mq_save', path);
            if (done.status !== 0) return done;
            const bytes = this.module.FS.readFile(path);
            this.module.FS.unlink(path);
            return { bytes };
        }

        // An image the design may show, kept where the check and the generation look for it.
        putImage(name, bytes) {
            this.module.FS.writeFile(`${IMAGES}/${name}`, bytes);
        }

        hasImage(name) {
            return this.module.FS.analyzePath(`${IMAGES}/${name}`).exists;
        }

        addMessage({ title, text, link, target }) {
            return this.status('mq_add_message', title, text, link, target);
        }

        editMessage(index, { title, text, link, target }, textTyped) {
            return this.status('mq_edit_message', index, title, text, link, target, textTyped ? 1 : 0);
        }

        removeMessage(index) {
            return this.status('mq_remove_message', index);
        }

        moveMessage(index, up) {
            return this.status('mq_move_message', index, up ? 1 : 0);
        }

        // The record marker a text holds, or ''.
        keyText(text) {
            return this.text('mq_key_text', text);
        }

        // { count } of the items read, or { error } saying where the feed is wrong.
        readFeed(bytes, name) {
            const path = `${FEEDS}/${name}`;
            this.module.FS.writeFile(path, bytes);
            try {
                const count = this.call('mq_read_feed', [path]);
                return count < 0 ? { error: this.error() } : { count };
            } finally {
                this.module.FS.unlink(path);
            }
        }

        // { messages, count, warnings } for the options { maxItems, maxLength, target }, or { error }.
        feedPreview({ maxItems, maxLength, target }, rows) {
            const answer = this.text('mq_feed_preview', maxItems, maxLength, target, rows);
            return answer === null ? { error: this.error() } : JSON.parse(answer);
        }

        importFeed({ maxItems, maxLength, target }, append) {
            return this.status('mq_import_feed', maxItems, maxLength, target, append ? 1 : 0);
        }

        resolveLink(base, reference) {
            return this.text('mq_resolve_link', base, reference);
        }

        error() {
            return this.module.UTF8ToString(this.module._mq_error());
        }

        status(name, ...args) {
            const status = this.call(name, args);
            return status === 0 ? { status } : { status, error: this.error() };
        }

        text(name, ...args) {
            const pointer = this.call(name, args);
            return pointer === 0 ? null : this.module.UTF8ToString(pointer);
        }

        // Texts go through the module's heap rather than its small stack, as a message may be long.
        call(name, args) {
            const module = this.module;
            const held = [];
            const passed = args.map((arg) => {
                if (typeof arg !== 'string') return arg;
                const size = module.lengthBytesUTF8(arg) + 1;
                const pointer = module._malloc(size);
                module.stringToUTF8(arg, pointer, size);
                held.push(pointer);
                return pointer;
            });
            try {
                return module[`_${name}`](...passed);
            } finally {
                for (const pointer of held) module._free(pointer);
            }
        }
    }

    if (typeof module === 'object' && module.exports) module.exports = { CoreSession };
    else root.CoreSession = CoreSession;
})(this);
