#pragma once

// Whose folder a file is in, which says how far its path is trusted. A content folder is
// someone else's: a link in it is followed only while it stays inside the content. The user's
// own folders (their fonts, the settings the viewer keeps for them, a file they chose) are
// theirs.
enum class TFolderOwner { Content, User };
