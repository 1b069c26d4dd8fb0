#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

// The size limit of output files, in bytes, as people write and read it: in decimal units
// (1 kB = 1000 bytes, 1 MB = 1000000 bytes), as file managers show file sizes. The window's
// list shows sizes in binary units (KiB) instead; the limit always means decimal ones.
namespace FileSizeLimit {

// The largest limit that can be set: 2 GB.
constexpr qint64 kLargest = 2'000'000'000;

// "100 kB", "1.5 MB", "999 bytes": the limit in the user's locale, with as many decimals as it
// needs (at most two).
QString text(qint64 bytes);

// A limit as written on a command line: a whole number of bytes ("300000"), or a number with
// k or M ("500k", "1.5M", either case); a '.' is the decimal sign. Nothing for anything else,
// for a fraction of a byte and for more than kLargest; 0 is no limit.
std::optional<qint64> parse(const QString& text);

} // namespace FileSizeLimit
