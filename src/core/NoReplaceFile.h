#pragma once

#include <QString>

// Writing a new file without ever replacing one: the content goes to a temporary file in the
// destination folder, which is then moved into place by an operation that fails when the
// destination exists (so a file that appears after any earlier check is never clobbered).
namespace NoReplaceFile {

// Creates an empty, uniquely named hidden file in dir for finalName's content. Returns its
// path, or an empty string with error set.
QString createTemporary(const QString& dir, const QString& finalName, QString* error);

// Moves temporary to destination unless something exists there. On failure the temporary
// file is left for the caller to remove.
bool moveNoReplace(const QString& temporary, const QString& destination, QString* error);

// Removes a temporary file; quietly does nothing when it is gone.
void discard(const QString& temporary);

} // namespace NoReplaceFile
