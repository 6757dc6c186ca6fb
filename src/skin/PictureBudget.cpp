#include "PictureBudget.h"

#include <cstdlib>

namespace {

// Many times what a whole skin and its content take, far below what a desktop has.
constexpr qint64 kProgramBudgetBytes = 512LL * 1024 * 1024;

struct TCharge {
    std::shared_ptr<std::atomic<qint64>> InUse;
    qint64 Bytes;
    void* Pixels;
};

void Release(void* info)
{
    auto* charge = static_cast<TCharge*>(info);
    charge->InUse->fetch_sub(charge->Bytes);
    std::free(charge->Pixels);
    delete charge;
}

} // namespace

TPictureBudget::TPictureBudget(qint64 limitBytes)
    : limit_(limitBytes), inUse_(std::make_shared<std::atomic<qint64>>(0))
{
}

QImage TPictureBudget::Allocate(QSize size, QImage::Format format)
{
    if (size.isEmpty())
        return {};
    const int depthBytes = QImage::toPixelFormat(format).bitsPerPixel() / 8;
    // Rows of whole 32-bit words, as QImage keeps them.
    const qsizetype bytesPerLine = (qsizetype(size.width()) * depthBytes + 3) / 4 * 4;
    const qint64 bytes = qint64(bytesPerLine) * size.height();
    qint64 used = inUse_->load();
    do {
        if (bytes > limit_ - used)
            return {};
    } while (!inUse_->compare_exchange_weak(used, used + bytes));
    void* pixels = std::malloc(size_t(bytes));
    if (!pixels) {
        inUse_->fetch_sub(bytes);
        return {};
    }
    return QImage(static_cast<uchar*>(pixels), size.width(), size.height(), bytesPerLine, format,
                  Release, new TCharge{inUse_, bytes, pixels});
}

TPictureBudget& PictureBudget()
{
    static TPictureBudget budget(kProgramBudgetBytes);
    return budget;
}
