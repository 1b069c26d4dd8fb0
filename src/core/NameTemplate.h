#pragma once

#include <QDateTime>
#include <QString>

// Output names made from a template of literal text and tokens in braces:
//   {name}        the source's file name without its extension
//   {n}, {n:4}    the running number (the one custom naming uses), :4 zero-pads to 4 digits
//   {w}, {h}      the output's pixel size
//   {date}        when the photo was taken (EXIF), else the source's modification time, as
//                 %Y-%m-%d_%H%M%S; {date:FORMAT} with the codes %Y %y %m %d %H %M %S %%
//   {folder}      the name of the folder the source is in
//   {preset}      the name of the preset the batch writes with; empty for none
// "{{" and "}}" stand for a brace. The format's extension follows the name as with the other
// naming modes. Any thread.
namespace NameTemplate {

// What one image's name is made of.
struct Facts
{
    QString sourcePath = {};
    int number = 0;
    int width = 0;
    int height = 0;
    QDateTime taken = {}; // the date taken, or the source's modification time
    QString presetName = {};
};

// Why the template cannot name files, in the user's words; empty when it can. A template that
// names nothing (no literal text and no token but {preset}), holds a "/", is "." or "..", or
// holds an unknown token, an unknown date code or an unclosed brace cannot.
QString problem(const QString& text);

// Whether the name needs what only reading the source tells: {w}, {h} or {date}.
bool needsSourceFacts(const QString& text);

// The base name (without extension) the template gives an image; a template with a problem
// gives an empty name. A "/" in a fact's value becomes "_", so that a value never leads into
// another folder.
QString expand(const QString& text, const Facts& facts);

} // namespace NameTemplate
