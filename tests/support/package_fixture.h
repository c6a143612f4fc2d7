#pragma once
// Small books and packages built in code, written with the package writer.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "container_format.h"
#include "package_writer.h"
#include "picture.h"

namespace zrx::test {

// A small valid JPEG of one colour.
Picture MakeTestPicture(int width = 8, int height = 8, std::uint8_t shade = 128);

// A JPEG whose RGB rows (width * 3 bytes) `fillRow` writes, top to bottom.
using RowFiller = std::function<void(int y, std::vector<unsigned char>& row)>;
Picture EncodeTestPicture(int width, int height, const RowFiller& fillRow, int quality = 75);

// Book `number` with chapter points -1..lastChapter (so ChapterCount = lastChapter + 2),
// a text of a few lines per chapter, the given pictures and a cover; its record
// says so consistently (LastChapter = ChapterCount - 2).
PackageBook MakeBook(int number, int lastChapter = 3, int chapterPictures = 2, int decorPictures = 1);

// A package of `bookCount` such books and a few records of every other kind.
PackageContent MakePackage(const std::string& name = kSourcePackage, int bookCount = 1);

// A chapter point with continuations and nothing else.
TChapterRec PlainChapter(int number, const std::string& next);

// A package "Source" with one book of the given chapter points (-1 .. chapters.size() - 2),
// each with a two-line text "Fejezet <n>" / "Szöveg.".
PackageContent StoryPackage(const std::vector<TChapterRec>& chapters, const std::string& title = "Kis kaland");

// Writes the package into <programFolder>/<folderName> (the package's own name by default).
void WriteTestPackage(const std::filesystem::path& programFolder, const PackageContent& content,
                      const std::string& folderName = "");

std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& file);
void WriteBytes(const std::filesystem::path& file, const std::vector<std::uint8_t>& bytes);

// A container file taken apart: the decoded header fields, the coded names
// block as it stands, and the inflated payload. BuildContainer puts it back.
ContainerParts ReadContainer(const std::filesystem::path& file, bool hasNamesBlock);

// Offset of the coded compressed size in a container whose names block has `nameEntries` entries
// (-1: no names block). The uncompressed size follows 127 bytes later.
std::size_t BlockSizesOffset(int nameEntries);

}  // namespace zrx::test
