#include "share_context.h"

#include <QCoreApplication>
#include <QOpenGLContext>
#include <QSurfaceFormat>

// Qt's setter for the global share context has no public header. Setting
// Qt::AA_ShareOpenGLContexts would do the same, but only before the
// application exists, and so at every start.
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext *context);

namespace orvane {

namespace {

QOpenGLContext *shareContext = nullptr;

// Registered before the engine is loaded, so it runs after the engine's own
// clean-up at the end.
void deleteContext()
{
    qt_gl_set_global_share_context(nullptr);
    delete shareContext;
    shareContext = nullptr;
}

} // namespace

bool ensureShareContext()
{
    if (QOpenGLContext *existing = QOpenGLContext::globalShareContext())
        return existing->isValid();
    shareContext = new QOpenGLContext;
    shareContext->setFormat(QSurfaceFormat::defaultFormat());
    const bool created = shareContext->create();
    // Set even when it failed: the engine then falls back to software
    // instead of ending the program.
    qt_gl_set_global_share_context(shareContext);
    qAddPostRoutine(&deleteContext);
    return created;
}

} // namespace orvane
