#pragma once

#include <QString>

// Text from outside the program (file names, a decoder's messages) made safe to print on one
// line of a terminal or of the log: no character in it can end the line, move the cursor or
// start a terminal sequence, so one image stays one line and what a line says is what it
// shows. Any thread.
namespace PrintableText {

// The text with each control character written as an escape, the rest as it is:
//   - newline, carriage return and tab as \n, \r and \t;
//   - the other C0 controls, DEL and the C1 controls (U+0080..U+009F) as \xHH (\x1b, \x7f,
//     \x9b);
//   - a lone surrogate U+DC80..U+DCFF, which stands for the raw byte 0x80..0xFF of a file
//     name that is not UTF-8, as that byte: \x80..\xff;
//   - any other lone surrogate, and the line and paragraph separators U+2028 and U+2029, as
//     \uHHHH.
// Hexadecimal digits are lower case. A backslash stays as it is, so text without controls
// comes back unchanged; a surrogate pair (a character beyond U+FFFF) is kept. The result
// never holds a lone surrogate, so it converts to UTF-8 without loss.
QString escaped(const QString& text);

} // namespace PrintableText
