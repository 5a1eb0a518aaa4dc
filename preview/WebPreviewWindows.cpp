#include "preview/WebPreviewWindows.h"

#include "preview/PreviewBrowser.h"
#include "preview/PreviewWnd.h"

#include <QCoreApplication>
#include <QOpenGLContext>

QT_BEGIN_NAMESPACE
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext* context);
Q_GUI_EXPORT QOpenGLContext* qt_gl_global_share_context();
QT_END_NAMESPACE

namespace {

// The web engine draws through an OpenGL context shared with the application's. Qt makes that context at
// start-up only when asked before the application exists, which costs every start the time of loading
// the graphics driver; the wizard asks for it here instead, when the first preview opens.
void provideSharedOpenGLContext()
{
    if (qt_gl_global_share_context())
        return;
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    auto* context = new QOpenGLContext(QCoreApplication::instance());
    context->create();
    qt_gl_set_global_share_context(context);
}

} // namespace

QWidget* WebPreviewWindows::openWindow(const QUrl& page, const QRect& outer,
                                       std::function<void(const QRect&)> onClose)
{
    provideSharedOpenGLContext();
    auto* window = new PreviewWnd(std::move(onClose));
    window->setOuterGeometry(outer);
    window->browser()->load(page);
    window->show();
    // Only a shown window knows the size of its frame.
    window->setOuterGeometry(outer);
    return window;
}

void WebPreviewWindows::reload(QWidget* window)
{
    if (auto* preview = qobject_cast<PreviewWnd*>(window)) {
        preview->browser()->reload();
        preview->browser()->setFocus();
    }
}
