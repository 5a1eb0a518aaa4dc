#include "preview/PreviewModuleLoader.h"

#include <QCoreApplication>
#include <QLibrary>

Expected<PreviewWindows*> PreviewModuleLoader::load()
{
    using Entry = PreviewWindows* (*)();
    const QString programFolder = QCoreApplication::applicationDirPath();
    const QStringList candidates = {programFolder + "/" + moduleName,
                                    programFolder + "/../" MARQUETTO_MODULE_DIR "/" + moduleName};
    QStringList reasons;
    for (const QString& candidate : candidates) {
        QLibrary module(candidate);
        module.setLoadHints(QLibrary::PreventUnloadHint);
        if (auto entry = reinterpret_cast<Entry>(module.resolve("marquetto_preview_windows")))
            return entry();
        reasons << module.errorString();
    }
    return Error::file(candidates.first().toStdString(),
                       "the preview module could not be loaded: " + reasons.join("; ").toStdString());
}
