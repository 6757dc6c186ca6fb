#include "SkinPicture.h"

TSkinPicture::TSkinPicture(const QString& path)
    : state_(std::make_shared<const TState>(TState{CheckJpeg(path), QImage()}))
{
}

const QImage& TSkinPicture::Pixels() const
{
    static const QImage kNone;
    if (IsNull())
        return kNone;
    if (state_->Pixels.isNull())
        state_->Pixels = DecodeCheckedJpeg(state_->Checked);
    return state_->Pixels;
}
