#pragma once
// Reading source packages: finding package folders, opening and checking their
// coded container files, and loading a book into the stores, texts and pictures.
// Every operation returns the package format's integer results: 0 or a count on
// success, a negative code for each failure.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "byte_buffer.h"
#include "byte_io.h"
#include "file_access.h"
#include "picture.h"
#include "picture_load.h"
#include "record_codec.h"
#include "record_store.h"

namespace zrx {

class JpegDecoder;

// Exactly six characters, none of them a folder separator.
bool IsPackageName(std::string_view name);

// A package folder: a real folder (not a link) directly in the program's folder with a package name.
bool IsPackageFolder(const std::filesystem::path& programFolder, std::string_view name);

// The folders beside the program that may be packages, in name order.
std::vector<std::string> FindPackageFolders(const std::filesystem::path& programFolder);

// Removes the read-only mark of a file; false when it cannot.
using ReadOnlyMarkRemover = std::function<bool(const std::filesystem::path&)>;

// Reads a package file of at most `maxBytes` bytes whole; false when it cannot. The
// program reads the file system (ReadPackageFile); the fuzz targets serve bytes from memory.
using PackageFileReader = std::function<bool(const std::filesystem::path&, std::uintmax_t maxBytes, ByteBuffer& out)>;
bool ReadPackageFile(const std::filesystem::path& path, std::uintmax_t maxBytes, ByteBuffer& out);

class SourceCoding {
 public:
  explicit SourceCoding(std::filesystem::path programFolder,
                        ReadOnlyMarkRemover removeReadOnlyMark = RemoveReadOnlyMark,
                        PackageFileReader readFile = ReadPackageFile);

  // Opens "<package>/<kind><number>.zrx", reads it whole and checks its container header.
  // Item count (0..255), or -1 header mismatch, -2 read failure, -10 read-only, -11 missing.
  int OpenPackageFile(std::string_view kind, int number, std::string_view package);

  // Inflates the compressed block at the current position of the open file:
  // 0, 1 sizes or bytes unreadable or the payload above `maxPayload`, 2 inflating
  // failed (see compressed_block.h).
  int UnpackBlock(std::int32_t maxPayload);

  // Checks the "Data" file of a folder: the byte at offset 7 of its package header,
  // with `bookCount` the file's item count; -100 no books or another package's
  // header, -5 header unreadable, -3 / -4 unpacking, or an OpenPackageFile result.
  int CheckPackage(std::string_view folder, int& bookCount);

  // The book table (book n at place n - 1) and the covers of a package, for the
  // new-game screen. The item count of the "Data" file, or -1 -2 -10 -11 (opening),
  // -3 -4 (unpacking), -5 records unreadable, -6 not `bookCount` usable books;
  // for the covers -111 -110 -102 -101 (opening), -7 -8 (unpacking), -12 count
  // mismatch, -5 an entry unreadable or not a JPEG.
  int LoadBookList(std::string_view package, int bookCount, std::vector<TBookRec>& books,
                   std::vector<Picture>& covers);

  // Fills the seven stores; the chapter store with book `bookNumber`'s chapter points only.
  // The item count, or -1 -2 -10 -11, -3 -4, -5 books, -6 opponents, -7 items,
  // -8 information, -9 characteristics, -12 magic and skills, -13 a chapter record,
  // -14 a chapter block, -15 the chosen book has no chapter block to load.
  int LoadGameData(std::string_view package, int bookNumber, BookStores& stores);

  // Fills `texts` with `chapterCount` line lists (index -1 is the last list).
  // The item count, or -1 -2 -10 -11, -3 -4, -6 count mismatch, -5 an entry unreadable.
  int LoadChapterTexts(std::string_view package, int bookNumber, int chapterCount,
                       std::vector<std::vector<std::string>>& texts);

  // The chapter pictures and then the decorative pictures of a book, kept as JPEG bytes.
  // The item count, or -1 -2 -10 -11, -3 -4, -6 counts differ from the book's,
  // -5 an entry unreadable or not a JPEG.
  int LoadChapterPictures(std::string_view package, int bookNumber, int decorCount,
                          int chapterPictureCount, std::vector<Picture>& chapterPictures,
                          std::vector<Picture>& decorPictures);
  // The same load with the file opened and checked at once (a failure there is the load's
  // result at once), and its block inflated and read by a worker thread.
  std::shared_ptr<PictureLoad> StartChapterPictures(std::string_view package, int bookNumber, int decorCount,
                                                    int chapterPictureCount);

  // Size in bytes of "Source/Data0.zrx" when it was last opened.
  std::uintmax_t sourceDataFileSize() const { return sourceDataFileSize_; }

  const std::filesystem::path& programFolder() const { return programFolder_; }

  // The file opened last by OpenPackageFile, whole and still coded.
  std::span<const std::uint8_t> fileBytes() const { return file_; }

 private:
  // Frees the file and the payload when a loader returns, on every path.
  struct BufferRelease {
    SourceCoding& owner;
    ~BufferRelease() { owner.releaseBuffers(); }
  };
  void releaseBuffers();

  // Opens the "Data" file of a package, skips the names block of "Source" and
  // unpacks; the item count, the OpenPackageFile result, or -3 / -4.
  int openDataPayload(std::string_view package);
  // Reads the 3 + 129 + 3 bytes in front of the record groups.
  bool readPackageHeader(PackageHeader& header);
  int readRecordGroups(const PackageHeader& header, BookStores& stores);
  int readChapterBlocks(const PackageHeader& header, int bookNumber, BookStores& stores);
  int readCovers(int bookCount, int itemCount, std::vector<Picture>& covers);
  // The block of an opened pictures file: `itemCount`, or -3 / -4 unpacking, -6, -5. The
  // file is let go as soon as it is inflated. Touches no member: a worker runs it.
  static int readPicturesFile(ByteBuffer file, int itemCount, int decorCount, int chapterPictureCount,
                              std::vector<Picture>& chapterPictures, std::vector<Picture>& decorPictures);
  // One picture entry of `block`: 3 filler bytes, a number, a size and the JPEG bytes,
  // whose header `decoder` checks.
  static bool readPictureEntry(ByteReader& in, const ByteBuffer& block, JpegDecoder& decoder,
                               std::int32_t& number, Picture& picture);

  std::filesystem::path programFolder_;
  ReadOnlyMarkRemover removeReadOnlyMark_;
  PackageFileReader readFile_;
  ByteBuffer file_;     // the open file, whole
  ByteReader fileReader_;
  ByteBuffer payload_;  // the inflated block; pictures are views into it
  ByteReader payloadReader_;
  std::uintmax_t sourceDataFileSize_ = 0;
};

}  // namespace zrx
