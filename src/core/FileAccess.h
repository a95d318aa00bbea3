#pragma once
// Whole-file reading and writing for the data files and the analysis description.
// Failures come back as a short reason, a sentence a message box can show.
#include <cstddef>
#include <string>

namespace tally {

// Reads the whole of a regular file of at most `limit` bytes. A missing file, a
// directory, a FIFO or device (never opened for reading, so nothing blocks), a
// larger file and a read error give false with the reason.
bool readRegularFile(const std::string& path, std::size_t limit, std::string& bytes,
                     std::string& reason);

// Replaces (or creates) `path` with `bytes`: everything is written and flushed to a
// temporary file beside it, which is then renamed over it, so a failure at any
// point leaves the old file whole. A replaced file keeps its permissions; a new one
// gets read and write permission for everybody the umask allows. A `path` that is a
// symbolic link (or a chain of them) replaces the file at its end, and the link
// stays a link.
bool replaceFile(const std::string& path, const std::string& bytes, std::string& reason);

// Where a chain of symbolic links starting at `path` ends (`path` itself when it
// is no link); a link that points nowhere gives the name it points to.
std::string linkTarget(const std::string& path);

// The directory part of a path with its trailing separator; empty for a bare name.
std::string directoryPart(const std::string& path);

// The name a file is saved under: `name` with `extension` (".csv") added when its
// last part has no extension of its own (no dot after its first character), so that
// a file saved as "scores" is listed where files of that extension are. An empty
// name, or one that ends in a separator, stays as it is.
std::string withDefaultExtension(const std::string& name, const std::string& extension);

// "1 MiB", "64 MiB": a byte limit as a reason names it.
std::string mebibytes(std::size_t bytes);

}  // namespace tally
