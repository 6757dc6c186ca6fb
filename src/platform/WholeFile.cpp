#include "WholeFile.h"

#include <QSaveFile>

namespace WholeFile {
namespace {

TWrite Failed(TFailure failure, const QSaveFile& file)
{
    return {failure, file.error() == QFileDevice::NoError
                         ? QStringLiteral("Nothing more could be written; the disk may be full.")
                         : file.errorString()};
}

} // namespace

TWrite Replace(const QString& path, QByteArrayView bytes)
{
    QSaveFile file(path);
    // Unbuffered, so a full disk shows at the write that hits it instead of in a flush.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return Failed(TFailure::CannotCreate, file);
    // Without a commit the new file goes and the old one stays.
    for (qsizetype written = 0; written < bytes.size();) {
        const qint64 step = file.write(bytes.data() + written, bytes.size() - written);
        if (step <= 0)
            return Failed(TFailure::CannotWrite, file);
        written += qsizetype(step);
    }
    if (!file.commit())
        return Failed(TFailure::CannotWrite, file);
    return {};
}

} // namespace WholeFile
