// The wizard's languages in the page: the catalogues of translations/marquetto_*.ts, converted when the page
// is built into i18n/LANG.json ({ context: { source: translation } }; en.json holds the sources themselves).

export const LANGUAGES = ['en', 'de', 'fr', 'es'];

// ?lang=xx when given, else the first of the reader's languages that the wizard speaks, else English.
export function chosenLanguage(search = location.search, preferred = navigator.languages || [navigator.language]) {
    const asked = new URLSearchParams(search).get('lang');
    for (const tag of [asked, ...preferred]) {
        const primary = (tag || '').toLowerCase().split('-')[0];
        if (LANGUAGES.includes(primary)) return primary;
    }
    return 'en';
}

export class Catalogue {
    constructor(language, contexts) {
        this.language = language;
        this.contexts = contexts;
    }

    static async load(language) {
        const answer = await fetch(`i18n/${language}.json`);
        if (!answer.ok) throw new Error(`i18n/${language}.json: ${answer.status} ${answer.statusText}`);
        return new Catalogue(language, await answer.json());
    }

    // The translation of source in context, its %1, %2 ... replaced by args; the source itself when the
    // catalogue has none.
    tr(context, source, ...args) {
        const translated = (this.contexts[context] || {})[source] || source;
        return translated.replace(/%(\d)/g, (whole, n) => (n >= 1 && n <= args.length ? String(args[n - 1]) : whole));
    }

    // The source texts of a context, as the wizard has them.
    sources(context) {
        return Object.keys(this.contexts[context] || {});
    }
}
