#pragma once

#include <QImage>
#include <QSize>

#include <atomic>
#include <memory>

// Bounds the memory that decoded pictures take together. Each picture may be large, but a skin
// of many huge pictures would take the machine's memory before any window shows: a picture
// that would pass the budget is not decoded. Its pixels count until its last copy goes.
class TPictureBudget {
public:
    // A share of the budget, given back when its last copy goes; empty when refused.
    using THold = std::shared_ptr<const void>;

    explicit TPictureBudget(qint64 limitBytes);

    // The bytes a picture of that size and format takes.
    static qint64 BytesOf(QSize size, QImage::Format format);

    // Holds bytes of the budget, or nothing when they would pass it.
    THold Hold(qint64 bytes);

    // An image whose pixels count against the budget, or a null image when they would pass it.
    QImage Allocate(QSize size, QImage::Format format);

    qint64 InUse() const { return inUse_->load(); }

private:
    qint64 limit_;
    // Shared with every picture handed out, which may outlive the budget.
    std::shared_ptr<std::atomic<qint64>> inUse_;
};

// The budget of the program's pictures.
TPictureBudget& PictureBudget();
