#include "PictureBudget.h"

#include <cstdlib>

namespace {

// Many times what a whole skin and its content take, far below what a desktop has.
constexpr qint64 kProgramBudgetBytes = 512LL * 1024 * 1024;

struct TCharge {
    TPictureBudget::THold Hold;
    void* Pixels;
};

void Release(void* info)
{
    auto* charge = static_cast<TCharge*>(info);
    std::free(charge->Pixels);
    delete charge;
}

// Rows of whole 32-bit words, as QImage keeps them.
qsizetype BytesPerLine(QSize size, QImage::Format format)
{
    const int depthBytes = QImage::toPixelFormat(format).bitsPerPixel() / 8;
    return (qsizetype(size.width()) * depthBytes + 3) / 4 * 4;
}

} // namespace

TPictureBudget::TPictureBudget(qint64 limitBytes)
    : limit_(limitBytes), inUse_(std::make_shared<std::atomic<qint64>>(0))
{
}

qint64 TPictureBudget::BytesOf(QSize size, QImage::Format format)
{
    return qint64(BytesPerLine(size, format)) * size.height();
}

TPictureBudget::THold TPictureBudget::Hold(qint64 bytes)
{
    qint64 used = inUse_->load();
    do {
        if (bytes > limit_ - used)
            return {};
    } while (!inUse_->compare_exchange_weak(used, used + bytes));
    return THold(inUse_.get(), [inUse = inUse_, bytes](const void*) { inUse->fetch_sub(bytes); });
}

QImage TPictureBudget::Allocate(QSize size, QImage::Format format)
{
    if (size.isEmpty())
        return {};
    const qint64 bytes = BytesOf(size, format);
    THold hold = Hold(bytes);
    if (!hold)
        return {};
    void* pixels = std::malloc(size_t(bytes));
    if (!pixels)
        return {};
    return QImage(static_cast<uchar*>(pixels), size.width(), size.height(),
                  BytesPerLine(size, format), format, Release,
                  new TCharge{std::move(hold), pixels});
}

TPictureBudget& PictureBudget()
{
    static TPictureBudget budget(kProgramBudgetBytes);
    return budget;
}
