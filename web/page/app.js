import { announce, el } from './dom.js';
import { DesignFields } from './fields.js';
import { chooseFile, download } from './files.js';
import { Catalogue, chosenLanguage } from './i18n.js';
import { FeedImporter } from './importer.js';
import { MessageList } from './messages.js';
import { ask, showMessage } from './notice.js';
import { LivePreview } from './preview.js';
import { StepFive } from './stepFive.js';
import { Wizard } from './wizard.js';
import { readXmlFeed } from './xmlFeed.js';
import { storedZip } from './zip.js';

// A pause in typing this long brings the box up to date.
const PREVIEW_PAUSE_MS = 100;
// The sample background image that the wizard puts in its working folder.
const SAMPLE_IMAGE = 'tkbackground.jpg';

class MarquettoPage {
    constructor(core, catalogue, texts) {
        this.core = core;
        this.catalogue = catalogue;
        this.texts = texts;
        this.projectName = 'newproject.tkp';
        this.unsaved = false;
        this.generated = null;
        this.timer = null;
    }

    tr(context, source, ...args) {
        return this.catalogue.tr(context, source, ...args);
    }

    build() {
        const ok = this.tr('MessageDialog', 'OK');
        this.message = (text) => showMessage(text, ok);
        this.fields = new DesignFields({
            core: this.core, catalogue: this.catalogue, values: this.core.values(),
            onEdited: () => this.edited({ messages: false }), chooseFile,
            onImageChosen: (name) => announce(this.texts.imageChosen.replace('%1', name)),
        });
        this.importer = new FeedImporter({
            core: this.core, catalogue: this.catalogue, chooseFile, showMessage: this.message,
            onImported: () => this.edited(),
        });
        this.messages = new MessageList({
            core: this.core, catalogue: this.catalogue, texts: this.texts, onEdited: () => this.edited(),
            onImport: () => this.importer.start(this.shown.messages.length), showMessage: this.message,
        });
        this.stepFive = new StepFive({
            catalogue: this.catalogue, texts: this.texts, onDownload: () => this.downloadFiles(),
            onFinding: (finding) => this.goToFinding(finding),
        });

        document.title = this.texts.pageTitle;
        const wizardBox = document.getElementById('wizard');
        this.wizard = new Wizard(wizardBox, this.texts.steps, (n) => this.tr('CQuorvoDlg', 'Step %1', n));
        const openButton = el('button', { type: 'button', onclick: () => this.openProject() }, this.tr('dort', 'Open Project'));
        this.wizard.addStep(1, [el('div', { className: 'step-actions' }, openButton), ...this.fields.build(1)]);
        for (const step of [2, 3, 4]) this.wizard.addStep(step, this.fields.build(step, () => this.messages.build()));
        this.wizard.addStep(5, this.stepFive.build());
        this.wizard.onShow((step) => step === 5 && this.updateNow());

        const save = document.getElementById('save-project');
        save.textContent = this.tr('CQuorvoDlg', 'Save Project');
        save.addEventListener('click', () => this.saveProject());
        document.getElementById('preview-caption').textContent = this.tr('PreviewWnd', 'Live Preview');
        this.preview = new LivePreview({
            container: document.getElementById('preview-box'), note: document.getElementById('preview-note'),
            frameTitle: this.tr('PreviewWnd', 'Live Preview'),
        });
        window.addEventListener('beforeunload', (event) => {
            if (this.unsaved) event.preventDefault();
        });
        this.wizard.select(1);
    }

    async start(registered) {
        this.refresh();
        const firstVisit = !navigator.serviceWorker?.controller;
        const first = this.generate();
        try {
            await this.preview.start(registered);
            this.preview.onDrawn(() => this.keepForOffline(firstVisit), { once: true });
        } catch {
            // Everything but the preview and offline use works without the worker.
            this.preview.keepLast(this.texts.noServiceWorker);
        }
        this.show(first);
    }

    async keepForOffline(firstVisit) {
        const answer = await this.preview.keepForOffline(`i18n/${this.catalogue.language}.json`);
        if (answer !== 'kept') return;
        document.body.dataset.offline = 'ready';
        if (firstVisit) announce(this.texts.offlineReady);
    }

    edited(changed) {
        this.unsaved = true;
        this.refresh(changed);
    }

    // The controls show the design as the core holds it, and the box follows after a pause. The message list,
    // which may be long, is built again only when the messages may have changed.
    refresh({ messages = true } = {}) {
        this.shown = this.core.show();
        this.fields.load(this.shown);
        const image = this.shown['background-image-file'];
        const missing = this.shown['background-image'] === 'on' && image && !this.core.hasImage(image);
        this.fields.showImageHint(missing ? this.texts.imageMissing.replace('%1', image) : '');
        if (messages) this.messages.load(this.shown.messages);
        clearTimeout(this.timer);
        this.timer = setTimeout(() => this.updateNow(), PREVIEW_PAUSE_MS);
    }

    updateNow() {
        this.show(this.generate());
    }

    generate() {
        clearTimeout(this.timer);
        return this.core.generate();
    }

    // The box goes to the preview first; what the design check finds follows once the frame is loading.
    show(generated) {
        this.generated = generated.error ? null : generated;
        if (generated.error) {
            this.preview.keepLast(this.tr('PublishingActions', 'Not updated: %1', generated.error));
        } else {
            if (this.preview.worker) this.preview.show(generated.files);
            this.stepFive.showBox(generated, this.preview.pageUrl);
        }
        setTimeout(() => this.stepFive.showFindings(this.core.check()));
    }

    // As the wizard asks before another project replaces changes not yet saved: Save, Discard or Cancel.
    async changesSettled() {
        if (!this.unsaved) return true;
        const answer = await ask(this.tr('QtPlatform', 'Save changes to the project?'), {
            save: this.tr('CQuorvoDlg', 'Save Project'), discard: this.texts.discard, cancel: this.tr('MessageDialog', 'Cancel'),
        });
        if (answer === 'save') return this.saveProject();
        return answer === 'discard';
    }

    async openProject() {
        if (!(await this.changesSettled())) return;
        const file = await chooseFile('.tkp');
        if (!file) return;
        const opened = this.core.open(new Uint8Array(await file.arrayBuffer()), file.name);
        if (opened.status !== 0) {
            await this.message(opened.error);
            return;
        }
        this.projectName = file.name;
        this.unsaved = false;
        this.refresh();
        announce(this.texts.opened.replace('%1', file.name));
    }

    // Whether the project was handed to the browser as a download.
    saveProject() {
        const saved = this.core.save(this.projectName);
        if (saved.error) {
            this.message(saved.error);
            return false;
        }
        download(new Blob([saved.bytes], { type: 'application/octet-stream' }), this.projectName);
        this.unsaved = false;
        return true;
    }

    downloadFiles() {
        this.updateNow();
        if (!this.generated) {
            this.message(this.preview.note.textContent);
            return;
        }
        download(storedZip(this.generated.files), `${this.shown.name}files.zip`);
    }

    goToFinding(finding) {
        this.wizard.select(finding.step);
        if (finding.message > 0) {
            this.messages.select(finding.message - 1);
            this.messages.list.focus();
            return;
        }
        const control = this.fields.controlForFinding(finding);
        if (control && !control.disabled) control.focus();
        else document.getElementById(`step-${finding.step}`).focus();
    }
}

async function main() {
    const language = chosenLanguage();
    document.documentElement.lang = language;
    // Until the catalogue is read, the page's words are its English sources.
    let texts = globalThis.marquettoPageTexts((context, source) => source);
    const registered = LivePreview.register();
    registered.catch(() => {});
    const loading = [
        Catalogue.load(language),
        globalThis.CoreSession.load(globalThis.MarquettoCore),
        fetch(SAMPLE_IMAGE).then((answer) => answer.arrayBuffer()),
    ];
    // A failure is reported once, below, whichever of them fails first.
    for (const promise of loading) promise.catch(() => {});
    try {
        const catalogue = await loading[0];
        texts = globalThis.marquettoPageTexts((context, source) => catalogue.tr(context, source));
        const [core, sample] = await Promise.all(loading.slice(1));
        core.module.readXmlFeed = (text, keep) => readXmlFeed(text, keep, (base, link) => core.resolveLink(base, link));
        core.putImage(SAMPLE_IMAGE, new Uint8Array(sample));
        const page = new MarquettoPage(core, catalogue, texts);
        page.build();
        await page.start(registered);
        // For the browser's console, and the tests that read feeds through the page's own core.
        globalThis.marquettoPage = page;
        document.body.dataset.ready = 'true';
    } catch (error) {
        document.getElementById('wizard').textContent = texts.coreFailed.replace('%1', error.message);
        throw error;
    }
}

main();
