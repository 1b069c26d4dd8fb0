#pragma once

// What a write does when a file of its output name exists; nothing is ever replaced. The
// values are the codes stored in the settings.
enum class ExistingFile
{
    Fail = 1, // the image fails, with that reason
    Number = 2, // the first free name of name-2.ext, name-3.ext, ... is taken instead
    Skip = 3, // the image is skipped: neither written nor failed
};
