// The search over 10,000 works of about 2 kB of text each (18 MB), set beside three references
// over the same upper-cased text, run in turn in the same process run:
//  - `grep -F -c` over one file holding every text, its count written to a file: GNU grep stops
//    at the first match when its output is /dev/null, which would time its start, not a scan;
//  - an in-process loop that asks glibc's memmem of each work's text in turn;
//  - the machine's read bandwidth: a plain sum over every byte of the same text.
#include "TextSearch.h"
#include "Win1251.h"

#include <QTemporaryDir>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <immintrin.h>
#include <iostream>
#include <random>

namespace {

constexpr int kWorkCount = 10000;
constexpr int kLinesPerWork = 30;
constexpr int kRuns = 21;
constexpr double kBytesPerGigabyte = 1e9;
constexpr double kMillisecondsPerSecond = 1e3;

// Sentences of the kind the works' texts hold; one rare word marks a hundred works.
TVelmoraDataArray MakeWorks()
{
    const std::vector<std::string> sentences = {
        Win1251::FromUtf8("Нежный френч с тонкой золотой линией и стразами у кутикулы."),
        Win1251::FromUtf8("Бархатный песок на глубоком бордовом, в центре роза."),
        Win1251::FromUtf8("Матовый топ, глиттер по краю, лунки без покрытия."),
        "Soft pastel gradient with a glossy top coat and tiny dots.",
    };
    std::mt19937 random(1251);
    TVelmoraDataArray works;
    for (int i = 0; i < kWorkCount; ++i) {
        auto lines = std::make_shared<TStringList>();
        for (int line = 0; line < kLinesPerWork; ++line)
            lines->push_back(sentences[random() % sentences.size()] + " " + std::to_string(i));
        if (i % 100 == 0)
            lines->push_back(Win1251::FromUtf8("Редкий камень опал."));
        TVelmoraData work;
        work.FileName = "work-" + std::to_string(i);
        work.Text = lines;
        works.push_back(work);
    }
    return works;
}

// Each work's text as the search reads it, upper-cased, one after another in one string.
struct TUpperTexts {
    std::string all;
    std::vector<std::string_view> works;
};

TUpperTexts UpperTexts(const TVelmoraDataArray& works)
{
    TUpperTexts texts;
    std::vector<size_t> ends;
    for (const TVelmoraData& work : works) {
        for (const std::string& line : *work.Text)
            texts.all += Win1251::Upper(line) + "\r\n";
        ends.push_back(texts.all.size());
    }
    size_t start = 0;
    for (const size_t end : ends) {
        texts.works.push_back(std::string_view(texts.all).substr(start, end - start));
        start = end;
    }
    return texts;
}

// The works whose text holds the pattern, found by glibc's memmem.
size_t MemmemHits(const TUpperTexts& texts, std::string_view pattern)
{
    size_t hits = 0;
    for (const std::string_view text : texts.works)
        hits += memmem(text.data(), text.size(), pattern.data(), pattern.size()) != nullptr;
    return hits;
}

// Every byte of the text read once, sixteen at a time into four sums, so that the loop waits
// on memory, not on one chain of additions.
uint64_t ReadEveryByte(std::string_view text)
{
    constexpr size_t kBlock = sizeof(__m128i);
    __m128i sums[4] = {};
    size_t at = 0;
    for (; at + 4 * kBlock <= text.size(); at += 4 * kBlock) {
        for (size_t lane = 0; lane < 4; ++lane) {
            const auto* block = reinterpret_cast<const __m128i*>(text.data() + at + lane * kBlock);
            sums[lane] = _mm_add_epi64(sums[lane], _mm_loadu_si128(block));
        }
    }
    const __m128i sum =
        _mm_add_epi64(_mm_add_epi64(sums[0], sums[1]), _mm_add_epi64(sums[2], sums[3]));
    return uint64_t(_mm_cvtsi128_si64(sum)) +
           uint64_t(_mm_cvtsi128_si64(_mm_unpackhi_epi64(sum, sum)));
}

template <typename TAction> double Milliseconds(TAction action)
{
    const auto start = std::chrono::steady_clock::now();
    action();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double GigabytesPerSecond(size_t bytes, double milliseconds)
{
    return double(bytes) / kBytesPerGigabyte / (milliseconds / kMillisecondsPerSecond);
}

} // namespace

int main()
{
    const TVelmoraDataArray works = MakeWorks();
    std::unique_ptr<TSearchTexts> texts;
    const double prepare = Milliseconds([&] { texts = std::make_unique<TSearchTexts>(works); });
    const TUpperTexts upper = UpperTexts(works);
    const size_t bytes = upper.all.size();

    QTemporaryDir dir;
    const std::string file = dir.filePath("texts.txt").toStdString();
    std::ofstream(file, std::ios::binary) << upper.all;
    const std::string query = Win1251::FromUtf8("опал");
    const std::string pattern = Win1251::Upper(query);
    const std::string count = dir.filePath("count.txt").toStdString();
    const std::string grep = "LC_ALL=C grep -F -c '" + pattern + "' " + file + " > " + count;

    std::vector<double> search, memmems, grepped, read;
    size_t hits = 0, memmemHits = 0;
    volatile uint64_t sum = 0;
    for (int run = 0; run < kRuns; ++run) {
        search.push_back(Milliseconds([&] { hits = texts->Find(works, query).size(); }));
        memmems.push_back(Milliseconds([&] { memmemHits = MemmemHits(upper, pattern); }));
        grepped.push_back(Milliseconds([&] {
            if (std::system(grep.c_str()) != 0)
                std::cerr << "grep failed\n";
        }));
        read.push_back(Milliseconds([&] { sum = sum + ReadEveryByte(upper.all); }));
    }
    if (memmemHits != hits)
        std::cerr << "memmem found " << memmemHits << " works, the search " << hits << "\n";
    const double bandwidth = GigabytesPerSecond(bytes, Median(read));
    const double searchRate = GigabytesPerSecond(bytes, Median(search));
    std::printf("%d works, %.1f MB of text; upper-casing them once: %.0f ms\n", kWorkCount,
                double(bytes) / 1e6, prepare);
    std::printf("search (%zu hits), median of %d: %.2f ms, %.1f GB/s (goal under 30 ms)\n", hits,
                kRuns, Median(search), searchRate);
    std::printf("memmem loop over each work's text, median of %d: %.2f ms\n", kRuns,
                Median(memmems));
    std::printf("grep -F -c over the whole text, median of %d: %.2f ms\n", kRuns, Median(grepped));
    std::printf("read bandwidth, a sum over the same text, median of %d: %.2f ms, %.1f GB/s\n",
                kRuns, Median(read), bandwidth);
    std::printf("search / memmem: %.2f\n", Median(search) / Median(memmems));
    std::printf("search / grep: %.2f (goal under 1)\n", Median(search) / Median(grepped));
    std::printf("search rate / read bandwidth: %.2f (goal at least 0.5)\n", searchRate / bandwidth);
    return 0;
}
