#pragma once

class ContentFolder;

// The skin: buttons.ini and scrolls.ini from the layout table, every button's five pictures,
// the window backgrounds and the pictures the pages use.
namespace SkinWriter {

void Write(ContentFolder& folder);

} // namespace SkinWriter
