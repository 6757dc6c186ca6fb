#pragma once

#include <QString>

#include <vector>

// Something a reader found wrong with the content: the file, where in it when that is known (a
// section, a key), and what is wrong, in words.
struct TContentProblem {
    QString Path;
    QString Where;
    QString What;
    // Why the content's author wants it so, when they wrote it beside it: then it is no fault.
    QString Intended;

    bool operator==(const TContentProblem&) const = default;
};

// Where the readers tell what they find wrong. The viewer goes on as each reader decides and
// keeps nothing; the content checker records everything the readers tell, to list it at once.
namespace ContentProblems {

void StartRecording();
// What was told since StartRecording, each problem once, in the order told; recording stops.
std::vector<TContentProblem> StopRecording();

// Kept only while recording.
void Report(const QString& path, const QString& where, const QString& what,
            const QString& intended = {});

} // namespace ContentProblems
