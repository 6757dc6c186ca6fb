#include "ContentProblems.h"

#include <QSet>

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

} // namespace

void StartRecording()
{
    Recorded().emplace();
}

std::vector<TContentProblem> StopRecording()
{
    std::vector<TContentProblem> problems;
    if (Recorded())
        problems = std::move(Recorded()->Problems);
    Recorded().reset();
    return problems;
}

void Report(const QString& path, const QString& where, const QString& what)
{
    std::optional<TRecord>& recorded = Recorded();
    if (!recorded)
        return;
    const QString key = path + QChar::Null + where + QChar::Null + what;
    if (recorded->Told.contains(key))
        return;
    recorded->Told.insert(key);
    recorded->Problems.push_back({path, where, what});
}

} // namespace ContentProblems
