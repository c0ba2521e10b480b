#pragma once

#include <cstdint>
#include <string>

namespace glyph
{

class WarningSink;

/// Reads a file only when it is a regular file no larger than its format allows, so that a
/// folder, a FIFO, a device or an oversize file is refused at once instead of being read
/// without end, blocking, or taken for an empty file.
class RegularFile
{
public:
    enum class Status {
        Read,
        /// The file does not exist or cannot be opened for reading.
        NotOpened,
        /// The name is a folder, FIFO, device or socket.
        NotRegular,
        /// The file holds more bytes than the limit.
        TooLarge,
        /// The system reported an error while reading.
        ReadError,
    };

    /// Opens `path` without blocking (a FIFO never waits for a writer) and checks its kind.
    explicit RegularFile(const std::string& path);
    ~RegularFile();
    RegularFile(const RegularFile&) = delete;
    RegularFile& operator=(const RegularFile&) = delete;

    /// NotOpened or NotRegular after a failed open, else Read.
    Status status() const { return m_status; }
    /// Size of the open regular file in bytes; 0 when it could not be opened.
    std::uint64_t size() const { return m_size; }
    /// Reads exactly `count` bytes from the current position; false at a short read or an error.
    bool read(void* buffer, std::uint64_t count);
    /// Reads the whole file into `bytes` when it is at most `maxBytes` long (the length is
    /// checked again while reading, in case the file grows); the status of the attempt.
    Status readAll(std::uint64_t maxBytes, std::string& bytes);

    /// One line saying why `path` was not read, for the given failure status, in the language
    /// of `language` (English without one, as the tools print it).
    static std::string describe(Status status, const std::string& path, WarningSink* language = nullptr);
    /// Reads the regular file at `path` whole into `bytes`, refusing one above `maxBytes`.
    static Status readFile(const std::string& path, std::uint64_t maxBytes, std::string& bytes);

private:
    int m_descriptor = -1;
    std::uint64_t m_size = 0;
    Status m_status = Status::NotOpened;
};

} // namespace glyph
