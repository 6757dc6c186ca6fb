// The search over 10,000 works of about 2 kB of text each (20 MB), set beside `grep -F -c` over
// the same upper-cased text in one file, run alternately in the same process run.
#include "TextSearch.h"
#include "Win1251.h"

#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <random>

namespace {

constexpr int kWorkCount = 10000;
constexpr int kLinesPerWork = 30;
constexpr int kRuns = 21;

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

} // namespace

int main()
{
    const TVelmoraDataArray works = MakeWorks();
    std::unique_ptr<TSearchTexts> texts;
    const double prepare = Milliseconds([&] { texts = std::make_unique<TSearchTexts>(works); });

    // The same upper-cased text in one file, for grep.
    QTemporaryDir dir;
    const std::string file = dir.filePath("texts.txt").toStdString();
    size_t bytes = 0;
    {
        std::ofstream out(file, std::ios::binary);
        for (const TVelmoraData& work : works) {
            for (const std::string& line : *work.Text) {
                const std::string upper = Win1251::Upper(line) + "\r\n";
                bytes += upper.size();
                out << upper;
            }
        }
    }
    const std::string query = Win1251::FromUtf8("опал");
    const std::string grep =
        "LC_ALL=C grep -F -c '" + Win1251::Upper(query) + "' " + file + " > /dev/null";

    std::vector<double> search, grepped;
    size_t hits = 0;
    for (int run = 0; run < kRuns; ++run) {
        search.push_back(Milliseconds([&] { hits = texts->Find(works, query).size(); }));
        grepped.push_back(Milliseconds([&] {
            if (std::system(grep.c_str()) != 0)
                std::cerr << "grep failed\n";
        }));
    }
    std::printf("%d works, %.1f MB of text; upper-casing them once: %.0f ms\n", kWorkCount,
                double(bytes) / 1e6, prepare);
    std::printf("search (%zu hits), median of %d: %.2f ms (goal under 30 ms)\n", hits, kRuns,
                Median(search));
    std::printf("grep -F -c over the same text, median of %d: %.2f ms\n", kRuns, Median(grepped));
    std::printf("search / grep: %.2f (goal at most 1)\n", Median(search) / Median(grepped));
    return 0;
}
