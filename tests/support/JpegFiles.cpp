#include "JpegFiles.h"

#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>
#include <vector>

namespace JpegFiles {
namespace {

constexpr int kAcBands = DCTSIZE2 - 1;

std::vector<jpeg_scan_info> ScanScript(int components, int stepsPerBand)
{
    std::vector<jpeg_scan_info> scans;
    jpeg_scan_info dc{};
    dc.comps_in_scan = components;
    for (int c = 0; c < components; ++c)
        dc.component_index[c] = c;
    scans.push_back(dc);
    const int lowestBit = stepsPerBand - 1;
    for (int c = 0; c < components; ++c) {
        for (int band = 1; band <= kAcBands; ++band) {
            scans.push_back({1, {c}, band, band, 0, lowestBit});
            for (int bit = lowestBit; bit > 0; --bit)
                scans.push_back({1, {c}, band, band, bit, bit - 1});
        }
    }
    return scans;
}

// Encodes the patterned picture; scripted sets up the scans once the defaults are in place.
template <typename TScans>
std::string Encode(int width, int height, TColours colours, TScans scripted)
{
    const int components = colours == TColours::Colour ? 3 : 1;
    jpeg_compress_struct cinfo;
    jpeg_error_mgr errors;
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = JDIMENSION(width);
    cinfo.image_height = JDIMENSION(height);
    cinfo.input_components = components;
    cinfo.in_color_space = components == 3 ? JCS_RGB : JCS_GRAYSCALE;
    jpeg_set_defaults(&cinfo);
    scripted(cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<JSAMPLE> row(static_cast<size_t>(width) * static_cast<size_t>(components));
    while (cinfo.next_scanline < cinfo.image_height) {
        for (size_t x = 0; x < row.size(); ++x)
            row[x] = JSAMPLE((x * 7 + cinfo.next_scanline * 13) & 0xFF);
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    std::string bytes(reinterpret_cast<const char*>(buffer), size);
    std::free(buffer);
    return bytes;
}

} // namespace

std::string Progressive(int width, int height, int stepsPerBand, TColours colours)
{
    const std::vector<jpeg_scan_info> scans =
        ScanScript(colours == TColours::Colour ? 3 : 1, stepsPerBand);
    return Encode(width, height, colours, [&](jpeg_compress_struct& cinfo) {
        cinfo.scan_info = scans.data();
        cinfo.num_scans = int(scans.size());
    });
}

std::string OrdinaryProgressive(int width, int height, TColours colours)
{
    return Encode(width, height, colours,
                  [](jpeg_compress_struct& cinfo) { jpeg_simple_progression(&cinfo); });
}

} // namespace JpegFiles
