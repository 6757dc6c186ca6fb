// Catalogue figures for 100,000 works: loading, the name sort against std::stable_sort over the
// same keys, and each filter with its sort; and the result page for 10,000 works.
#include "CatalogueLoader.h"
#include "ContentPath.h"
#include "Filters.h"
#include "NameOrder.h"
#include "PageAddresses.h"
#include "ProfileFile.h"
#include "SortResultPage.h"
#include "Win1251.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <iostream>
#include <map>
#include <memory>
#include <numeric>
#include <random>

namespace {

constexpr int kWorkCount = 100000;

std::string RandomName(std::mt19937& random)
{
    static const std::vector<std::string> syllables = {Win1251::FromUtf8("Ро"),
                                                       Win1251::FromUtf8("за"),
                                                       Win1251::FromUtf8("ли"),
                                                       Win1251::FromUtf8("Лу"),
                                                       Win1251::FromUtf8("на"),
                                                       Win1251::FromUtf8("ёж"),
                                                       "Ma",
                                                       "ra",
                                                       "Bloom",
                                                       "lace",
                                                       " ",
                                                       "Si"};
    std::string name;
    const int length = 1 + int(random() % 5);
    for (int i = 0; i < length; ++i)
        name += syllables[random() % syllables.size()];
    return name;
}

std::string Pick(std::mt19937& random, std::initializer_list<const char*> utf8Words)
{
    const auto* word = utf8Words.begin() + random() % utf8Words.size();
    return Win1251::FromUtf8(*word);
}

TVelmoraData RandomWork(std::mt19937& random)
{
    TVelmoraData work;
    work.Name = RandomName(random);
    work.Time = 10 + int(random() % 241);
    work.Complicate = Pick(random, {"низкая", "средняя", "высокая", "-"});
    work.Materials = Pick(random, {"стразы, глиттер", "акрил, песок", "фольга", "лаки, нить"});
    work.Temper = Pick(random, {"агрессивный", "нежный", "спокойный"});
    work.Color = Pick(random, {"светло-голубой, белый", "темно-синий", "красный, золотой",
                               "розовый металлик", "черный, серый"});
    work.Theme = Pick(random, {"абстракция", "узоры", "цветы"});
    return work;
}

const TVelmoraDataArray& Works()
{
    static const TVelmoraDataArray works = [] {
        std::mt19937 random(1251);
        TVelmoraDataArray generated;
        for (int i = 0; i < kWorkCount; ++i)
            generated.push_back(RandomWork(random));
        return generated;
    }();
    return works;
}

void WriteFile(const QString& path, const std::string& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw std::runtime_error("cannot write " + path.toStdString());
    file.write(bytes.data(), qint64(bytes.size()));
}

// A content folder with the index and the text file of each of the first workCount works,
// written once.
const QTemporaryDir& Content(int workCount = kWorkCount)
{
    static std::map<int, std::unique_ptr<QTemporaryDir>> folders;
    std::unique_ptr<QTemporaryDir>& folder = folders[workCount];
    if (!folder) {
        // Each folder inside the one the readers may open.
        static const QTemporaryDir content;
        ContentPath::UseContentDir(content.path());
        folder = std::make_unique<QTemporaryDir>(content.filePath(QStringLiteral("works-XXXXXX")));
        const QTemporaryDir& dir = *folder;
        QDir(dir.path()).mkpath("html");
        std::string index = "[settings]\r\n";
        const int perAuthor = workCount / int(kAuthors.size());
        for (const TAuthor& author : kAuthors)
            index += std::string(author.Id) + "count=" + std::to_string(perAuthor) + "\r\n";
        size_t next = 0;
        const std::string text =
            Win1251::FromUtf8("Нежный френч с тонкой золотой линией.\r\nСтразы у кутикулы.\r\nДля "
                              "свадьбы и выпускного.\r\n");
        for (const TAuthor& author : kAuthors) {
            for (int n = 1; n <= perAuthor; ++n, ++next) {
                const TVelmoraData& work = Works()[next];
                const std::string stem = std::string(author.Id) + "-" + std::to_string(n);
                index += "[" + stem + "]\r\nname=" + work.Name +
                         "\r\ntime=" + std::to_string(work.Time) +
                         "\r\ncomplicate=" + work.Complicate + "\r\nmaterials=" + work.Materials +
                         "\r\ntemper=" + work.Temper + "\r\ncolor=" + work.Color +
                         "\r\ntheme=" + work.Theme + "\r\n";
                WriteFile(dir.filePath(QString::fromStdString("html/" + stem + ".htm.txt")), text);
            }
        }
        WriteFile(dir.filePath("velmora.ini"), index);
    }
    return *folder;
}

void BM_LoadCatalogue(benchmark::State& state)
{
    const QString dir = Content(int(state.range(0))).path();
    for (auto _ : state) {
        TVelmoraDataArray works;
        LoadCatalogue(dir, works);
        benchmark::DoNotOptimize(works.data());
    }
}

// The INI share of the load: one parse and every work's seven keys.
void BM_LoadIndexOnly(benchmark::State& state)
{
    const QString path = Content().filePath("velmora.ini");
    for (auto _ : state) {
        size_t bytes = 0;
        const ProfileFile index(path);
        for (const TAuthor& author : kAuthors) {
            const int count = index.ReadInteger("settings", std::string(author.Id) + "count", 0);
            for (int n = 1; n <= count; ++n) {
                const std::string section = std::string(author.Id) + "-" + std::to_string(n);
                for (const char* key :
                     {"name", "time", "complicate", "materials", "temper", "color", "theme"})
                    bytes += index.ReadString(section, key, "-").size();
            }
        }
        benchmark::DoNotOptimize(bytes);
    }
}

// The file share of the load: opening and splitting every work's text file.
void BM_LoadTextFilesOnly(benchmark::State& state)
{
    const QString dir = Content().path();
    for (auto _ : state) {
        size_t lines = 0;
        for (const TAuthor& author : kAuthors) {
            for (int n = 1; n <= kWorkCount / int(kAuthors.size()); ++n) {
                QFile file(ContentPath::Join(
                    dir, QString::fromStdString("\\html\\" + std::string(author.Id) + "-" +
                                                std::to_string(n) + ".htm.txt")));
                file.open(QIODevice::ReadOnly);
                const QByteArray bytes = file.readAll();
                lines +=
                    SplitLines(std::string_view(bytes.constData(), size_t(bytes.size()))).size();
            }
        }
        benchmark::DoNotOptimize(lines);
    }
}

// The works are made before the timing, as the reference's keys are.
void BM_SortByName(benchmark::State& state)
{
    const TVelmoraDataArray& works = Works();
    for (auto _ : state) {
        TVelmoraDataArray sorted = SortByName(works);
        benchmark::DoNotOptimize(sorted.data());
    }
}

// The sort's reference: std::stable_sort of the works' places over the keys the sort compares
// (the names, ASCII letters upper-cased), made once before the timing, and the records then
// copied into their order. What the sort costs beyond it is making its keys.
void BM_StableSortOverKeys(benchmark::State& state)
{
    const TVelmoraDataArray& works = Works();
    std::vector<std::string> keys;
    keys.reserve(works.size());
    for (const TVelmoraData& work : works) {
        std::string& key = keys.emplace_back(work.Name);
        std::transform(key.begin(), key.end(), key.begin(), Win1251::AsciiUpper);
    }
    for (auto _ : state) {
        std::vector<size_t> order(works.size());
        std::iota(order.begin(), order.end(), size_t(0));
        std::stable_sort(order.begin(), order.end(),
                         [&keys](size_t a, size_t b) { return keys[a] < keys[b]; });
        TVelmoraDataArray sorted;
        sorted.reserve(order.size());
        for (const size_t place : order)
            sorted.push_back(works[place]);
        benchmark::DoNotOptimize(sorted.data());
    }
}

// Every flag on: the most works pass, so the sort afterwards costs the most.
void BM_FilterGroup(benchmark::State& state)
{
    const int group = int(state.range(0));
    const TFilterFlags flags(kFilterFlagCounts[size_t(group)], true);
    const TVelmoraDataArray& works = Works();
    size_t passed = 0;
    for (auto _ : state) {
        const TVelmoraDataArray selection = SelectFilterGroup(works, group, flags);
        passed = selection.size();
        benchmark::DoNotOptimize(selection.data());
    }
    state.counters["passed"] = double(passed);
}

// The catalogue's result page for the first 10,000 works, sorted as a page lists them.
void BM_SortResultPage(benchmark::State& state)
{
    static constexpr size_t kPageWorks = 10000;
    TVelmoraDataArray works(Works().begin(), Works().begin() + kPageWorks);
    for (size_t i = 0; i < works.size(); ++i)
        works[i].FileName = "work-" + std::to_string(i);
    const TVelmoraDataArray selection = SortByName(works);
    const TPageAddresses addresses(QStringLiteral("/opt/velmora content"));
    size_t bytes = 0;
    for (auto _ : state) {
        const std::string page = SortResultPage(selection, addresses);
        bytes = page.size();
        benchmark::DoNotOptimize(page.data());
    }
    state.counters["bytes"] = double(bytes);
}

BENCHMARK(BM_LoadCatalogue)
    ->Arg(10000)
    ->Arg(kWorkCount)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK(BM_LoadIndexOnly)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_LoadTextFilesOnly)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_SortByName)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StableSortOverKeys)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FilterGroup)->DenseRange(0, kFilterGroupCount - 1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortResultPage)->Unit(benchmark::kMillisecond);

// Keeps each run's time so the figures can be set side by side at the end.
class SummaryReporter : public benchmark::ConsoleReporter {
public:
    // Plain, so that a script can read the lines.
    SummaryReporter() : benchmark::ConsoleReporter(OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            milliseconds_[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }

    // Each line only when its figures were measured in this run.
    void PrintSummary() const
    {
        const auto at = [&](const std::string& name) {
            const auto found = milliseconds_.find(name);
            return found == milliseconds_.end() ? 0.0 : found->second;
        };
        const double load = at("BM_LoadCatalogue/iterations:3");
        const double index = at("BM_LoadIndexOnly/iterations:3");
        const double files = at("BM_LoadTextFilesOnly/iterations:3");
        std::cout << "\n";
        if (load > 0 && index > 0 && files > 0)
            std::cout << "Loading " << kWorkCount << " works: " << load << " ms; INI parsing "
                      << index << " ms, text files " << files << " ms: bounded by "
                      << (files >= index ? "the file reading" : "the INI parsing") << ".\n";
        if (at("BM_SortByName") > 0 && at("BM_StableSortOverKeys") > 0)
            std::cout << "SortByName takes " << at("BM_SortByName") / at("BM_StableSortOverKeys")
                      << " times std::stable_sort over the same keys, made beforehand.\n";
        double slowest = 0;
        for (int group = 0; group < kFilterGroupCount; ++group)
            slowest = std::max(slowest, at("BM_FilterGroup/" + std::to_string(group)));
        if (slowest > 0)
            std::cout << "Slowest filter with its sort: " << slowest
                      << " ms (goal: under 50 ms).\n";
    }

private:
    std::map<std::string, double> milliseconds_;
};

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintSummary();
    benchmark::Shutdown();
    return 0;
}
