#include "dictionary/dictionary.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "base/byteio.h"
#include "base/regularfile.h"
#include "base/warningsink.h"
#include "dictionary/dawgvalidator.h"
#include "dictionary/dicformat.h"

namespace glyph
{

namespace
{

using namespace dicformat;

constexpr char kDefaultAuthor[] = "Glyphmosaic";
// The child index has 25 bits, so no array can hold more entries than this.
constexpr std::uint64_t kMaxNodeCount = std::uint64_t{1} << 25;
// The walk's word buffer: the deepest sound path plus the terminator.
constexpr std::size_t kWalkBufferSize = DawgValidator::kMaxDepth + 1;

// A header holding the defaults that a short file keeps for the bytes it lacks.
void fillDefaultHeader(unsigned char* header)
{
    std::memset(header, 0, kHeaderSize);
    std::memcpy(header, kSignature, sizeof kSignature);
    std::memcpy(header + kAuthorOffset, kDefaultAuthor, sizeof kDefaultAuthor);
}

// The letter's character code, for comparison with a character taken as signed and widened.
std::uint32_t letterCode(DawgNode node)
{
    return static_cast<std::uint32_t>(letter(node));
}

std::uint32_t characterCode(char c)
{
    return static_cast<std::uint32_t>(static_cast<std::int32_t>(static_cast<signed char>(c)));
}

// Depth-first walk of a sound array, without recursion: `parents` holds the entry that led to
// each level. The word is built in one buffer for the whole walk.
void walkWords(const DawgNode* nodes, Dictionary::WordCallback callback, void* context)
{
    char word[kWalkBufferSize];
    std::uint32_t parents[kWalkBufferSize];
    std::size_t depth = 0;
    std::uint32_t index = dicformat::kFirstLetterListIndex;
    for (;;) {
        const DawgNode node = nodes[index];
        word[depth] = letter(node);
        if (isEndOfWord(node) && callback != nullptr) {
            word[depth + 1] = '\0';
            callback(word, context);
        }
        if (childIndex(node) != 0) {
            parents[depth++] = index;
            index = childIndex(node);
            continue;
        }
        while (isLast(nodes[index])) {
            if (depth == 0)
                return;
            index = parents[--depth];
        }
        ++index;
    }
}

} // namespace

Dictionary::Dictionary(WarningSink& warnings) : m_warnings(warnings) {}

Dictionary::~Dictionary() = default;

bool Dictionary::load(const std::string& path, bool force)
{
    if (!force && !m_fileName.empty() && path == m_fileName)
        return true;
    // Only a regular file is a dictionary: a folder, FIFO or device is refused unread.
    RegularFile file(path);
    if (file.status() != RegularFile::Status::Read) {
        showWarning(m_warnings, "Can't open %s for reading", path.c_str());
        return false;
    }
    unsigned char header[kHeaderSize];
    fillDefaultHeader(header);
    const std::uint64_t headerBytes = std::min<std::uint64_t>(file.size(), kHeaderSize);
    const bool headerComplete = file.read(header, headerBytes) && headerBytes == kHeaderSize;
    if (std::memcmp(header, kSignature, kSignatureSize) != 0) {
        showWarning(m_warnings, "Invalid %s file", path.c_str());
        return false;
    }
    if (!headerComplete || !readNodes(file, header)) {
        clear();
        showWarning(m_warnings, "Corrupted data in %s file", path.c_str());
        return false;
    }
    m_fileName = path;
    return true;
}

bool Dictionary::readNodes(RegularFile& file, const unsigned char* header)
{
    const auto* authorField = reinterpret_cast<const char*>(header + kAuthorOffset);
    const std::uint32_t wordCount = byteio::getUint32(header + kWordCountOffset);
    const std::uint32_t nodeCount = byteio::getUint32(header + kNodeCountOffset);
    const std::uint32_t dataSize = byteio::getUint32(header + kDataSizeOffset);
    if (nodeCount > kMaxNodeCount || dataSize > std::uint64_t{nodeCount} * kNodeSize)
        return false;
    // Refuse a count that the file cannot hold before allocating for it.
    if (file.size() - kHeaderSize < dataSize)
        return false;

    // Only the bytes that the data does not cover need clearing.
    auto nodes = std::make_unique_for_overwrite<DawgNode[]>(nodeCount);
    std::memset(reinterpret_cast<char*>(nodes.get()) + dataSize, 0,
                std::size_t{nodeCount} * kNodeSize - dataSize);
    if (!file.read(nodes.get(), dataSize))
        return false;
    if constexpr (std::endian::native == std::endian::big) {
        for (std::uint32_t i = 0; i < nodeCount; ++i)
            nodes[i] = byteio::getUint32(reinterpret_cast<const unsigned char*>(&nodes[i]));
    }
    if (!DawgValidator::isSound(nodes.get(), nodeCount))
        return false;

    m_author.assign(authorField, strnlen(authorField, kAuthorFieldSize));
    m_wordCount = wordCount;
    m_nodeCount = nodeCount;
    m_nodes = std::move(nodes);
    ++m_generation;
    return true;
}

void Dictionary::copyFrom(const Dictionary& other)
{
    if (&other == this)
        return;
    m_fileName = other.m_fileName;
    m_author = other.m_author;
    m_wordCount = other.m_wordCount;
    m_nodeCount = other.m_nodeCount;
    m_nodes.reset();
    if (other.m_nodes != nullptr) {
        m_nodes = std::make_unique<DawgNode[]>(m_nodeCount);
        std::copy(other.m_nodes.get(), other.m_nodes.get() + m_nodeCount, m_nodes.get());
    }
    ++m_generation;
}

void Dictionary::clear()
{
    m_fileName.clear();
    m_author = kDefaultAuthor;
    m_wordCount = 0;
    m_nodeCount = 0;
    m_nodes.reset();
    ++m_generation;
}

bool Dictionary::contains(const char* word) const
{
    if (!m_nodes || word == nullptr || *word == '\0')
        return false;
    std::uint32_t index = dicformat::kFirstLetterListIndex;
    for (;;) {
        const std::uint32_t sought = characterCode(*word);
        DawgNode node = m_nodes[index];
        while (letterCode(node) < sought && !isLast(node))
            node = m_nodes[++index];
        if (letterCode(node) != sought)
            return false;
        if (*++word == '\0')
            return isEndOfWord(node);
        index = childIndex(node);
        if (index == 0)
            return false;
    }
}

void Dictionary::forEachWord(WordCallback callback, void* context) const
{
    if (!m_nodes)
        return;
    walkWords(m_nodes.get(), callback, context);
}

} // namespace glyph
