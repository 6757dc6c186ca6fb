#include "ContentProblems.h"

#include <QSet>

#include <mutex>
#include <optional>

namespace ContentProblems {
namespace {

struct TRecord {
    std::vector<TContentProblem> Problems;
    QSet<QString> Told; // every window that needs a file reads it again
};

std::optional<TRecord>& Recorded()
{
    static std::optional<TRecord> recorded;
    return recorded;
}

// The catalogue is read on a thread of its own while the windows read the skin.
std::mutex& RecordedLock()
{
    static std::mutex lock;
    return lock;
}

} // namespace

void StartRecording()
{
    const std::scoped_lock lock(RecordedLock());
    Recorded().emplace();
}

std::vector<TContentProblem> StopRecording()
{
    const std::scoped_lock lock(RecordedLock());
    std::vector<TContentProblem> problems;
    if (Recorded())
        problems = std::move(Recorded()->Problems);
    Recorded().reset();
    return problems;
}

void Report(const QString& path, const QString& where, const QString& what, const QString& intended)
{
    const std::scoped_lock lock(RecordedLock());
    std::optional<TRecord>& recorded = Recorded();
    if (!recorded)
        return;
    const QString key = path + QChar::Null + where + QChar::Null + what;
    if (recorded->Told.contains(key))
        return;
    recorded->Told.insert(key);
    recorded->Problems.push_back({path, where, what, intended});
}

} // namespace ContentProblems
