#pragma once

// The formats a batch writes, by the code the settings file stores for each.
enum class OutputFormat
{
    Jpeg = 1,
    Png = 2,
    Gif = 3,
    Bmp = 4,
    Tiff = 5,
};
