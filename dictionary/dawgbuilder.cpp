#include "dictionary/dawgbuilder.h"

#include <algorithm>
#include <bit>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "base/atomicfile.h"
#include "base/byteio.h"
#include "base/letters.h"
#include "base/regularfile.h"
#include "base/textscan.h"
#include "dictionary/dicformat.h"
#include "dictionary/dictionary.h"

namespace glyph
{

namespace
{

using namespace dicformat;

constexpr int kPercent = 100;

bool isAsciiLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isUpperWord(std::string_view word)
{
    return std::all_of(word.begin(), word.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
}

// Calls back with each line of the text, without its line feed.
template <typename Visit> void forEachLine(std::string_view text, Visit visit)
{
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        visit(text.substr(0, end));
        if (end == std::string_view::npos)
            return;
        text.remove_prefix(end + 1);
    }
}

// Copies the normalised word of a line into `out` (room for `capacity` letters) and returns
// its full length, which may exceed the room; only then is `out` incomplete.
std::size_t wordOfLine(std::string_view line, char* out, std::size_t capacity)
{
    std::size_t length = 0;
    while (length < line.size() && isAsciiLetter(line[length])) {
        if (length < capacity)
            out[length] = letters::upperCase(line[length]);
        ++length;
    }
    return length;
}

bool readWholeFile(const std::string& path, std::string& contents)
{
    return RegularFile::readFile(path, DawgBuilder::kMaxWordListBytes, contents) == RegularFile::Status::Read;
}

void putUint32(std::string& bytes, std::size_t offset, std::uint32_t value)
{
    byteio::putUint32(reinterpret_cast<std::uint8_t*>(bytes.data()) + offset, value);
}

bool sameList(const TrieNode* a, const TrieNode* b)
{
    for (; a != nullptr && b != nullptr; a = a->next, b = b->next) {
        if (a->letter != b->letter || a->child != b->child ||
            ((a->flags ^ b->flags) & TrieNode::kEndOfWord) != 0)
            return false;
    }
    return a == b;
}

// A signature of a list whose child lists are already shared: letters, flags, child identity.
std::uint32_t listSignature(const TrieNode* head)
{
    std::uint64_t hash = 0x9E3779B97F4A7C15ull;
    for (const TrieNode* n = head; n != nullptr; n = n->next) {
        const std::uint64_t value = reinterpret_cast<std::uintptr_t>(n->child) * 64 +
                                    static_cast<std::uint64_t>(n->letter) * 2 +
                                    (n->flags & TrieNode::kEndOfWord);
        hash = (hash ^ value) * 0xFF51AFD7ED558CCDull;
        hash ^= hash >> 32;
    }
    return static_cast<std::uint32_t>(hash);
}

// Open-addressing set of the lists kept so far, found by signature and compared whole.
class ListTable
{
public:
    explicit ListTable(std::size_t lists)
        : m_slots(std::bit_ceil(std::max<std::size_t>(2 * lists, 16)), nullptr), m_mask(m_slots.size() - 1)
    {
    }

    // The kept list equal to `head`, or `head` itself when it is the first of its kind.
    TrieNode* keep(TrieNode* head)
    {
        head->hash = listSignature(head);
        for (std::size_t slot = head->hash & m_mask;; slot = (slot + 1) & m_mask) {
            TrieNode* kept = m_slots[slot];
            if (kept == nullptr) {
                m_slots[slot] = head;
                return head;
            }
            if (kept->hash == head->hash && sameList(kept, head))
                return kept;
        }
    }

private:
    std::vector<TrieNode*> m_slots;
    std::size_t m_mask;
};

} // namespace

DawgBuilder::DawgBuilder(std::size_t poolBlocks) : m_pool(poolBlocks) {}

std::size_t DawgBuilder::normalizeWord(char* word)
{
    std::size_t length = 0;
    while (isAsciiLetter(word[length])) {
        word[length] = letters::upperCase(word[length]);
        ++length;
    }
    word[length] = '\0';
    return length;
}

std::string DawgBuilder::normalizedWord(std::string_view line)
{
    std::string word(line.size(), '\0');
    word.resize(wordOfLine(line, word.data(), word.size()));
    return word;
}

std::string DawgBuilder::status() const
{
    std::lock_guard lock(m_statusMutex);
    return m_status;
}

void DawgBuilder::setStatus(const std::string& text)
{
    {
        std::lock_guard lock(m_statusMutex);
        m_status = text;
    }
    if (m_listener)
        m_listener(text);
}

void DawgBuilder::startRun()
{
    // The stop request is not cleared here: a run starts on the worker thread, and a stop
    // asked for before it got there must still hold.
    endRun();
    m_failure.store(Failure::None);
    m_listLeftUnsorted.store(false, std::memory_order_relaxed);
    m_currentHeight.store(0, std::memory_order_relaxed);
    m_currentLetter.store('*', std::memory_order_relaxed);
    m_wordsInserted.store(0, std::memory_order_relaxed);
    m_nodesNow.store(0, std::memory_order_relaxed);
    m_nodesCreated.store(0, std::memory_order_relaxed);
    m_linesLeftOut.store(0, std::memory_order_relaxed);
}

bool DawgBuilder::createRoot()
{
    m_root = m_pool.create('A');
    if (m_root == nullptr)
        return false;
    m_nodesCreated.store(1, std::memory_order_relaxed);
    m_nodesNow.store(1, std::memory_order_relaxed);
    setStatus("Create DAWG...");
    return true;
}

void DawgBuilder::endRun()
{
    m_pool.reset();
    m_root = nullptr;
    m_previousWord.clear();
    for (Bucket& bucket : m_firstLetterBuckets)
        Bucket().swap(bucket);
    for (auto& row : m_heightBuckets)
        for (Bucket& bucket : row)
            Bucket().swap(bucket);
}

bool DawgBuilder::writesOverSource() const
{
    std::error_code error;
    return std::filesystem::equivalent(m_sourcePath, m_destinationPath, error);
}

bool DawgBuilder::fail(Failure failure)
{
    m_failure.store(failure);
    endRun();
    return false;
}

bool DawgBuilder::compactAndWrite()
{
    if (!compact())
        return fail(Failure::Stopped);
    if (!writeDictionary())
        return fail(Failure::UnwritableDestination);
    endRun();
    return true;
}

bool DawgBuilder::buildFromWordList()
{
    startRun();
    if (writesOverSource())
        return fail(Failure::DestinationIsSource);
    if (abortRequested())
        return fail(Failure::Stopped);
    setStatus("Checking for already sorted list...");
    std::string bytes;
    if (!readWholeFile(m_sourcePath, bytes))
        return fail(Failure::UnreadableSource);
    const std::string_view text = textscan::withoutByteOrderMark(bytes);
    const std::string_view mark = std::string_view(bytes).substr(0, bytes.size() - text.size());
    std::vector<std::string_view> lines;
    std::vector<std::size_t> wordLines;
    std::vector<std::string> words;
    readWordList(text, lines, wordLines, words);
    // A list that cannot be rewritten (a read-only file or folder) is still built, from its
    // words sorted here; the caller tells the user that the list stays out of order.
    if (!std::is_sorted(words.begin(), words.end()) && !sortWordList(mark, lines, wordLines, words))
        m_listLeftUnsorted.store(true, std::memory_order_relaxed);
    if (!createRoot())
        return fail(Failure::FullPool);
    for (const std::string& word : words)
        if (!insert(word))
            return fail(Failure::FullPool);
    return compactAndWrite();
}

void DawgBuilder::readWordList(std::string_view text, std::vector<std::string_view>& lines,
                               std::vector<std::size_t>& wordLines, std::vector<std::string>& words)
{
    forEachLine(text, [&](std::string_view line) {
        lines.push_back(line);
        const std::string word = listWord(line);
        if (!word.empty()) {
            wordLines.push_back(lines.size() - 1);
            words.push_back(word);
        } else if (!trimmedLine(line).empty()) {
            m_linesLeftOut.store(m_linesLeftOut.load(std::memory_order_relaxed) + 1,
                                 std::memory_order_relaxed);
        }
    });
}

std::string_view DawgBuilder::trimmedLine(std::string_view line)
{
    constexpr std::string_view kBlanks = " \t\r\b";
    const std::size_t first = line.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return {};
    return line.substr(first, line.find_last_not_of(kBlanks) + 1 - first);
}

std::string DawgBuilder::listWord(std::string_view line)
{
    const std::string_view word = trimmedLine(line);
    if (word.size() >= kMaxWordLength || !std::all_of(word.begin(), word.end(), isAsciiLetter))
        return {};
    std::string upperWord(word);
    std::transform(upperWord.begin(), upperWord.end(), upperWord.begin(), letters::upperCase);
    return upperWord;
}

bool DawgBuilder::sortWordList(std::string_view mark, const std::vector<std::string_view>& lines,
                               const std::vector<std::size_t>& wordLines, std::vector<std::string>& words)
{
    setStatus("Lexical sort...");
    // The word lines trade places in order of their words; every other line stays where it is,
    // so that the file keeps all it had and the next build finds it sorted.
    std::vector<std::size_t> order(words.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return words[a] < words[b]; });
    std::vector<std::string_view> sortedLines(lines);
    std::vector<std::string> sortedWords;
    sortedWords.reserve(words.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        sortedLines[wordLines[i]] = lines[wordLines[order[i]]];
        sortedWords.push_back(std::move(words[order[i]]));
    }
    words = std::move(sortedWords);
    std::string text(mark);
    for (const std::string_view line : sortedLines) {
        text += line;
        text += '\n';
    }
    return writeFileAtomically(m_sourcePath, text) == WriteResult::Written;
}

namespace
{

// Feeds the words of a dictionary walk, merged with extra sorted words, to the builder.
struct MergeWalk {
    DawgBuilder* builder;
    const std::vector<std::string>* extra;
    const std::vector<std::string>* doomed;
    std::size_t nextExtra;
    bool (*insert)(DawgBuilder*, std::string_view);
    bool ok;

    void insertExtraBefore(std::string_view word)
    {
        for (; nextExtra < extra->size() && (*extra)[nextExtra] < word; ++nextExtra)
            ok = ok && insert(builder, (*extra)[nextExtra]);
    }

    static void visit(const char* text, void* context)
    {
        auto* self = static_cast<MergeWalk*>(context);
        const std::string_view word(text);
        self->insertExtraBefore(word);
        if (std::binary_search(self->doomed->begin(), self->doomed->end(), word))
            return;
        self->ok = self->ok && self->insert(self->builder, word);
    }
};

} // namespace

bool DawgBuilder::addWords(const Dictionary& dictionary, const std::vector<std::string>& newWords)
{
    std::vector<std::string> words;
    for (const std::string& word : newWords) {
        if (!word.empty() && word.size() < kMaxWordLength && isUpperWord(word))
            words.push_back(word);
    }
    std::sort(words.begin(), words.end());
    return rebuild(dictionary, words, {});
}

bool DawgBuilder::deleteWords(const Dictionary& dictionary, const std::vector<std::string>& doomedWords)
{
    std::vector<std::string> deleteList(doomedWords);
    std::sort(deleteList.begin(), deleteList.end());
    return rebuild(dictionary, {}, deleteList);
}

bool DawgBuilder::rebuild(const Dictionary& dictionary, const std::vector<std::string>& extra,
                          const std::vector<std::string>& doomed)
{
    startRun();
    if (abortRequested())
        return fail(Failure::Stopped);
    bool ok = createRoot();
    if (ok) {
        MergeWalk walk{this,
                       &extra,
                       &doomed,
                       0,
                       [](DawgBuilder* builder, std::string_view word) { return builder->insert(word); },
                       true};
        // The walk runs whatever the header's word count says: the count is for information
        // only, and a dictionary whose count is 0 may still hold words.
        dictionary.forEachWord(&MergeWalk::visit, &walk);
        walk.insertExtraBefore(std::string_view("\x7F"));
        ok = walk.ok;
    }
    return ok ? compactAndWrite() : fail(Failure::FullPool);
}

TrieNode* DawgBuilder::newNode(char letter)
{
    TrieNode* node = m_pool.create(letter);
    if (node != nullptr)
        m_nodesCreated.store(m_nodesCreated.load(std::memory_order_relaxed) + 1, std::memory_order_relaxed);
    return node;
}

bool DawgBuilder::insert(std::string_view word)
{
    // Words come sorted, so a word given twice (a list with duplicates, a word added that the
    // dictionary holds) follows itself: it is in already and counts once.
    if (word == m_previousWord)
        return true;
    std::size_t prefix = 0;
    const std::size_t common = std::min(word.size(), m_previousWord.size());
    while (prefix < common && word[prefix] == m_previousWord[prefix])
        ++prefix;
    for (std::size_t depth = prefix; depth < word.size(); ++depth) {
        TrieNode* parent = depth == 0 ? nullptr : m_path[depth - 1];
        TrieNode* head = depth == 0 ? m_root : parent->child;
        TrieNode* node = nullptr;
        if (head == nullptr) {
            node = newNode(word[depth]);
            if (node != nullptr)
                parent->child = node;
        } else {
            // After a sorted predecessor the scan may start at its node instead of the head.
            const bool afterPrevious =
                depth == prefix && depth < m_previousWord.size() && word[depth] > m_previousWord[depth];
            node = findOrAdd(afterPrevious ? m_path[depth] : head, parent, word[depth]);
        }
        if (node == nullptr)
            return false;
        m_path[depth] = node;
    }
    m_path[word.size() - 1]->flags |= TrieNode::kEndOfWord;
    m_previousWord.assign(word);
    m_wordsInserted.store(m_wordsInserted.load(std::memory_order_relaxed) + 1, std::memory_order_relaxed);
    return true;
}

TrieNode* DawgBuilder::findOrAdd(TrieNode* start, TrieNode* parent, char letter)
{
    TrieNode* node = start;
    TrieNode* previous = nullptr;
    while (node->letter < letter && node->next != nullptr) {
        previous = node;
        node = node->next;
    }
    if (node->letter == letter)
        return node;
    TrieNode* created = newNode(letter);
    if (created == nullptr)
        return nullptr;
    if (node->letter < letter) {
        node->next = created;
    } else if (previous != nullptr) {
        previous->next = created;
        created->next = node;
    } else {
        // A letter smaller than every letter of a child list becomes its new first node; the
        // first-letter list begins with A and never needs this.
        created->next = node;
        parent->child = created;
    }
    return created;
}

bool DawgBuilder::compact()
{
    setStatus("Compute depth...");
    measureList(m_root, nullptr);
    sortIntoHeightBuckets();
    std::size_t lists = 0;
    for (const auto& row : m_heightBuckets)
        for (const Bucket& bucket : row)
            lists += bucket.size();
    ListTable table(lists);
    m_nodesNow.store(m_nodesCreated.load(std::memory_order_relaxed), std::memory_order_relaxed);
    // Heights from kMaxWordLength on hold only long words kept from a loaded dictionary.
    std::size_t heights = kMaxWordLength;
    for (std::size_t height = kMaxWordLength; height < kHeights; ++height)
        for (const Bucket& bucket : m_heightBuckets[height])
            heights = bucket.empty() ? heights : height + 1;
    for (std::size_t height = 0; height < heights; ++height) {
        m_currentHeight.store(static_cast<int>(std::min(height, kMaxWordLength - 1)),
                              std::memory_order_relaxed);
        // Heights past those of new words occur only for long words kept from a dictionary.
        const std::size_t shown = std::min(height * kPercent / kMaxWordLength, std::size_t{kPercent - 1});
        setStatus("Compacting(" + std::to_string(shown) + "%)...");
        if (abortRequested())
            return false;
        for (std::size_t letter = 0; letter < kLetters; ++letter) {
            m_currentLetter.store(static_cast<char>('A' + letter), std::memory_order_relaxed);
            Bucket& bucket = m_heightBuckets[height][letter];
            for (TrieNode* head : bucket) {
                if (abortRequested())
                    return false;
                TrieNode* kept = table.keep(head);
                if (kept != head) {
                    head->parent->child = kept;
                    m_nodesNow.store(m_nodesNow.load(std::memory_order_relaxed) - 1,
                                     std::memory_order_relaxed);
                }
            }
            Bucket().swap(bucket);
        }
    }
    return true;
}

std::int16_t DawgBuilder::measureList(TrieNode* head, TrieNode* parent)
{
    std::int16_t tallest = 0;
    for (TrieNode* node = head; node != nullptr; node = node->next) {
        node->height =
            node->child == nullptr ? 0 : static_cast<std::int16_t>(1 + measureList(node->child, node));
        tallest = std::max(tallest, node->height);
    }
    head->listHeight = tallest;
    head->parent = parent;
    if (parent != nullptr)
        m_firstLetterBuckets[static_cast<std::size_t>(head->letter - 'A')].push_back(head);
    return tallest;
}

void DawgBuilder::sortIntoHeightBuckets()
{
    setStatus("Sorting hash...");
    for (auto& row : m_heightBuckets)
        for (Bucket& bucket : row)
            bucket.clear();
    for (std::size_t letter = 0; letter < kLetters; ++letter) {
        setStatus("Sorting hash(" + std::to_string(kPercent * (letter + 1) / kLetters) + "%)");
        for (TrieNode* head : m_firstLetterBuckets[letter])
            m_heightBuckets[static_cast<std::size_t>(head->listHeight)][letter].push_back(head);
        Bucket().swap(m_firstLetterBuckets[letter]);
    }
}

namespace
{

// Numbers the nodes of a list where it is first met, then its child lists, depth first.
void numberList(TrieNode* head, std::vector<TrieNode*>& order)
{
    if ((head->flags & TrieNode::kVisited) != 0)
        return;
    for (TrieNode* node = head; node != nullptr; node = node->next) {
        node->flags |= TrieNode::kVisited;
        node->index = static_cast<std::uint32_t>(order.size());
        order.push_back(node);
    }
    for (TrieNode* node = head; node != nullptr; node = node->next) {
        if (node->child != nullptr)
            numberList(node->child, order);
    }
}

std::uint32_t packed(const TrieNode* node)
{
    std::uint32_t value = static_cast<std::uint32_t>(node->letter - 'A') << kLetterShift;
    if (node->next == nullptr)
        value |= kLastFlag;
    if ((node->flags & TrieNode::kEndOfWord) != 0)
        value |= kEndOfWordFlag;
    if (node->child != nullptr)
        value |= node->child->index;
    return value;
}

} // namespace

bool DawgBuilder::writeDictionary()
{
    setStatus("Writing to file...");
    std::vector<TrieNode*> order;
    order.reserve(m_nodesNow.load(std::memory_order_relaxed) + 1);
    order.push_back(nullptr); // entry 0, the root entry
    numberList(m_root, order);
    const auto nodeCount = static_cast<std::uint32_t>(order.size());

    std::string bytes(kHeaderSize + kNodeSize * nodeCount, '\0');
    std::memcpy(bytes.data(), kSignature, sizeof kSignature);
    std::memcpy(bytes.data() + kAuthorOffset, m_author.data(), std::min(m_author.size(), kAuthorLength));
    putUint32(bytes, kWordCountOffset, m_wordsInserted.load(std::memory_order_relaxed));
    putUint32(bytes, kNodeCountOffset, nodeCount);
    putUint32(bytes, kDataSizeOffset, nodeCount * static_cast<std::uint32_t>(kNodeSize));
    putUint32(bytes, kHeaderSize, kRootNode);
    for (std::uint32_t i = 1; i < nodeCount; ++i)
        putUint32(bytes, kHeaderSize + kNodeSize * i, packed(order[i]));
    m_nodesNow.store(nodeCount, std::memory_order_relaxed);
    return writeFileAtomically(m_destinationPath, bytes) == WriteResult::Written;
}

} // namespace glyph
