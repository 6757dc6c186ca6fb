#include "RegularFile.h"

#include "TestFiles.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <thread>

namespace {

using RegularFile::TFailure;

constexpr qint64 kLimit = 16;

struct ReadCase {
    const char* name;
    std::function<void(const QString& path)> place;
    TFailure expected;
};

template <TestFiles::TTrap trap> void LinkOut(const QString& path)
{
    TestFiles::PlaceTrap(path, trap, std::string(kLimit, 'x'));
}

class RegularFileReading : public testing::TestWithParam<ReadCase> {};

TEST_P(RegularFileReading, ReadsOnlyARegularFileWithinTheLimit)
{
    TestFiles::TContentFolder dir;
    const QString path = dir.filePath("file");
    GetParam().place(path);
    const RegularFile::TRead read = RegularFile::Read(path, kLimit, TFolderOwner::Content);
    EXPECT_EQ(read.Failure, GetParam().expected);
    if (read.Ok())
        EXPECT_EQ(read.Bytes.size(), kLimit);
    else
        EXPECT_TRUE(read.Bytes.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Table, RegularFileReading,
    testing::Values(
        ReadCase{"FileAtTheLimit",
                 [](const QString& path) { TestFiles::Write(path, std::string(kLimit, 'x')); },
                 TFailure::None},
        ReadCase{"FileOneBytePastTheLimit",
                 [](const QString& path) { TestFiles::Write(path, std::string(kLimit + 1, 'x')); },
                 TFailure::TooLarge},
        ReadCase{"Missing", [](const QString&) {}, TFailure::Missing},
        ReadCase{"Fifo",
                 [](const QString& path) { TestFiles::PlaceTrap(path, TestFiles::TTrap::Fifo); },
                 TFailure::NotARegularFile},
        ReadCase{
            "Folder",
            [](const QString& path) { TestFiles::PlaceTrap(path, TestFiles::TTrap::Directory); },
            TFailure::NotARegularFile},
        ReadCase{"LinkToDevZero",
                 [](const QString& path) {
                     TestFiles::PlaceTrap(path, TestFiles::TTrap::LinkToDevZero);
                 },
                 TFailure::NotARegularFile},
        ReadCase{
            "HugeSparseFile",
            [](const QString& path) { TestFiles::PlaceTrap(path, TestFiles::TTrap::HugeFile); },
            TFailure::TooLarge},
        ReadCase{"LinkToAnotherFileOfTheContent",
                 [](const QString& path) {
                     TestFiles::Write(path + ".real", std::string(kLimit, 'x'));
                     QFile::link(QFileInfo(path).fileName() + ".real", path);
                 },
                 TFailure::None},
        // What the user's file holds would pass every other check.
        ReadCase{"LinkOutByAbsolutePath", LinkOut<TestFiles::TTrap::LinkOutByAbsolutePath>,
                 TFailure::OutsideContent},
        ReadCase{"LinkOutByRelativePath", LinkOut<TestFiles::TTrap::LinkOutByRelativePath>,
                 TFailure::OutsideContent},
        ReadCase{"LinkOutThroughProc", LinkOut<TestFiles::TTrap::LinkOutThroughProc>,
                 TFailure::OutsideContent},
        ReadCase{"LinkThroughAFolderOut", LinkOut<TestFiles::TTrap::LinkThroughAFolderOut>,
                 TFailure::OutsideContent}),
    [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

TEST(RegularFile, AnEmptyPathIsMissing)
{
    EXPECT_EQ(RegularFile::Read(QString(), kLimit, TFolderOwner::Content).Failure,
              TFailure::Missing);
}

// The check and the open are one: a link swapped back and forth between a file of the content
// and one of the user's while it is read never gives the user's bytes.
TEST(RegularFile, ALinkSwappedWhileItIsReadNeverLeadsOut)
{
    TestFiles::TContentFolder dir;
    QTemporaryDir outside;
    const QString inside = dir.filePath("inside.txt");
    const QString users = outside.filePath("private");
    TestFiles::Write(inside, "inside");
    TestFiles::Write(users, "private");
    const QString path = dir.filePath("page.htm");
    const QString swap = dir.filePath("swap");
    QFile::link(inside, path);
    std::atomic<bool> stop = false;
    std::thread swapper([&] {
        for (bool out = true; !stop; out = !out) {
            QFile::link(out ? users : inside, swap);
            std::rename(QFile::encodeName(swap), QFile::encodeName(path));
        }
    });
    constexpr int kReads = 5000;
    int insideReads = 0;
    int refused = 0;
    int leaked = 0;
    for (int read = 0; read < kReads; ++read) {
        const RegularFile::TRead got = RegularFile::Read(path, kLimit, TFolderOwner::Content);
        leaked += got.Bytes == "private";
        insideReads += got.Bytes == "inside";
        refused += got.Failure == TFailure::OutsideContent;
    }
    stop = true;
    swapper.join();
    EXPECT_EQ(leaked, 0);
    EXPECT_GT(insideReads, 0);
    EXPECT_GT(refused, 0) << "the link was never seen leading out";
}

} // namespace
