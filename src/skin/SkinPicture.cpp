#include "SkinPicture.h"

TSkinPicture::TSkinPicture(const QString& path)
    : state_(std::make_shared<const TState>(TState{CheckJpeg(path), std::nullopt}))
{
}

const QImage& TSkinPicture::Pixels() const
{
    static const QImage kNone;
    if (!state_)
        return kNone;
    if (!state_->Pixels)
        state_->Pixels = DecodeCheckedJpeg(state_->Checked);
    return *state_->Pixels;
}
