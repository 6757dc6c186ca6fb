#pragma once

class ContentFolder;

// The content pages under html: the style sheet, the pages the windows show by name, the
// about page, and each work's own page.
namespace PageWriter {

void Write(ContentFolder& folder);

} // namespace PageWriter
