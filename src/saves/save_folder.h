#pragma once
// The save folder "Save" in the program's folder: reading and writing its coded
// text files (the index "Save.zrx" and the game files "<name>.zrm").
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "filler_source.h"
#include "source_coding.h"

namespace zrx {

inline constexpr std::string_view kSaveFolderName = "Save";
inline constexpr std::string_view kIndexName = "Save";
inline constexpr std::string_view kIndexExtension = "zrx";
inline constexpr std::string_view kGameExtension = "zrm";

// Reads a save file of at most `maxBytes` bytes whole; false when it cannot. The program
// reads the file system (ReadSaveFile); the fuzz targets serve bytes from memory.
using SaveFileReader =
    std::function<bool(const std::filesystem::path&, std::uintmax_t maxBytes, std::vector<std::uint8_t>& out)>;
bool ReadSaveFile(const std::filesystem::path& path, std::uintmax_t maxBytes, std::vector<std::uint8_t>& out);

class SaveFolder {
 public:
  // `filler` gives the container's random bytes; `removeReadOnlyMark` clears the mark
  // of a read-only file before it is read.
  explicit SaveFolder(const std::filesystem::path& programFolder,
                      FillerSource filler = RandomFillerSource(),
                      ReadOnlyMarkRemover removeReadOnlyMark = RemoveReadOnlyMark,
                      SaveFileReader readFile = ReadSaveFile);

  const std::filesystem::path& folder() const { return folder_; }
  std::filesystem::path filePath(std::string_view name, std::string_view extension) const;
  bool folderExists() const;
  bool indexExists() const;

  // Replaces the file atomically with the coded lines. 0; -1 when a line cannot be
  // written in Windows-1250; -2 when writing or replacing the file failed.
  int Write(const std::vector<std::string>& lines, std::string_view name,
            std::string_view extension) const;

  // Reads the file's lines. 0; -11 missing; -10 read-only mark not removable;
  // -2 reading failed; -3 sizes or compressed bytes unreadable; -4 inflating failed.
  int Read(std::vector<std::string>& lines, std::string_view name,
           std::string_view extension) const;

  // The file's coded bytes as they lie on disk, and writing such bytes back in its place
  // (atomically); false when that fails.
  bool ReadBytes(std::string_view name, std::string_view extension, std::vector<std::uint8_t>& bytes) const;
  bool WriteBytes(const std::vector<std::uint8_t>& bytes, std::string_view name,
                  std::string_view extension) const;

  // Removes the temporary files ("*.tmp") that an interrupted write left in the folder.
  void RemoveStaleTemporaries() const;

  // Deletes the file if it is there; false when it stays.
  bool Remove(std::string_view name, std::string_view extension) const;

 private:
  std::filesystem::path folder_;
  FillerSource filler_;
  ReadOnlyMarkRemover removeReadOnlyMark_;
  SaveFileReader readFile_;
};

}  // namespace zrx
