#include "SkinPicture.h"

TSkinPicture::TSkinPicture(const QString& path) : checked_(CheckJpeg(path)) {}

const QImage& TSkinPicture::Pixels() const
{
    if (pixels_.isNull() && !IsNull())
        pixels_ = DecodeCheckedJpeg(checked_);
    return pixels_;
}
