#include "ImageVariants.h"

#include <jpeglib.h>
#include <png.h>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <map>
#include <stdexcept>

namespace variants {

namespace {

const int kCellSide = 16;  // pixels: whole JPEG blocks
const int kCellsAcross = 4;
const int kPictureSide = kCellSide * kCellsAcross;
const int kChannelSteps = 3;  // each channel of a cell's colour is 0, 85, 170 or 255
const int kStepValue = 85;
const int kJpegQuality = 95;
const int kPaletteBits = 4;
const size_t kMaxPaletteEntries = 16;

using Rows = std::vector<std::vector<unsigned char>>;

struct PngLayout {
    int colorType;
    int bitDepth;
    int interlace;
};

unsigned char at(const Picture& picture, int x, int y, int channel) {
    return picture.rgba[static_cast<size_t>((y * picture.width + x) * 4 + channel)];
}

// `rows` hold the bytes as the file stores them. libpng reports failures by a long jump,
// so every object that needs unwinding exists before the jump's landing place.
void writePngRows(const std::string& path, int width, int height, PngLayout layout, Rows& rows,
                  const std::vector<png_color>& palette) {
    std::vector<png_bytep> pointers;
    for (auto& row : rows) {
        pointers.push_back(row.data());
    }
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        throw std::runtime_error("cannot write " + path);
    }
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(file);
        throw std::runtime_error("libpng failed on " + path);
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height),
                 layout.bitDepth, layout.colorType, layout.interlace, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    if (!palette.empty()) {
        png_set_PLTE(png, info, palette.data(), static_cast<int>(palette.size()));
    }
    png_write_info(png, info);
    png_write_image(png, pointers.data());  // writes every Adam7 pass when interlaced
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    std::fclose(file);
}

// Each pixel's channels, each widened to `bytesPerChannel` big-endian bytes.
Rows channelRows(const Picture& picture, int channels, int bytesPerChannel) {
    Rows rows(static_cast<size_t>(picture.height));
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            for (int c = 0; c < channels; ++c) {
                // 16 bits: v * 257 spreads 0..255 over 0..65535, so both bytes are v.
                rows[static_cast<size_t>(y)].insert(rows[static_cast<size_t>(y)].end(),
                                                    static_cast<size_t>(bytesPerChannel),
                                                    at(picture, x, y, c));
            }
        }
    }
    return rows;
}

void writeRgbPng(const Picture& picture, const std::string& path, int bitDepth, int interlace) {
    Rows rows = channelRows(picture, 3, bitDepth / 8);
    writePngRows(path, picture.width, picture.height, {PNG_COLOR_TYPE_RGB, bitDepth, interlace},
                 rows, {});
}

struct JpegErrors {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

void jumpOut(j_common_ptr info) {
    std::longjmp(reinterpret_cast<JpegErrors*>(info->err)->jump, 1);
}

// `bytes` holds `components` bytes per pixel in `space`; `progressive` asks for the scans of
// increasing detail that web tools write by default.
void writeJpegBytes(const std::string& path, const Picture& picture,
                    std::vector<unsigned char>& bytes, J_COLOR_SPACE space, int components,
                    bool progressive) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        throw std::runtime_error("cannot write " + path);
    }
    jpeg_compress_struct info;
    JpegErrors errors;
    info.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = jumpOut;
    if (setjmp(errors.jump)) {
        jpeg_destroy_compress(&info);
        std::fclose(file);
        throw std::runtime_error("libjpeg failed on " + path);
    }
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = static_cast<JDIMENSION>(picture.width);
    info.image_height = static_cast<JDIMENSION>(picture.height);
    info.input_components = components;
    info.in_color_space = space;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, kJpegQuality, TRUE);
    // Full-resolution colour: a decoder's smooth upsampling of halved colour would blend
    // neighbouring cells at their edges, beyond any rounding.
    for (int c = 0; c < info.num_components; ++c) {
        info.comp_info[c].h_samp_factor = 1;
        info.comp_info[c].v_samp_factor = 1;
    }
    if (progressive) {
        jpeg_simple_progression(&info);
    }
    jpeg_start_compress(&info, TRUE);
    const size_t stride = static_cast<size_t>(picture.width * components);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = bytes.data() + info.next_scanline * stride;
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::fclose(file);
}

}  // namespace

Picture checkerboard() {
    Picture picture{kPictureSide, kPictureSide, {}};
    for (int y = 0; y < kPictureSide; ++y) {
        for (int x = 0; x < kPictureSide; ++x) {
            const int cell = (y / kCellSide) * kCellsAcross + x / kCellSide;
            const auto step = [&](int shift) {
                return static_cast<unsigned char>(((cell >> shift) & kChannelSteps) * kStepValue);
            };
            // Red and green count the cell's number; blue runs the other way.
            picture.rgba.insert(
                picture.rgba.end(),
                {step(0), step(2), static_cast<unsigned char>(255 - cell * 17), 255});
        }
    }
    return picture;
}

void writePlainPng(const Picture& picture, const std::string& path) {
    Rows rows = channelRows(picture, 4, 1);
    writePngRows(path, picture.width, picture.height, {PNG_COLOR_TYPE_RGBA, 8, PNG_INTERLACE_NONE},
                 rows, {});
}

void writeSixteenBitPng(const Picture& picture, const std::string& path) {
    writeRgbPng(picture, path, 16, PNG_INTERLACE_NONE);
}

void writeInterlacedPng(const Picture& picture, const std::string& path) {
    writeRgbPng(picture, path, 8, PNG_INTERLACE_ADAM7);
}

// Two pixels to a byte, the first in the high half, as optipng and pngquant write them.
void writePalettePng(const Picture& picture, const std::string& path) {
    std::map<std::vector<unsigned char>, unsigned char> indices;
    std::vector<png_color> palette;
    Rows rows(static_cast<size_t>(picture.height),
              std::vector<unsigned char>(static_cast<size_t>(picture.width + 1) / 2, 0));
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            const std::vector<unsigned char> rgb = {at(picture, x, y, 0), at(picture, x, y, 1),
                                                    at(picture, x, y, 2)};
            if (!indices.count(rgb)) {
                if (palette.size() == kMaxPaletteEntries) {
                    throw std::runtime_error("more colours than a 4-bit palette holds");
                }
                indices[rgb] = static_cast<unsigned char>(palette.size());
                palette.push_back({rgb[0], rgb[1], rgb[2]});
            }
            const int shift = x % 2 == 0 ? kPaletteBits : 0;
            rows[static_cast<size_t>(y)][static_cast<size_t>(x / 2)] |=
                static_cast<unsigned char>(indices[rgb] << shift);
        }
    }
    writePngRows(path, picture.width, picture.height,
                 {PNG_COLOR_TYPE_PALETTE, kPaletteBits, PNG_INTERLACE_NONE}, rows, palette);
}

void writeProgressiveJpeg(const Picture& picture, const std::string& path) {
    std::vector<unsigned char> rgb;
    for (const auto& row : channelRows(picture, 3, 1)) {
        rgb.insert(rgb.end(), row.begin(), row.end());
    }
    writeJpegBytes(path, picture, rgb, JCS_RGB, 3, true);
}

// Photoshop's convention, which decoders follow: the bytes are inverted inks, so a colour
// is each of C, M and Y scaled by K. K carries the brightest channel.
void writeCmykJpeg(const Picture& picture, const std::string& path) {
    std::vector<unsigned char> cmyk;
    for (size_t i = 0; i < picture.rgba.size(); i += 4) {
        const unsigned char* rgb = &picture.rgba[i];
        const int k = std::max({rgb[0], rgb[1], rgb[2]});
        for (int c = 0; c < 3; ++c) {
            cmyk.push_back(static_cast<unsigned char>(k == 0 ? 0 : (rgb[c] * 255 + k / 2) / k));
        }
        cmyk.push_back(static_cast<unsigned char>(k));
    }
    writeJpegBytes(path, picture, cmyk, JCS_CMYK, 4, false);
}

}  // namespace variants
