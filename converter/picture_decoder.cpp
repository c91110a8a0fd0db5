#include "converter/picture_decoder.hpp"

#include <memory>
#include <string>

#include "converter/picture_file_checks.hpp"

// The decoder is compiled here and nowhere else, for PNG and BMP only, and
// reads from memory: the caller reads the file, within its size limit.
#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_STATIC
#define STBI_ONLY_PNG
#define STBI_ONLY_BMP
#define STBI_NO_STDIO
#include <stb_image.h>

namespace trot {

namespace {

struct ImageFree {
  void operator()(void* pixels) const { stbi_image_free(pixels); }
};

PictureException cannotDecode(PictureFormat format) {
  return PictureException(std::string("damaged or unsupported ") + (format == PictureFormat::Png ? "PNG" : "BMP") +
                          ": " + stbi_failure_reason());
}

std::uint8_t to8Bits(stbi_us sample) { return static_cast<std::uint8_t>((sample * 255u + 32767u) / 65535u); }

template <class Sample, class Load, class Convert>
void decodeInto(Picture& picture, std::string_view bytes, PictureFormat format, Load load, Convert convert) {
  int width = 0;
  int height = 0;
  int channels = 0;
  const std::unique_ptr<Sample, ImageFree> samples(load(reinterpret_cast<const stbi_uc*>(bytes.data()),
                                                        static_cast<int>(bytes.size()), &width, &height, &channels,
                                                        STBI_rgb_alpha));
  if (!samples || static_cast<std::size_t>(width) != picture.width ||
      static_cast<std::size_t>(height) != picture.height) {
    throw cannotDecode(format);
  }
  const Sample* sample = samples.get();
  for (Rgba& pixel : picture.pixels) {
    pixel = {convert(sample[0]), convert(sample[1]), convert(sample[2]), convert(sample[3])};
    if (!pixel.opaque()) pixel = Rgba();
    sample += 4;
  }
}

}  // namespace

Picture decodePicture(std::string_view bytes) {
  const PictureFormat format = pictureFormat(bytes);
  if (bytes.size() > kMostPictureBytes) throw PictureException("the file is larger than 64 MiB");
  if (format == PictureFormat::Png) checkPngChunks(bytes);

  const auto* data = reinterpret_cast<const stbi_uc*>(bytes.data());
  const int length = static_cast<int>(bytes.size());
  int width = 0;
  int height = 0;
  int channels = 0;
  if (stbi_info_from_memory(data, length, &width, &height, &channels) == 0) throw cannotDecode(format);
  if (width <= 0 || height <= 0) throw PictureException("a picture without pixels");
  if (static_cast<std::size_t>(width) > kMostPictureSide || static_cast<std::size_t>(height) > kMostPictureSide) {
    throw PictureException(std::to_string(width) + "x" + std::to_string(height) + " pixels, more than " +
                           std::to_string(kMostPictureSide) + " on a side");
  }
  if (format == PictureFormat::Bmp)
    checkBmpLength(bytes, static_cast<std::uint32_t>(width), static_cast<std::uint32_t>(height));

  Picture picture;
  picture.width = static_cast<std::size_t>(width);
  picture.height = static_cast<std::size_t>(height);
  picture.pixels.resize(picture.width * picture.height);
  if (stbi_is_16_bit_from_memory(data, length) != 0) {
    decodeInto<stbi_us>(picture, bytes, format, stbi_load_16_from_memory, to8Bits);
  } else {
    decodeInto<stbi_uc>(picture, bytes, format, stbi_load_from_memory, [](stbi_uc sample) { return sample; });
  }
  return picture;
}

}  // namespace trot
