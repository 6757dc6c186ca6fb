// The picture loader on any file: it gives a picture or leaves the bitmap as it was, never
// crashes, a picture checked now and decoded later has the same pixels, every decoded byte goes
// back to the budget with the picture, and a picture cut short is never told as too large.
#include "ContentProblems.h"
#include "Fuzzing.h"
#include "JpegPicture.h"
#include "PictureBudget.h"

namespace {

// Room for the largest picture the loader takes from a small input, well under the fuzzer's
// memory limit.
constexpr qint64 kBudgetBytes = 256LL * 1024 * 1024;

// A picture that loads, cut at a place its own bytes choose, fails for what it is.
void RequireCutShortIsNotTooLarge(std::string_view jpeg)
{
    const size_t cut = jpeg.empty() ? 0 : size_t(jpeg.back()) * jpeg.size() / 256;
    const QString path = Fuzzing::WriteFile(QStringLiteral("cut.jpg"), jpeg.substr(0, cut));
    ContentProblems::StartRecording();
    QImage bitmap;
    LoadJpegBitmap(path, bitmap);
    for (const TContentProblem& problem : ContentProblems::StopRecording())
        Fuzzing::Require(!problem.What.contains(QLatin1String("larger than")),
                         "a picture cut short is not told as too large");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static TPictureBudget budget(kBudgetBytes);
    static TPictureBudget checkBudget(kBudgetBytes);
    const QString path =
        Fuzzing::WriteFile(QStringLiteral("picture.jpg"), Fuzzing::Bytes(data, size));
    {
        QImage bitmap;
        LoadJpegBitmap(path, bitmap, budget);
        Fuzzing::Require(bitmap.isNull() || (bitmap.width() > 0 && bitmap.height() > 0),
                         "a loaded picture has pixels");
        const TJpegPicture checked = CheckJpeg(path, checkBudget);
        Fuzzing::Require(DecodeCheckedJpeg(checked) == bitmap,
                         "a picture decoded later is the picture loaded now");
        if (!bitmap.isNull())
            RequireCutShortIsNotTooLarge(Fuzzing::Bytes(data, size));
    }
    Fuzzing::Require(budget.InUse() == 0 && checkBudget.InUse() == 0,
                     "a picture's bytes go back to the budget");
    return 0;
}
