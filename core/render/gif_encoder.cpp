#include "core/render/gif_encoder.h"

#include <map>
#include <stdexcept>
#include <utility>
#include <vector>

namespace movra {
namespace {

constexpr int MaxCodes = 4096;  // 12-bit codes

void PutWord(std::string& out, int value) {
    out += char(value & 0xff);
    out += char((value >> 8) & 0xff);
}

// Codes of varying width packed from the lowest bit up, cut into the
// sub-blocks of at most 255 bytes that GIF data comes in.
class CodeWriter {
public:
    explicit CodeWriter(std::string& out) : out_(out) {}
    void Put(int code, int width) {
        bits_ |= std::uint32_t(code) << count_;
        for (count_ += width; count_ >= 8; count_ -= 8, bits_ >>= 8) Byte(char(bits_ & 0xff));
    }
    void Finish() {
        if (count_ > 0) Byte(char(bits_ & 0xff));
        if (!block_.empty()) Flush();
        out_ += '\0';
    }

private:
    void Byte(char byte) {
        block_ += byte;
        if (block_.size() == 255) Flush();
    }
    void Flush() {
        out_ += char(block_.size());
        out_ += std::exchange(block_, {});
    }

    std::string& out_;
    std::string block_;
    std::uint32_t bits_ = 0;
    int count_ = 0;
};

// LZW as GIF has it: a clear code first, the table started afresh whenever
// it is full, the code width one more than the colours' until it grows.
void PutImageData(std::string& out, const std::vector<std::uint8_t>& indices, int colourBits) {
    const int minimum = colourBits < 2 ? 2 : colourBits;
    const int clear = 1 << minimum, end = clear + 1, symbols = 1 << colourBits;
    out += char(minimum);
    CodeWriter writer(out);
    // next[code * symbols + index]: the code of that string plus one more index, or 0.
    std::vector<std::uint16_t> next(std::size_t(MaxCodes) * symbols);
    int width = minimum + 1, free = end + 1;
    writer.Put(clear, width);
    int prefix = indices.front();
    for (std::size_t i = 1; i < indices.size(); ++i) {
        const int index = indices[i];
        std::uint16_t& longer = next[std::size_t(prefix) * symbols + index];
        if (longer != 0) {
            prefix = longer;
            continue;
        }
        writer.Put(prefix, width);
        longer = std::uint16_t(free);
        if (free == (1 << width) && width < 12) ++width;
        if (++free == MaxCodes) {
            writer.Put(clear, width);
            std::fill(next.begin(), next.end(), 0);
            width = minimum + 1;
            free = end + 1;
        }
        prefix = index;
    }
    writer.Put(prefix, width);
    writer.Put(end, width);
    writer.Finish();
}

}  // namespace

GifEncoder::GifEncoder(int width, int height, int delayCentiseconds)
    : width_(width), height_(height), delay_(delayCentiseconds) {
    bytes_ = "GIF89a";
    PutWord(bytes_, width_);
    PutWord(bytes_, height_);
    bytes_ += std::string("\x70\0\0", 3);  // no global palette, 8-bit colour
    // The Netscape extension that makes viewers loop the animation forever.
    bytes_ += std::string("\x21\xff\x0bNETSCAPE2.0\x03\x01\0\0\0", 19);
}

void GifEncoder::Add(const std::uint32_t* pixels) {
    std::map<std::uint32_t, std::uint8_t> slots;
    std::string palette;
    std::vector<std::uint8_t> indices(std::size_t(width_) * height_);
    for (std::size_t i = 0; i < indices.size(); ++i) {
        const auto [slot, added] = slots.try_emplace(pixels[i], std::uint8_t(slots.size()));
        if (added) {
            if (slots.size() > 256) throw std::length_error("GIF: a frame has more than 256 colours");
            palette += {char(pixels[i] >> 16), char(pixels[i] >> 8), char(pixels[i])};
        }
        indices[i] = slot->second;
    }
    int colourBits = 1;
    while ((1u << colourBits) < slots.size()) ++colourBits;
    palette.resize(std::size_t(3) << colourBits, '\0');

    bytes_ += std::string("\x21\xf9\x04\0", 4);  // graphic control: the delay only
    PutWord(bytes_, delay_);
    bytes_ += std::string("\0\0", 2);
    bytes_ += ',';  // the image, at (0, 0), with its own palette
    PutWord(bytes_, 0);
    PutWord(bytes_, 0);
    PutWord(bytes_, width_);
    PutWord(bytes_, height_);
    bytes_ += char(0x80 | (colourBits - 1));
    bytes_ += palette;
    PutImageData(bytes_, indices, colourBits);
}

void GifEncoder::Finish() { bytes_ += ';'; }

std::string GifEncoder::Take() { return std::exchange(bytes_, {}); }

}  // namespace movra
