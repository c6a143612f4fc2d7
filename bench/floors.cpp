#include "floors.h"

#include <fcntl.h>
#include <unistd.h>
#include <zlib.h>

#include <array>
#include <stdexcept>

#include "bare_decoder.h"
#include "byte_io.h"
#include "container_format.h"
#include "key_coding.h"

namespace zrx::bench {

namespace fs = std::filesystem;

FileBytes ReadFileFloor(const fs::path& file) {
  const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) throw std::runtime_error("cannot open " + file.string());
  FileBytes out;
  out.size = static_cast<std::size_t>(::lseek(fd, 0, SEEK_END));
  out.data = std::make_unique_for_overwrite<std::uint8_t[]>(out.size);
  std::size_t done = 0;
  while (done < out.size) {
    const ssize_t n = ::pread(fd, out.data.get() + done, out.size - done, static_cast<off_t>(done));
    if (n <= 0) break;
    done += static_cast<std::size_t>(n);
  }
  ::close(fd);
  if (done != out.size) throw std::runtime_error("cannot read " + file.string());
  return out;
}

BlockView FindBlock(std::span<const std::uint8_t> file, bool hasNamesBlock) {
  // The container header must decode to a name, or the file is not ours.
  std::array<std::uint8_t, kContainerHeaderSize> header{};
  std::copy_n(file.begin() + kContainerHeaderOffset, header.size(), header.begin());
  DecodeRun(CodingKey::kShort, kContainerHeaderOffset, header);
  if (header[0] == 0 || header[0] > kPackageNameMax) throw std::runtime_error("bad container header");
  ByteReader in(file);
  in.seek(kContainerBlockOffset);
  if (hasNamesBlock) {
    std::int32_t names = 0;
    in.readCodedInt32(CodingKey::kShort, kContainerBlockOffset, names);
    in.skip(static_cast<std::size_t>(names) * kNameEntrySize);
  }
  std::int32_t compressed = 0, size = 0;
  in.readCodedInt32(CodingKey::kShort, 0, compressed);
  in.skip(kBlockSizesGap);
  in.readCodedInt32(CodingKey::kShort, 0, size);
  BlockView block;
  if (!in.take(static_cast<std::size_t>(compressed), block.stream)) throw std::runtime_error("short block");
  block.payloadSize = static_cast<std::size_t>(size);
  return block;
}

std::size_t InflateZlibFloor(const BlockView& block, std::unique_ptr<std::uint8_t[]>& out) {
  out = std::make_unique_for_overwrite<std::uint8_t[]>(block.payloadSize);
  uLongf size = block.payloadSize;
  if (uncompress(out.get(), &size, block.stream.data(), block.stream.size()) != Z_OK)
    throw std::runtime_error("inflate failed");
  return size;
}

int CheckPictureHeaders(std::span<const std::uint8_t> payload) {
  ByteReader in(payload);
  std::int32_t total = 0, decor = 0;
  in.readInt32(total);
  in.readInt32(decor);
  jpeg_decompress_struct cinfo{};
  JumpingJpegErrors errors{};
  cinfo.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = JumpOnJpegError;
  jpeg_create_decompress(&cinfo);
  volatile int good = 0;
  for (std::int32_t i = 0; i < total; ++i) {
    std::int32_t number = 0, size = 0;
    std::span<const std::uint8_t> jpeg;
    if (!in.skip(3) || !in.readInt32(number) || !in.readInt32(size) ||
        !in.take(static_cast<std::size_t>(size), jpeg))
      break;
    if (setjmp(errors.jump) == 0) {
      jpeg_mem_src(&cinfo, jpeg.data(), static_cast<unsigned long>(jpeg.size()));
      if (jpeg_read_header(&cinfo, TRUE) == JPEG_HEADER_OK) good = good + 1;
    }
    jpeg_abort_decompress(&cinfo);
  }
  jpeg_destroy_decompress(&cinfo);
  return good;
}

std::size_t FilePhaseFloor(const fs::path& file, bool hasNamesBlock) {
  const FileBytes bytes = ReadFileFloor(file);
  std::unique_ptr<std::uint8_t[]> payload;
  return InflateZlibFloor(FindBlock(bytes.bytes(), hasNamesBlock), payload);
}

std::size_t GameStartFloor(const fs::path& packageFolder) {
  std::size_t total = FilePhaseFloor(packageFolder / PackageFileName(kDataKind, 0), true);
  total += FilePhaseFloor(packageFolder / PackageFileName(kTextsKind, 1), false);
  const FileBytes pictures = ReadFileFloor(packageFolder / PackageFileName(kPicturesKind, 1));
  std::unique_ptr<std::uint8_t[]> payload;
  const std::size_t size = InflateZlibFloor(FindBlock(pictures.bytes(), false), payload);
  total += size + static_cast<std::size_t>(CheckPictureHeaders({payload.get(), size}));
  return total;
}

}  // namespace zrx::bench
