#include "RegularFile.h"

#include "TestFiles.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using RegularFile::TFailure;

constexpr qint64 kLimit = 16;

struct ReadCase {
    const char* name;
    std::function<void(const QString& path)> place;
    TFailure expected;
};

class RegularFileReading : public testing::TestWithParam<ReadCase> {};

TEST_P(RegularFileReading, ReadsOnlyARegularFileWithinTheLimit)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("file");
    GetParam().place(path);
    const RegularFile::TRead read = RegularFile::Read(path, kLimit);
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
            TFailure::TooLarge}),
    [](const auto& paramInfo) { return std::string(paramInfo.param.name); });

TEST(RegularFile, AnEmptyPathIsMissing)
{
    EXPECT_EQ(RegularFile::Read(QString(), kLimit).Failure, TFailure::Missing);
}

} // namespace
