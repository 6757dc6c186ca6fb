#pragma once

#include <string>

// JPEG files made for tests and benchmarks, of a patterned picture.
namespace JpegFiles {

enum class TColours { Grey, Colour };

// A progressive JPEG whose coefficients come in stepsPerBand successive-approximation steps
// per band and component, each step a scan of its own: 1 + 63 * stepsPerBand scans for grey,
// 1 + 3 * 63 * stepsPerBand in colour.
std::string Progressive(int width, int height, int stepsPerBand, TColours colours = TColours::Grey);
// A progressive JPEG of the ten or so scans encoders write.
std::string OrdinaryProgressive(int width, int height, TColours colours = TColours::Grey);

} // namespace JpegFiles
