// The toolkit's PNG and JPEG formats on stb instead of libpng and libjpeg: stb builds for Linux
// and for Windows alike, so the embedded artwork decodes to the same pixels on both, and a
// snapshot written on one compares byte for byte with one written on the other. Compiled inside
// the toolkit's graphics unit, where its own loaders would otherwise be.

#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#define STBI_ONLY_JPEG
#define STBI_NO_STDIO
#define STBI_NO_LINEAR
#define STBI_NO_HDR
#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO

#include <stb_image.h>
#include <stb_image_write.h>

namespace juce
{
namespace StbImages
{
// Reads the whole stream; images are small and stb decodes from memory.
static MemoryBlock readAll(InputStream& in)
{
    MemoryBlock data;
    in.readIntoMemoryBlock(data);
    return data;
}

// Decodes PNG or JPEG bytes into an image in the toolkit's pixel layout: ARGB, premultiplied,
// where the file carries transparency, else RGB. A null image when stb refuses the data.
static Image decode(const MemoryBlock& data)
{
    if (data.getSize() == 0 ||
        data.getSize() > static_cast<size_t>(std::numeric_limits<int>::max()))
        return {};
    const auto* bytes = static_cast<const stbi_uc*>(data.getData());
    const int length = static_cast<int>(data.getSize());
    int width = 0, height = 0, channels = 0;
    stbi_uc* pixels = stbi_load_from_memory(bytes, length, &width, &height, &channels, 4);
    if (pixels == nullptr)
        return {};

    bool transparent = channels == 2 || channels == 4;
    for (int i = 0, n = width * height; !transparent && i < n; ++i)
        transparent = pixels[i * 4 + 3] != 255;

    Image image(transparent ? Image::ARGB : Image::RGB, width, height, false);
    {
        const Image::BitmapData out(image, Image::BitmapData::writeOnly);
        for (int y = 0; y < height; ++y)
        {
            const stbi_uc* row = pixels + static_cast<size_t>(y) * static_cast<size_t>(width) * 4;
            for (int x = 0; x < width; ++x)
            {
                const stbi_uc* p = row + x * 4;
                if (transparent)
                {
                    auto* pixel = reinterpret_cast<PixelARGB*>(out.getPixelPointer(x, y));
                    pixel->setARGB(p[3], p[0], p[1], p[2]);
                    pixel->premultiply();
                }
                else
                {
                    auto* pixel = reinterpret_cast<PixelRGB*>(out.getPixelPointer(x, y));
                    pixel->setARGB(255, p[0], p[1], p[2]);
                }
            }
        }
    }
    stbi_image_free(pixels);
    return image;
}

// The image as rows of unpremultiplied red, green, blue (and alpha when channels is 4) bytes.
static std::vector<uint8> pixelBytes(const Image& image, int channels)
{
    const int width = image.getWidth(), height = image.getHeight();
    std::vector<uint8> bytes(static_cast<size_t>(width) * static_cast<size_t>(height) *
                             static_cast<size_t>(channels));
    const Image::BitmapData in(image, Image::BitmapData::readOnly);
    uint8* p = bytes.data();
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x, p += channels)
        {
            // Already unpremultiplied by the toolkit.
            const Colour pixel = in.getPixelColour(x, y);
            p[0] = pixel.getRed();
            p[1] = pixel.getGreen();
            p[2] = pixel.getBlue();
            if (channels == 4)
                p[3] = pixel.getAlpha();
        }
    return bytes;
}

static void appendToStream(void* context, void* data, int size)
{
    auto* target = static_cast<std::pair<OutputStream*, bool>*>(context);
    if (size > 0 && !target->first->write(data, static_cast<size_t>(size)))
        target->second = false;
}

static bool startsWith(InputStream& in, const uint8* signature, int size)
{
    uint8 head[8] = {};
    return in.read(head, size) == size &&
           std::memcmp(head, signature, static_cast<size_t>(size)) == 0;
}
} // namespace StbImages

PNGImageFormat::PNGImageFormat() {}
PNGImageFormat::~PNGImageFormat() {}

String PNGImageFormat::getFormatName()
{
    return "PNG";
}

bool PNGImageFormat::usesFileExtension(const File& f)
{
    return f.hasFileExtension("png");
}

bool PNGImageFormat::canUnderstand(InputStream& in)
{
    static const uint8 signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    return StbImages::startsWith(in, signature, 8);
}

Image PNGImageFormat::decodeImage(InputStream& in)
{
    return StbImages::decode(StbImages::readAll(in));
}

bool PNGImageFormat::writeImageToStream(const Image& image, OutputStream& out)
{
    if (!image.isValid())
        return false;
    const int width = image.getWidth(), height = image.getHeight();
    const int channels = image.hasAlphaChannel() ? 4 : 3;
    const std::vector<uint8> rgba = StbImages::pixelBytes(image, channels);
    std::pair<OutputStream*, bool> target{&out, true};
    const int written = stbi_write_png_to_func(StbImages::appendToStream, &target, width, height,
                                               channels, rgba.data(), width * channels);
    return written != 0 && target.second;
}

JPEGImageFormat::JPEGImageFormat() : quality(-1.0f) {}
JPEGImageFormat::~JPEGImageFormat() {}

void JPEGImageFormat::setQuality(float newQuality)
{
    quality = newQuality;
}

String JPEGImageFormat::getFormatName()
{
    return "JPEG";
}

bool JPEGImageFormat::usesFileExtension(const File& f)
{
    return f.hasFileExtension("jpeg;jpg");
}

bool JPEGImageFormat::canUnderstand(InputStream& in)
{
    static const uint8 signature[] = {0xff, 0xd8, 0xff};
    return StbImages::startsWith(in, signature, 3);
}

Image JPEGImageFormat::decodeImage(InputStream& in)
{
    return StbImages::decode(StbImages::readAll(in));
}

bool JPEGImageFormat::writeImageToStream(const Image& image, OutputStream& out)
{
    if (!image.isValid())
        return false;
    const int width = image.getWidth(), height = image.getHeight();
    const std::vector<uint8> rgb = StbImages::pixelBytes(image, 3);
    std::pair<OutputStream*, bool> target{&out, true};
    const int level = quality < 0.0f ? 85 : jlimit(1, 100, roundToInt(quality * 100.0f));
    return stbi_write_jpg_to_func(StbImages::appendToStream, &target, width, height, 3, rgb.data(),
                                  level) != 0 &&
           target.second;
}
} // namespace juce
