#include "hostile_file_makers.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <zlib.h>

#include <array>
#include <stdexcept>
#include <string>

#include "container_format.h"
#include "key_coding.h"
#include "package_fixture.h"

namespace zrx::test {

namespace {

void deflateSome(z_stream& stream, const std::uint8_t* data, std::size_t size, int flush,
                 std::vector<std::uint8_t>& out) {
  std::array<std::uint8_t, 1 << 16> chunk{};
  stream.next_in = const_cast<Bytef*>(data);
  stream.avail_in = static_cast<uInt>(size);
  do {
    stream.next_out = chunk.data();
    stream.avail_out = chunk.size();
    if (deflate(&stream, flush) == Z_STREAM_ERROR) throw std::runtime_error("deflate failed");
    out.insert(out.end(), chunk.data(), chunk.data() + (chunk.size() - stream.avail_out));
  } while (stream.avail_out == 0);
}

long peakKiB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

}  // namespace

std::vector<std::uint8_t> DeflateRepeated(std::string_view prefix, char fill, std::size_t count) {
  z_stream stream{};
  if (deflateInit(&stream, Z_BEST_COMPRESSION) != Z_OK) throw std::runtime_error("deflateInit failed");
  std::vector<std::uint8_t> out;
  deflateSome(stream, reinterpret_cast<const std::uint8_t*>(prefix.data()), prefix.size(), Z_NO_FLUSH, out);
  const std::vector<std::uint8_t> piece(1 << 20, static_cast<std::uint8_t>(fill));
  for (std::size_t done = 0; done < count; done += piece.size()) {
    deflateSome(stream, piece.data(), std::min(piece.size(), count - done), Z_NO_FLUSH, out);
  }
  deflateSome(stream, nullptr, 0, Z_FINISH, out);
  deflateEnd(&stream);
  return out;
}

std::vector<std::uint8_t> BlockOf(const std::vector<std::uint8_t>& stream, std::int32_t declaredSize) {
  std::vector<std::uint8_t> block;
  const auto compressed = EncodeInt32(CodingKey::kShort, 0, static_cast<std::int32_t>(stream.size()));
  const auto size = EncodeInt32(CodingKey::kShort, 0, declaredSize);
  block.insert(block.end(), compressed.begin(), compressed.end());
  block.insert(block.end(), kBlockSizesGap, 0);
  block.insert(block.end(), size.begin(), size.end());
  block.insert(block.end(), stream.begin(), stream.end());
  return block;
}

void ReplacePackageBlock(const std::filesystem::path& file, std::size_t blockOffset,
                         const std::vector<std::uint8_t>& block) {
  std::vector<std::uint8_t> bytes = ReadBytes(file);
  bytes.resize(blockOffset);
  bytes.insert(bytes.end(), block.begin(), block.end());
  WriteBytes(file, bytes);
}

std::vector<std::uint8_t> SaveFileOf(const std::vector<std::uint8_t>& block) {
  std::vector<std::uint8_t> bytes(16, 0);
  bytes.insert(bytes.end(), block.begin(), block.end());
  bytes.insert(bytes.end(), 78, 0);
  return bytes;
}

MeasuredRun RunInChild(const std::function<int()>& action) {
  int channel[2];
  if (pipe(channel) != 0) throw std::runtime_error("pipe failed");
  const pid_t child = fork();
  if (child < 0) throw std::runtime_error("fork failed");
  if (child == 0) {
    close(channel[0]);
    MeasuredRun run;
    const long before = peakKiB();
    run.result = action();
    run.peakGrowthKiB = peakKiB() - before;
    const ssize_t written = write(channel[1], &run, sizeof run);
    _exit(written == static_cast<ssize_t>(sizeof run) ? 0 : 1);
  }
  close(channel[1]);
  MeasuredRun run;
  const ssize_t got = read(channel[0], &run, sizeof run);
  close(channel[0]);
  int status = 0;
  waitpid(child, &status, 0);
  if (got != static_cast<ssize_t>(sizeof run) || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
    throw std::runtime_error("the child process did not report");
  return run;
}

}  // namespace zrx::test
