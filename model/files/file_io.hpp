// Reading and writing whole resource files: a binary database or style file
// is loaded or saved in one call, and every output file, binary or text, is
// written so that a failure leaves the previous file as it was.
#pragma once

#include <filesystem>
#include <fstream>
#include <functional>
#include <ostream>

#include "model/codec/transcoder.hpp"

namespace trot {

// Opens `path` in binary mode and loads `object` from it, everything it
// refers to included. Throws FileException when the file cannot be opened.
void loadFromFile(Transcoder& object, const std::filesystem::path& path);

// Encodes `object` into `path`, atomically (see writeFileAtomically).
void saveToFile(Transcoder& object, const std::filesystem::path& path);

// Writes `path` through a temporary file in the same folder, which replaces
// `path` only when `write` returned normally and everything reached the disk.
// Otherwise the temporary is removed, the failure is rethrown (or reported as
// a FileException) and whatever `path` held before is left untouched.
// A symbolic link is followed and its target replaced; a replaced file keeps
// its permission bits and owner. A FIFO or device is written in place, and a
// folder or socket is refused: none of them is ever replaced.
//
// A file with several hard links is rewritten in place instead, so that
// every link shows the new content: room for it is reserved first, and a
// disk without that room leaves the old content whole on every link. Signals
// that would interrupt the rewrite wait until it is done; only what no
// program can hold off (a kill -9, a power cut) can leave it cut. Where the
// file system cannot reserve room, the file is replaced as any other, and
// the notice stream (see noticeSplitLinksOn) is told that its other links
// keep the old content.
void writeFileAtomically(const std::filesystem::path& path, const std::function<void(std::ostream&)>& write);

// Where writeFileAtomically tells of a file whose hard links it had to split;
// nowhere when null, as at the start.
void noticeSplitLinksOn(std::ostream* notices);

// While one lives, the folders that writeFileAtomically moves finished files
// into are flushed to the disk once, when the outermost one ends, instead of
// after every file: a command that writes many files into one folder pays
// for one folder flush. Every file's own content still reaches the disk
// before it replaces the old one.
class FolderFlushBatch {
 public:
  FolderFlushBatch();
  ~FolderFlushBatch();
  FolderFlushBatch(const FolderFlushBatch&) = delete;
  FolderFlushBatch& operator=(const FolderFlushBatch&) = delete;
};

}  // namespace trot
