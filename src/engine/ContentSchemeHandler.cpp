#include "ContentSchemeHandler.h"

#include "ContentPath.h"
#include "ContentScheme.h"
#include "RegularFile.h"

#include <QBuffer>
#include <QMimeDatabase>
#include <QWebEngineUrlRequestJob>

namespace {

// Far beyond any page or picture of the catalogue.
constexpr qint64 kMaxServedBytes = 64LL * 1024 * 1024;

// What a file that cannot be served gives: an empty page, as the engine's own failed load of a
// file showed, which completes like any other load so that its window goes on.
constexpr char kEmptyPageType[] = "text/html";
constexpr char kEmptyPage[] = "<!DOCTYPE html>";

void Reply(QWebEngineUrlRequestJob* job, const QByteArray& type, const QByteArray& bytes)
{
    auto* body = new QBuffer(job);
    body->setData(bytes);
    job->reply(type, body);
}

} // namespace

void TContentSchemeHandler::requestStarted(QWebEngineUrlRequestJob* job)
{
    const QUrl address = job->requestUrl();
    if (job->requestMethod() != "GET" || !ContentScheme::IsContent(address)) {
        job->fail(QWebEngineUrlRequestJob::RequestDenied);
        return;
    }
    const QString path =
        ContentPath::Join(ContentPath::ContentDir(), address.path(QUrl::FullyDecoded));
    RegularFile::TRead read = RegularFile::Read(path, kMaxServedBytes, TFolderOwner::Content);
    if (!read.Ok()) {
        Reply(job, kEmptyPageType, kEmptyPage);
        return;
    }
    // By its name, else by its bytes, as the engine would tell a file's type.
    const QMimeType type = QMimeDatabase().mimeTypeForFileNameAndData(path, read.Bytes);
    if (type.inherits(QStringLiteral("text/html")))
        read.Bytes = ContentScheme::Served(std::move(read.Bytes));
    Reply(job, type.name().toLatin1(), read.Bytes);
}
