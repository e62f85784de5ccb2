#include "printing/PrintQueue.h"

#ifdef KIVORA_HAVE_CUPS
#include <cups/cups.h>

namespace {

// A print system on this machine or the office network answers well within this.
constexpr int ConnectMilliseconds = 5000;

// The print system's own words, for the part of a failure that only it can name.
QString SystemReason() {
    return QString::fromLocal8Bit(cupsLastErrorString()).trimmed();
}

bool Unreachable(ipp_status_t status) {
    return status == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE || status == IPP_STATUS_ERROR_INTERNAL;
}

} // namespace

namespace PrintQueue {

QString Problem(const QString& name) {
    // A fresh connection every time, so that a print system that went away and came back
    // is seen as it is now, without restarting the program. Asked for a queue without a
    // connection, the library answers "no such queue" instead of "unreachable".
    http_t* http = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                                ConnectMilliseconds, nullptr);
    if (!http)
        return QStringLiteral("印刷システムに接続できません｡");
    cups_dest_t* dest = cupsGetNamedDest(http, name.toLocal8Bit().constData(), nullptr);
    httpClose(http);
    if (!dest) {
        if (Unreachable(cupsLastError()))
            return QStringLiteral("印刷システムに接続できません｡");
        return QStringLiteral("プリンタ「%1」が見つかりません｡").arg(name);
    }
    const char* accepting =
        cupsGetOption("printer-is-accepting-jobs", dest->num_options, dest->options);
    const bool refuses = accepting && QByteArray(accepting) == "false";
    cupsFreeDests(1, dest);
    if (refuses)
        return QStringLiteral("プリンタ「%1」は印刷を受け付けていません｡").arg(name);
    return {};
}

QString JobProblem() {
    const ipp_status_t status = cupsLastError();
    if (status <= IPP_STATUS_OK_EVENTS_COMPLETE)
        return {};
    if (Unreachable(status))
        return QStringLiteral("印刷システムに接続できません｡");
    return QStringLiteral("印刷システムが受け付けませんでした｡(%1)").arg(SystemReason());
}

} // namespace PrintQueue

#else

// Built without the print system's library: no checks beyond what QPrinter reports.
namespace PrintQueue {
QString Problem(const QString&) {
    return {};
}
QString JobProblem() {
    return {};
}
} // namespace PrintQueue

#endif
