// What a picture may cost the viewer: an ordinary progressive picture of the largest size
// loads, one of thousands of scans is given up after the scan limit, and a picture past the
// budget is refused before it is decoded.
#include "JpegFiles.h"
#include "JpegPicture.h"
#include "TestFiles.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int kSide = 8192;

struct TPictures {
    TestFiles::TContentFolder dir;
    QString ordinary = dir.filePath("ordinary.jpg");
    QString manyScans = dir.filePath("many-scans.jpg");

    TPictures()
    {
        TestFiles::Write(ordinary,
                         JpegFiles::OrdinaryProgressive(kSide, kSide, JpegFiles::TColours::Colour));
        // 1 + 3 * 63 * 11 = 2080 scans.
        TestFiles::Write(manyScans,
                         JpegFiles::Progressive(kSide, kSide, 11, JpegFiles::TColours::Colour));
    }
};

const TPictures& Pictures()
{
    static const TPictures pictures;
    return pictures;
}

void BM_LoadOrdinaryProgressive(benchmark::State& state)
{
    Pictures();
    for (auto _ : state) {
        QImage bitmap;
        LoadJpegBitmap(Pictures().ordinary, bitmap);
        if (bitmap.isNull())
            state.SkipWithError("the ordinary picture did not load");
    }
}
BENCHMARK(BM_LoadOrdinaryProgressive)->Unit(benchmark::kMillisecond);

void BM_GiveUpOnThousandsOfScans(benchmark::State& state)
{
    for (auto _ : state) {
        QImage bitmap;
        LoadJpegBitmap(Pictures().manyScans, bitmap);
        if (!bitmap.isNull())
            state.SkipWithError("a picture of thousands of scans loaded");
    }
}
BENCHMARK(BM_GiveUpOnThousandsOfScans)->Unit(benchmark::kMillisecond);

void BM_RefusePastTheBudget(benchmark::State& state)
{
    TPictureBudget budget(0);
    for (auto _ : state) {
        QImage bitmap;
        LoadJpegBitmap(Pictures().ordinary, bitmap, budget);
        if (!bitmap.isNull())
            state.SkipWithError("a picture past the budget loaded");
    }
}
BENCHMARK(BM_RefusePastTheBudget)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
