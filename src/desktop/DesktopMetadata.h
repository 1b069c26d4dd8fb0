#pragma once

#include <QString>

// The files that make Ostrel known to the desktop are written from templates at build time, so
// that what they claim Ostrel reads comes from the one table of source types.
namespace DesktopMetadata {

// The template's placeholders filled in: @MIME_TYPES@ becomes the desktop file's list
// ("image/tiff;image/jpeg;...;") and @MEDIA_TYPES@ AppStream's <mediatype> elements, one a
// line, indented as the placeholder is.
QString filledTemplate(const QString& text);

} // namespace DesktopMetadata
