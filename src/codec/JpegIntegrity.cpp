#include "JpegIntegrity.h"

#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <memory>

#include <unistd.h>

// jpeglib.h needs FILE and size_t declared first.
#include <jerror.h>
#include <jpeglib.h>

namespace JpegIntegrity {

namespace {

constexpr size_t kReadSize = 64 * 1024;

// The data source: pread from the descriptor at an offset of our own.
struct Source
{
    jpeg_source_mgr pub;
    int fd;
    off_t offset;
    JOCTET buffer[kReadSize];
};

// Everything libjpeg touches lives in plain structs: the error handler leaves by longjmp,
// which must not skip a C++ destructor.
struct Decoder
{
    jpeg_decompress_struct cinfo;
    jpeg_error_mgr errors;
    std::jmp_buf exit;
    char message[JMSG_LENGTH_MAX];
    Source source;
};

Decoder* decoderOf(j_common_ptr cinfo)
{
    return static_cast<Decoder*>(cinfo->client_data);
}

void initSource(j_decompress_ptr) { }

boolean fillBuffer(j_decompress_ptr cinfo)
{
    static const JOCTET endOfImage[2] = { 0xFF, JPEG_EOI };
    Source& source = decoderOf(reinterpret_cast<j_common_ptr>(cinfo))->source;
    ssize_t n;
    do {
        n = ::pread(source.fd, source.buffer, kReadSize, source.offset);
    } while (n < 0 && errno == EINTR);
    if (n <= 0) {
        // Like libjpeg's own file source: say so, then end the image here.
        WARNMS(cinfo, JWRN_JPEG_EOF);
        source.pub.next_input_byte = endOfImage;
        source.pub.bytes_in_buffer = 2;
        return TRUE;
    }
    source.offset += n;
    source.pub.next_input_byte = source.buffer;
    source.pub.bytes_in_buffer = static_cast<size_t>(n);
    return TRUE;
}

void skipData(j_decompress_ptr cinfo, long count)
{
    Source& source = decoderOf(reinterpret_cast<j_common_ptr>(cinfo))->source;
    if (count <= 0)
        return;
    const size_t bytes = static_cast<size_t>(count);
    if (bytes <= source.pub.bytes_in_buffer) {
        source.pub.next_input_byte += bytes;
        source.pub.bytes_in_buffer -= bytes;
        return;
    }
    source.offset += static_cast<off_t>(bytes - source.pub.bytes_in_buffer);
    source.pub.bytes_in_buffer = 0;
}

void termSource(j_decompress_ptr) { }

[[noreturn]] void stop(j_common_ptr cinfo)
{
    Decoder* decoder = decoderOf(cinfo);
    (*cinfo->err->format_message)(cinfo, decoder->message);
    std::longjmp(decoder->exit, 1);
}

// Warnings about the stream around the pixels, after which every pixel still decodes.
bool losesNoPixels(int code)
{
    switch (code) {
    case JWRN_EXTRANEOUS_DATA: // bytes between two segments, skipped up to the next marker
    case JWRN_JFIF_MAJOR: // a JFIF version from the future
    case JWRN_ADOBE_XFORM: // an Adobe colour transform code libjpeg does not know
    case JWRN_BOGUS_ICC: // a malformed ICC profile marker
    case JWRN_NOT_SEQUENTIAL: // odd scan parameters that a sequential decode ignores
        return true;
    default:
        // Premature end of data or file, bad Huffman or arithmetic code, a restart marker out
        // of place, an inconsistent progression, or anything newer: pixels may be lost.
        return false;
    }
}

void emitMessage(j_common_ptr cinfo, int level)
{
    if (level >= 0)
        return; // trace messages
    ++cinfo->err->num_warnings;
    if (!losesNoPixels(cinfo->err->msg_code))
        stop(cinfo);
}

void outputMessage(j_common_ptr) { }

// Decodes the whole image; false with the message set on the first loss or error.
bool decodeAll(Decoder* decoder)
{
    jpeg_decompress_struct* cinfo = &decoder->cinfo;
    cinfo->err = jpeg_std_error(&decoder->errors);
    decoder->errors.error_exit = stop;
    decoder->errors.emit_message = emitMessage;
    decoder->errors.output_message = outputMessage;
    if (setjmp(decoder->exit)) {
        jpeg_destroy_decompress(cinfo);
        return false;
    }
    jpeg_create_decompress(cinfo);
    cinfo->client_data = decoder;
    Source& source = decoder->source;
    source.pub.init_source = initSource;
    source.pub.fill_input_buffer = fillBuffer;
    source.pub.skip_input_data = skipData;
    source.pub.resync_to_restart = jpeg_resync_to_restart;
    source.pub.term_source = termSource;
    source.pub.bytes_in_buffer = 0;
    source.pub.next_input_byte = nullptr;
    cinfo->src = &source.pub;

    jpeg_read_header(cinfo, TRUE);
    // The smallest scale still entropy-decodes every block; only the inverse transform of
    // each block shrinks to its mean, which is all a check needs.
    cinfo->scale_num = 1;
    cinfo->scale_denom = 8;
    cinfo->dct_method = JDCT_IFAST;
    cinfo->do_fancy_upsampling = FALSE;
    cinfo->do_block_smoothing = FALSE;
    jpeg_start_decompress(cinfo);
    const JDIMENSION rows = static_cast<JDIMENSION>(cinfo->rec_outbuf_height);
    JSAMPARRAY buffer = (*cinfo->mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(cinfo),
        JPOOL_IMAGE, cinfo->output_width * static_cast<JDIMENSION>(cinfo->output_components), rows);
    while (cinfo->output_scanline < cinfo->output_height)
        jpeg_read_scanlines(cinfo, buffer, rows);
    // Reads on to the end-of-image marker: a file cut after its last block still ends early.
    jpeg_finish_decompress(cinfo);
    jpeg_destroy_decompress(cinfo);
    return true;
}

} // namespace

Verdict check(int fd)
{
    auto decoder = std::make_unique<Decoder>(); // zeroed: a plain aggregate, value-initialised
    decoder->source.fd = fd;
    Verdict verdict;
    verdict.whole = decodeAll(decoder.get());
    if (!verdict.whole)
        verdict.problem = QString::fromLocal8Bit(decoder->message);
    return verdict;
}

} // namespace JpegIntegrity
