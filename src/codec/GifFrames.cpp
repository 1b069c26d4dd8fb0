#include "GifFrames.h"

#include <QByteArray>
#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <memory>
#include <vector>

#include <gif_lib.h>

#include "CodecError.h"
#include "FileBytes.h"

using vips::VImage;

namespace ImageCodec {

namespace {

// How giflib reads: from the open file, through pread, so the descriptor's offset stays
// where libvips' reader left it.
int readFromFile(GifFileType* gif, GifByteType* into, int length)
{
    auto* in = static_cast<FileBytes*>(gif->UserData);
    const QByteArray bytes = in->read(length);
    std::memcpy(into, bytes.constData(), size_t(bytes.size()));
    return int(bytes.size());
}

struct CloseGif
{
    void operator()(GifFileType* gif) const { DGifCloseFile(gif, nullptr); }
};

Refusal damaged()
{
    return { QCoreApplication::translate("ImageCodec", "the image data ends early or is damaged"),
        SourceProblem::Damaged };
}

// The row of the canvas that the index-th row in the data of an interlaced frame of height
// rows is: every 8th row from 0, every 8th from 4, every 4th from 2, then every 2nd from 1.
int interlacedRow(int index, int height)
{
    constexpr std::array<std::array<int, 2>, 4> kPasses { { { 0, 8 }, { 4, 8 }, { 2, 4 },
        { 1, 2 } } };
    for (const auto& [start, step] : kPasses) {
        const int rows = start < height ? (height - start + step - 1) / step : 0;
        if (index < rows)
            return start + index * step;
        index -= rows;
    }
    return height; // past the frame: not drawn
}

// A part of the canvas, already clipped to it.
struct Area
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

class Composer
{
public:
    Composer(int width, int height, int frames, guchar* pixels)
        : mWidth(width)
        , mHeight(height)
        , mFrames(frames)
        , mPixels(pixels)
        , mCanvas(size_t(width) * size_t(height) * 4, 0)
    {
    }

    // Decodes the frame whose descriptor giflib has just read, and adds the canvas with it
    // drawn as the next frame.
    void addFrame(GifFileType* gif, const GraphicsControlBlock& control)
    {
        if (mDone == mFrames)
            throw damaged();
        const GifImageDesc& frame = gif->Image;
        // The canvas is what libvips' header gave: drawing past it is clipped, but a frame
        // far larger is decoded row by row all the same, and is refused before that.
        const qint64 framePixels = qint64(frame.Width) * frame.Height;
        if (framePixels > 2 * qint64(mWidth) * mHeight + 65536)
            throw Refusal {
                QCoreApplication::translate("ImageCodec",
                    "a frame of the GIF is %1 x %2 pixels, far larger than the picture's %3 x %4")
                    .arg(frame.Width)
                    .arg(frame.Height)
                    .arg(mWidth)
                    .arg(mHeight),
                SourceProblem::Damaged
            };

        const Area area = clipped(frame);
        if (control.DisposalMode == DISPOSE_PREVIOUS)
            mSaved = mCanvas;
        drawFrame(gif, control, area);
        std::memcpy(mPixels + size_t(mDone) * mCanvas.size(), mCanvas.data(), mCanvas.size());
        mDelays.push_back(control.DelayTime * 10);
        ++mDone;

        // What the next frame is drawn over.
        if (control.DisposalMode == DISPOSE_BACKGROUND) {
            // As browsers do: the frame's area becomes transparent, whatever the background
            // colour the file names.
            for (int y = area.top; y < area.top + area.height; ++y)
                std::memset(pixelAt(area.left, y), 0, size_t(area.width) * 4);
        } else if (control.DisposalMode == DISPOSE_PREVIOUS) {
            mCanvas.swap(mSaved);
        }
    }

    int done() const { return mDone; }
    // Whether any frame shows any part of the canvas transparent.
    bool anyTransparent() const
    {
        const size_t bytes = mCanvas.size() * size_t(mDone);
        for (size_t alpha = 3; alpha < bytes; alpha += 4) {
            if (mPixels[alpha] != 255)
                return true;
        }
        return false;
    }
    const std::vector<int>& delays() const { return mDelays; }

private:
    Area clipped(const GifImageDesc& frame) const
    {
        const int left = std::clamp(frame.Left, 0, mWidth);
        const int top = std::clamp(frame.Top, 0, mHeight);
        const int right = std::clamp(frame.Left + frame.Width, 0, mWidth);
        const int bottom = std::clamp(frame.Top + frame.Height, 0, mHeight);
        return { left, top, std::max(0, right - left), std::max(0, bottom - top) };
    }

    guchar* pixelAt(int x, int y) { return mCanvas.data() + (size_t(y) * mWidth + x) * 4; }

    void drawFrame(GifFileType* gif, const GraphicsControlBlock& control, const Area& area)
    {
        const GifImageDesc& frame = gif->Image;
        // Colours by index; entries the table lacks are opaque black. The transparent index
        // leaves the canvas as it is.
        const ColorMapObject* map = frame.ColorMap ? frame.ColorMap : gif->SColorMap;
        std::array<std::array<guchar, 4>, 256> colours {};
        for (auto& colour : colours)
            colour[3] = 255;
        for (int i = 0; map && i < std::min(map->ColorCount, 256); ++i)
            colours[size_t(i)]
                = { map->Colors[i].Red, map->Colors[i].Green, map->Colors[i].Blue, 255 };
        const int transparent = control.TransparentColor;

        if (frame.Width <= 0 || frame.Height <= 0) {
            skipImageData(gif);
            return;
        }
        std::vector<GifPixelType> line(size_t(frame.Width));
        for (int index = 0; index < frame.Height; ++index) {
            if (DGifGetLine(gif, line.data(), frame.Width) == GIF_ERROR)
                throw damaged();
            const int y
                = frame.Top + (frame.Interlace ? interlacedRow(index, frame.Height) : index);
            if (y < area.top || y >= area.top + area.height)
                continue;
            for (int x = area.left; x < area.left + area.width; ++x) {
                const GifPixelType value = line[size_t(x - frame.Left)];
                if (value != transparent)
                    std::memcpy(pixelAt(x, y), colours[value].data(), 4);
            }
        }
    }

    // The data of a frame without pixels, read past.
    static void skipImageData(GifFileType* gif)
    {
        int codeSize = 0;
        GifByteType* block = nullptr;
        if (DGifGetCode(gif, &codeSize, &block) == GIF_ERROR)
            throw damaged();
        while (block) {
            if (DGifGetCodeNext(gif, &block) == GIF_ERROR)
                throw damaged();
        }
    }

    const int mWidth;
    const int mHeight;
    const int mFrames;
    guchar* const mPixels; // mFrames canvases, one after the other
    std::vector<guchar> mCanvas; // RGBA
    std::vector<guchar> mSaved; // the canvas before a frame that restores it
    std::vector<int> mDelays; // in milliseconds
    int mDone = 0;
};

// The graphic control extension that applies to the next frame, or none: any other
// extension is read past.
void readExtension(GifFileType* gif, GraphicsControlBlock* control)
{
    int code = 0;
    GifByteType* data = nullptr;
    if (DGifGetExtension(gif, &code, &data) == GIF_ERROR)
        throw damaged();
    if (code == GRAPHICS_EXT_FUNC_CODE && data && data[0] >= 4
        && DGifExtensionToGCB(data[0], data + 1, control) == GIF_ERROR)
        throw damaged();
    while (data) {
        if (DGifGetExtensionNext(gif, &data) == GIF_ERROR)
            throw damaged();
    }
}

// Every field of from that is not one of an image's own properties, except those named.
void copyFields(const VImage& from, VImage* to, std::initializer_list<const char*> except)
{
    struct Copy
    {
        VipsImage* to;
        std::initializer_list<const char*> except;
    } copy { to->get_image(), except };
    vips_image_map(
        from.get_image(),
        [](VipsImage* image, const char* name, GValue* value, void* state) -> void* {
            auto* c = static_cast<Copy*>(state);
            if (g_object_class_find_property(G_OBJECT_GET_CLASS(image), name))
                return nullptr;
            for (const char* skipped : c->except) {
                if (std::strcmp(name, skipped) == 0)
                    return nullptr;
            }
            vips_image_set(c->to, name, value);
            return nullptr;
        },
        &copy);
}

} // namespace

VImage composeGifFrames(int fd, const VImage& header, int frames)
{
    const int width = header.width();
    const int height = header.height();
    const size_t canvasBytes = size_t(width) * size_t(height) * 4;
    FileBytes in(fd);
    int error = 0;
    std::unique_ptr<GifFileType, CloseGif> gif(DGifOpen(&in, readFromFile, &error));
    if (!gif)
        throw damaged();
    auto* pixels = static_cast<guchar*>(g_try_malloc(canvasBytes * size_t(std::max(frames, 1))));
    if (!pixels)
        throw Refusal { systemMessage(ENOMEM) };
    VImage stack = VImage(vips_image_new_from_memory(
        pixels, canvasBytes * size_t(frames), width, height * frames, 4, VIPS_FORMAT_UCHAR));
    // The image owns the pixels from now on, also when composing them fails.
    g_signal_connect(stack.get_image(), "postclose",
        G_CALLBACK(+[](VipsImage*, gpointer data) { g_free(data); }), pixels);

    Composer composer(width, height, frames, pixels);
    GraphicsControlBlock control { DISPOSAL_UNSPECIFIED, false, 0, NO_TRANSPARENT_COLOR };
    for (;;) {
        GifRecordType record = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(gif.get(), &record) == GIF_ERROR) {
            // A file that ends, or holds something else, after its last frame is whole:
            // viewers and libvips show it.
            if (composer.done() == frames)
                break;
            throw damaged();
        }
        if (record == TERMINATE_RECORD_TYPE)
            break;
        if (record == EXTENSION_RECORD_TYPE) {
            readExtension(gif.get(), &control);
        } else if (record == IMAGE_DESC_RECORD_TYPE) {
            if (DGifGetImageDesc(gif.get()) == GIF_ERROR)
                throw damaged();
            composer.addFrame(gif.get(), control);
            control = { DISPOSAL_UNSPECIFIED, false, 0, NO_TRANSPARENT_COLOR };
        }
    }
    if (composer.done() != frames)
        throw damaged();

    VImage composed = stack.copy(VImage::option()
                                     ->set("interpretation", VIPS_INTERPRETATION_sRGB)
                                     ->set("xres", header.xres())
                                     ->set("yres", header.yres()));
    if (!composer.anyTransparent() && !header.has_alpha())
        composed = composed.extract_band(0, VImage::option()->set("n", 3));
    copyFields(
        header, &composed, { VIPS_META_PAGE_HEIGHT, VIPS_META_N_PAGES, "delay", "gif-delay" });
    composed.set(VIPS_META_PAGE_HEIGHT, height);
    composed.set(VIPS_META_N_PAGES, frames);
    std::vector<int> delays = composer.delays();
    composed.set("delay", delays.data(), int(delays.size()));
    if (header.get_typeof("gif-delay"))
        composed.set("gif-delay", delays.front() / 10);
    return composed;
}

} // namespace ImageCodec
