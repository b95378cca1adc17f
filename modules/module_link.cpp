#include "module_link.h"

#include <QApplication>
#include <QMessageBox>

namespace orvane {

const std::vector<QFunctionPointer> &ModuleLinkBase::resolve(const std::vector<const char *> &symbols)
{
    if (!tried_) {
        tried_ = true;
        addresses_ = loadModuleSymbols(moduleCandidates(programDir(), places_), symbols, qPrintable(what_));
    }
    // Without this the click would silently do nothing.
    if (addresses_.empty())
        QMessageBox::warning(QApplication::activeWindow(), QStringLiteral("Orvane"), moduleMissingText(what_));
    return addresses_;
}

} // namespace orvane
