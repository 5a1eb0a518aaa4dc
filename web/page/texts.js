'use strict';
// The page's own texts, those the wizard has no words for. scripts/update-translations reads this file into
// the wizard's catalogues (context WebPage), so they are translated there with the rest; it is plain ES5 that
// lupdate can parse.
var marquettoPageTexts = function (qsTranslate) {
    return {
        pageTitle: qsTranslate('WebPage', 'Marquetto news box wizard'),
        steps: qsTranslate('WebPage', 'Steps'),
        downloadFiles: qsTranslate('WebPage', 'Download Files'),
        discard: qsTranslate('WebPage', 'Discard'),
        findings: qsTranslate('WebPage',
            'The design check found %1 to fix in the steps named (choose one to go there):'),
        noFindings: qsTranslate('WebPage', 'The design check found nothing to fix.'),
        copied: qsTranslate('WebPage', 'The snippet is on the clipboard.'),
        notCopied: qsTranslate('WebPage', 'The snippet could not be put on the clipboard: %1'),
        opened: qsTranslate('WebPage', 'Opened "%1".'),
        imageChosen: qsTranslate('WebPage', 'The image "%1" is kept in this page for the preview and the files.'),
        imageMissing: qsTranslate('WebPage',
            'Choose the image "%1" with Browse... to see it in the preview and have it among the files.'),
        noServiceWorker: qsTranslate('WebPage',
            'This browser cannot show the live preview here: it needs service workers, which a browser offers only on an HTTPS address or on this computer.'),
        offlineReady: qsTranslate('WebPage', 'The wizard now works offline too.'),
        coreFailed: qsTranslate('WebPage', 'The wizard could not start: %1'),
        removed: qsTranslate('WebPage', 'Message %1 deleted.'),
        moved: qsTranslate('WebPage', 'Message moved to place %1.'),
        imported: qsTranslate('WebPage', '%1 imported.')
    };
};
