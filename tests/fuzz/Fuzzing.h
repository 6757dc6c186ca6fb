#pragma once

#include <QString>

#include <cstdint>
#include <string_view>

// What the fuzz targets share: the input as bytes, a content folder of the process's own where
// an input becomes the file a reader opens, and a check that stops the run on a broken property.
// On a target's own functions (picking the input apart, checking a property): the fuzzer is
// steered by the readers' branches alone, and spends no time counting the target's.
#define VELMORA_NOT_COVERED __attribute__((no_sanitize("coverage")))

namespace Fuzzing {

inline std::string_view Bytes(const uint8_t* data, size_t size)
{
    return {reinterpret_cast<const char*>(data), size};
}

// The folder, made at the first call and removed when the process ends. It is in memory where
// the machine has a memory file system: flushing every input to a disk would cost the run far
// more than the readers do.
const QString& ContentFolder();

// Writes bytes to a file of the folder, with the folders on its way; its full path.
QString WriteFile(const QString& relative, std::string_view bytes);

// Stops the run, as a crash would, when a property does not hold: libFuzzer keeps the input.
void Require(bool holds, const char* property);

} // namespace Fuzzing
