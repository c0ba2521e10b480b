#include "base/regularfile.h"

#include "base/warningsink.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace glyph
{

namespace
{

constexpr std::uint64_t kChunk = 1 << 16;

} // namespace

RegularFile::RegularFile(const std::string& path)
{
    // O_NONBLOCK keeps open() from waiting for the writer of a FIFO; it changes nothing for
    // a regular file, which is all that is read here.
    m_descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (m_descriptor < 0)
        return;
    struct stat info {
    };
    if (::fstat(m_descriptor, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(m_descriptor);
        m_descriptor = -1;
        m_status = Status::NotRegular;
        return;
    }
    m_size = static_cast<std::uint64_t>(info.st_size);
    m_status = Status::Read;
}

RegularFile::~RegularFile()
{
    if (m_descriptor >= 0)
        ::close(m_descriptor);
}

bool RegularFile::read(void* buffer, std::uint64_t count)
{
    if (m_descriptor < 0)
        return false;
    auto* at = static_cast<char*>(buffer);
    while (count > 0) {
        const ssize_t got = ::read(m_descriptor, at, static_cast<std::size_t>(std::min(count, kChunk)));
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return false;
        at += got;
        count -= static_cast<std::uint64_t>(got);
    }
    return true;
}

RegularFile::Status RegularFile::readAll(std::uint64_t maxBytes, std::string& bytes)
{
    bytes.clear();
    if (m_status != Status::Read)
        return m_status;
    if (m_size > maxBytes)
        return Status::TooLarge;
    bytes.reserve(static_cast<std::size_t>(m_size));
    char chunk[kChunk];
    for (;;) {
        const ssize_t got = ::read(m_descriptor, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return Status::ReadError;
        if (got == 0)
            return Status::Read;
        if (bytes.size() + static_cast<std::uint64_t>(got) > maxBytes)
            return Status::TooLarge;
        bytes.append(chunk, static_cast<std::size_t>(got));
    }
}

std::string RegularFile::describe(Status status, const std::string& path, WarningSink* language)
{
    switch (status) {
    case Status::Read:
        return {};
    case Status::NotOpened:
        return translatedText(language, "cannot open %s", path.c_str());
    case Status::NotRegular:
        return translatedText(language, "%s is not a regular file", path.c_str());
    case Status::TooLarge:
        return translatedText(language, "%s is too large", path.c_str());
    case Status::ReadError:
        break;
    }
    return translatedText(language, "cannot read %s", path.c_str());
}

RegularFile::Status RegularFile::readFile(const std::string& path, std::uint64_t maxBytes, std::string& bytes)
{
    RegularFile file(path);
    return file.readAll(maxBytes, bytes);
}

} // namespace glyph
