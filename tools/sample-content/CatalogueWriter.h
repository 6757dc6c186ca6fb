#pragma once

#include "SampleCatalogue.h"

#include <string>

class ContentFolder;

// The catalogue index velmora.ini and each work's text file html\{stem}.htm.txt.
namespace CatalogueWriter {

void Write(ContentFolder& folder);

// "{author id}-{n}", n counted from 1.
std::string StemOf(const TSampleAuthor& author, size_t index);

} // namespace CatalogueWriter
