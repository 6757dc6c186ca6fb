#include "Diagnostics.h"

#include <QtGlobal>

namespace {

QtMessageHandler shownBy = nullptr;

void ShowOnlyErrors(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        shownBy(type, context, message);
}

} // namespace

void KeepDiagnostics(TDiagnostics diagnostics)
{
    if (diagnostics == TDiagnostics::Quiet)
        shownBy = qInstallMessageHandler(ShowOnlyErrors);
}
