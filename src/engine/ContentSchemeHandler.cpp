#include "ContentSchemeHandler.h"

#include "ContentPath.h"
#include "ContentScheme.h"
#include "RegularFile.h"
#include "UnreadablePage.h"

#include <QBuffer>
#include <QMimeDatabase>
#include <QWebEngineUrlRequestJob>

namespace {

constexpr char kPageType[] = "text/html";
// What any other file that cannot be served gives: an empty page, which completes like any other
// load so that a window shown on it goes on.
constexpr char kEmptyPage[] = "<!DOCTYPE html>";

bool IsPageByName(const QString& path)
{
    return QMimeDatabase()
        .mimeTypeForFile(path, QMimeDatabase::MatchExtension)
        .inherits(QStringLiteral("text/html"));
}

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
    const QString contentFile = address.path(QUrl::FullyDecoded).mid(1);
    const QString path = ContentPath::Join(ContentPath::ContentDir(), contentFile);
    RegularFile::TRead read =
        RegularFile::Read(path, RegularFile::kMostPageBytes, TFolderOwner::Content);
    if (!read.Ok()) {
        Reply(job, kPageType,
              IsPageByName(path) ? UnreadablePage::Text(contentFile, read.Failure) : kEmptyPage);
        return;
    }
    // By its name, else by its bytes, as the engine would tell a file's type.
    const QMimeType type = QMimeDatabase().mimeTypeForFileNameAndData(path, read.Bytes);
    if (type.inherits(QStringLiteral("text/html")))
        read.Bytes = ContentScheme::Served(std::move(read.Bytes));
    Reply(job, type.name().toLatin1(), read.Bytes);
}
