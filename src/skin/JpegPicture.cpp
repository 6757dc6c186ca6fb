#include "JpegPicture.h"

#include "ContentProblems.h"
#include "RegularFile.h"

#include <QFileInfo>
#include <QGuiApplication>

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

namespace {

constexpr JDIMENSION kMaxSide = 16384;
constexpr qint64 kMaxDecodedBytes = 256LL * 1024 * 1024;
// A picture of the largest decoded size compresses far below this.
constexpr qint64 kMaxFileBytes = 64LL * 1024 * 1024;
// Every scan of a progressive picture goes over the whole picture again. Encoders write about
// ten; a file of thousands could hold the program for minutes.
constexpr int kMaxScans = 100;

// The pictures for screens of more than one device pixel per window pixel: Qt's convention.
constexpr qreal kDoubleSize = 2.0;
constexpr QLatin1StringView kDoubleSizeSuffix("@2x");

// libjpeg's own error handler ends the process; this one keeps libjpeg's words and jumps back
// to the decoder, and any warning (premature end, corrupt data) counts as a failure too.
struct DecodeErrors {
    jpeg_error_mgr manager;
    std::jmp_buf failed;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void JumpOnError(j_common_ptr cinfo)
{
    auto* errors = reinterpret_cast<DecodeErrors*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, errors->message);
    std::longjmp(errors->failed, 1);
}

void FailOnWarning(j_common_ptr cinfo, int level)
{
    if (level < 0)
        JumpOnError(cinfo);
}

void LimitScans(j_common_ptr cinfo)
{
    if (cinfo->is_decompressor &&
        reinterpret_cast<j_decompress_ptr>(cinfo)->input_scan_number > kMaxScans) {
        auto* errors = reinterpret_cast<DecodeErrors*>(cinfo->err);
        std::snprintf(errors->message, sizeof errors->message, "more than %d scans", kMaxScans);
        std::longjmp(errors->failed, 1);
    }
}

bool SensibleSize(const jpeg_decompress_struct& cinfo)
{
    return cinfo.image_width > 0 && cinfo.image_height > 0 && cinfo.image_width <= kMaxSide &&
           cinfo.image_height <= kMaxSide &&
           qint64(cinfo.image_width) * cinfo.image_height * 4 <= kMaxDecodedBytes;
}

// Adobe writes CMYK inverted; the picture is shown as the RGB it stands for.
void CmykRowToRgb32(const JSAMPLE* cmyk, QRgb* out, JDIMENSION width, bool inverted)
{
    for (JDIMENSION x = 0; x < width; ++x, cmyk += 4) {
        int c = cmyk[0], m = cmyk[1], y = cmyk[2], k = cmyk[3];
        if (!inverted) {
            c = 255 - c, m = 255 - m, y = 255 - y, k = 255 - k;
        }
        out[x] = qRgb(c * k / 255, m * k / 255, y * k / 255);
    }
}

enum class TDecoded { Yes, TooLarge, OverBudget, Broken };

// Where the decoded rows go: into the picture's own pixels, charged to the budget, or nowhere
// yet, for a picture decoded when first drawn: only its header is read, and its pixels' share
// of the budget held.
enum class TRows { Kept, Deferred };

// Makes room for what the rows go into. Returns false when the budget says no.
bool Prepare(QSize size, TRows rows, TPictureBudget& budget, TJpegPicture& picture)
{
    picture.Size = size;
    if (rows == TRows::Kept) {
        picture.Pixels = budget.Allocate(size, QImage::Format_RGB32);
        return !picture.Pixels.isNull();
    }
    picture.Hold = budget.Hold(TPictureBudget::BytesOf(size, QImage::Format_RGB32));
    return bool(picture.Hold);
}

// Decodes into picture. Kept free of objects with destructors, since an error leaves it by
// longjmp.
TDecoded Decode(const QByteArray& data, jpeg_decompress_struct& cinfo, TRows rows,
                TPictureBudget& budget, TJpegPicture& picture)
{
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(data.constData()),
                 static_cast<unsigned long>(data.size()));
    jpeg_read_header(&cinfo, TRUE);
    if (!SensibleSize(cinfo))
        return TDecoded::TooLarge;
    const bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
    cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRX;
    // The budget first: a progressive picture is read whole when decompression starts.
    jpeg_calc_output_dimensions(&cinfo);
    if (!Prepare(QSize(int(cinfo.output_width), int(cinfo.output_height)), rows, budget, picture))
        return TDecoded::OverBudget;
    if (rows == TRows::Deferred)
        return TDecoded::Yes;
    jpeg_start_decompress(&cinfo);
    JSAMPLE* cmykRow = cmyk ? static_cast<JSAMPLE*>((*cinfo.mem->alloc_small)(
                                  reinterpret_cast<j_common_ptr>(&cinfo), JPOOL_IMAGE,
                                  size_t(cinfo.output_width) * 4))
                            : nullptr;
    while (cinfo.output_scanline < cinfo.output_height) {
        auto* line = reinterpret_cast<QRgb*>(picture.Pixels.scanLine(int(cinfo.output_scanline)));
        JSAMPROW target = cmyk ? cmykRow : reinterpret_cast<JSAMPROW>(line);
        jpeg_read_scanlines(&cinfo, &target, 1);
        if (cmyk)
            CmykRowToRgb32(cmykRow, line, cinfo.output_width, cinfo.saw_Adobe_marker);
    }
    jpeg_finish_decompress(&cinfo);
    return TDecoded::Yes;
}

// Why a picture cannot be shown, in words for the content checker.
QString Reason(TDecoded decoded, const char* libjpegMessage)
{
    switch (decoded) {
    case TDecoded::TooLarge:
        return QStringLiteral("The picture is larger than %1 pixels a side or %2 MB decoded.")
            .arg(kMaxSide)
            .arg(kMaxDecodedBytes / (1024 * 1024));
    case TDecoded::OverBudget:
        return QStringLiteral("The pictures together would pass their memory budget.");
    case TDecoded::Broken:
        return QStringLiteral("Not a JPEG picture the viewer can show: %1.")
            .arg(QString::fromLocal8Bit(libjpegMessage));
    case TDecoded::Yes:
        break;
    }
    return {};
}

// Sets up the error handling around Decode; libjpeg's state is released on every path. The
// reason is empty when the picture decoded.
QString DecodeGuarded(const QByteArray& data, TRows rows, TPictureBudget& budget,
                      TJpegPicture& picture)
{
    jpeg_decompress_struct cinfo;
    DecodeErrors errors;
    cinfo.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = JumpOnError;
    errors.manager.emit_message = FailOnWarning;
    jpeg_create_decompress(&cinfo);
    jpeg_progress_mgr progress{};
    progress.progress_monitor = LimitScans;
    cinfo.progress = &progress;
    errors.message[0] = '\0';
    TDecoded decoded;
    // Assigned on both returns of setjmp: after a jump a local the decoder may have written
    // (the compiler stores an early return's value ahead) holds no reliable value.
    if (setjmp(errors.failed) == 0)
        decoded = Decode(data, cinfo, rows, budget, picture);
    else
        decoded = TDecoded::Broken;
    jpeg_destroy_decompress(&cinfo);
    return Reason(decoded, errors.message);
}

// The picture at path, or a null one, with the problem reported, when it cannot be shown.
TJpegPicture LoadJpeg(const QString& path, TRows rows, TPictureBudget& budget)
{
    const RegularFile::TRead read = RegularFile::Read(path, kMaxFileBytes, TFolderOwner::Content);
    if (!read.Ok()) {
        ContentProblems::Report(path, {}, RegularFile::Reason(read.Failure));
        return {};
    }
    if (read.Bytes.isEmpty()) {
        ContentProblems::Report(path, {}, QStringLiteral("The file is empty."));
        return {};
    }
    TJpegPicture picture;
    const QString failure = DecodeGuarded(read.Bytes, rows, budget, picture);
    if (!failure.isEmpty()) {
        ContentProblems::Report(path, {}, failure);
        return {};
    }
    if (rows == TRows::Deferred) {
        picture.Path = path;
        picture.Jpeg = read.Bytes;
    }
    return picture;
}

// "design/fon.jpg" gives "design/fon@2x.jpg".
QString DoubleSizePath(const QString& path)
{
    const qsizetype dot = path.lastIndexOf(u'.');
    if (dot <= path.lastIndexOf(u'/'))
        return path + kDoubleSizeSuffix;
    return path.left(dot) + kDoubleSizeSuffix + path.mid(dot);
}

// A picture at twice the size takes the picture's place, drawn at the same size in window
// pixels. Any other size would move what is drawn, so the picture stays and is scaled.
void PreferDoubleSize(const QString& path, TRows rows, TPictureBudget& budget,
                      TJpegPicture& picture)
{
    const QString doublePath = DoubleSizePath(path);
    if (!QFileInfo::exists(doublePath))
        return;
    TJpegPicture twice = LoadJpeg(doublePath, rows, budget);
    if (twice.Size.isEmpty())
        return;
    if (twice.Size != picture.Size * kDoubleSize) {
        ContentProblems::Report(doublePath, {},
                                QStringLiteral("The picture is not twice the size of %1.")
                                    .arg(QFileInfo(path).fileName()));
        return;
    }
    twice.PixelRatio = kDoubleSize;
    twice.Pixels.setDevicePixelRatio(kDoubleSize);
    picture = std::move(twice);
}

TJpegPicture Load(const QString& path, TRows rows, TPictureBudget& budget, qreal pixelRatio)
{
    TJpegPicture picture = LoadJpeg(path, rows, budget);
    if (!picture.Size.isEmpty() && pixelRatio > 1)
        PreferDoubleSize(path, rows, budget, picture);
    return picture;
}

} // namespace

void LoadJpegBitmap(const QString& path, QImage& bitmap, TPictureBudget& budget, qreal pixelRatio)
{
    TJpegPicture picture = Load(path, TRows::Kept, budget, pixelRatio);
    if (!picture.Pixels.isNull())
        bitmap = std::move(picture.Pixels);
}

TJpegPicture CheckJpeg(const QString& path, TPictureBudget& budget, qreal pixelRatio)
{
    return Load(path, TRows::Deferred, budget, pixelRatio);
}

QImage DecodeCheckedJpeg(const TJpegPicture& checked)
{
    if (checked.Size.isEmpty())
        return {};
    // Its share of the budget is held by the checked picture already.
    TPictureBudget unbounded(TPictureBudget::BytesOf(checked.Size, QImage::Format_RGB32));
    TJpegPicture picture;
    if (const QString failure = DecodeGuarded(checked.Jpeg, TRows::Kept, unbounded, picture);
        !failure.isEmpty()) {
        ContentProblems::Report(checked.Path, {}, failure);
        return {};
    }
    picture.Pixels.setDevicePixelRatio(checked.PixelRatio);
    return std::move(picture.Pixels);
}

void DrawPicturePart(QPainter& canvas, const QRect& target, const QImage& picture,
                     const QRect& source)
{
    const qreal ratio = picture.devicePixelRatio();
    canvas.drawImage(QRectF(target), picture,
                     QRectF(QPointF(source.topLeft()) * ratio, QSizeF(source.size()) * ratio));
}

qreal ScreenPixelRatio()
{
    // The content check runs with no screen, under a plain core application.
    const auto* gui = qobject_cast<const QGuiApplication*>(QCoreApplication::instance());
    return gui ? gui->devicePixelRatio() : 1.0;
}
