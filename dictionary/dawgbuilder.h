#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "dictionary/dawgvalidator.h"
#include "dictionary/nodepool.h"

namespace glyph
{

class Dictionary;

/// Turns words into a ".dic" file: builds a letter tree, shares every pair of identical node
/// lists, numbers the surviving nodes and writes them. Runs on a worker thread; its progress
/// can be read and a stop requested from another thread.
class DawgBuilder
{
public:
    /// New words (from a word list or typed) of this many letters or more are never inserted.
    static constexpr std::size_t kMaxWordLength = 30;
    /// Longest word a loaded dictionary may hold; add and delete keep every such word.
    static constexpr std::size_t kMaxStoredLength = DawgValidator::kMaxDepth;
    /// Largest word list read: far more words than the node pool can hold.
    static constexpr std::uint64_t kMaxWordListBytes = 256ULL * 1024 * 1024;

    /// Why the last run wrote nothing.
    enum class Failure {
        None,
        /// The destination is the word list itself.
        DestinationIsSource,
        /// The word list could not be read.
        UnreadableSource,
        /// A stop was asked for.
        Stopped,
        /// The words need more nodes than the pool holds.
        FullPool,
        /// The destination could not be written.
        UnwritableDestination,
    };

    explicit DawgBuilder(std::size_t poolBlocks = NodePool::kMaxBlocks);

    /// Builds `destinationPath` from the words of the word list `sourcePath` (a leading UTF-8
    /// byte-order mark aside), first reordering the list in place when its words are not
    /// sorted (every line is kept unchanged, the mark first); a list that cannot be rewritten
    /// stays as it was and the build goes on (`listLeftUnsorted`). Lines that are not words are
    /// left out and counted. False when nothing was written (`failure` says why), and at once
    /// when the destination is the word list itself (`writesOverSource`) or a stop was asked for.
    bool buildFromWordList();
    /// True when the destination names the same file as the source (by any name or link).
    bool writesOverSource() const;
    /// Rebuilds `destinationPath` from every word of the dictionary (its header's word count
    /// is not trusted) plus the new ones (upper case; others and words of 30 letters or more
    /// are refused). False when nothing was written (`failure` says why).
    bool addWords(const Dictionary& dictionary, const std::vector<std::string>& newWords);
    /// Rebuilds `destinationPath` from every word of the dictionary except the doomed ones.
    bool deleteWords(const Dictionary& dictionary, const std::vector<std::string>& doomedWords);

    /// Upper-cases the word in place and cuts it at the first character that is not a letter
    /// a-z or A-Z; returns the length left.
    static std::size_t normalizeWord(char* word);
    /// The normalised form of one line of text.
    static std::string normalizedWord(std::string_view line);
    /// The word a line of a word list holds, upper-cased: empty unless the line, without its
    /// surrounding blanks and line-end characters, is 1 to 29 letters a-z or A-Z.
    static std::string listWord(std::string_view line);
    /// The line without its surrounding blanks and line-end characters.
    static std::string_view trimmedLine(std::string_view line);

    void setSourcePath(const std::string& path) { m_sourcePath = path; }
    void setDestinationPath(const std::string& path) { m_destinationPath = path; }
    void setAuthor(const std::string& author) { m_author = author; }
    const std::string& sourcePath() const { return m_sourcePath; }
    const std::string& destinationPath() const { return m_destinationPath; }
    const std::string& author() const { return m_author; }

    /// Progress, safe to read from another thread while a run goes on.
    std::string status() const;
    std::uint32_t wordsInserted() const { return m_wordsInserted.load(std::memory_order_relaxed); }
    int currentHeight() const { return m_currentHeight.load(std::memory_order_relaxed); }
    char currentLetter() const { return m_currentLetter.load(std::memory_order_relaxed); }
    std::uint32_t nodesNow() const { return m_nodesNow.load(std::memory_order_relaxed); }
    std::uint32_t nodesCreated() const { return m_nodesCreated.load(std::memory_order_relaxed); }
    /// Lines of the last word list that held something other than a word (not blank).
    std::uint32_t linesLeftOut() const { return m_linesLeftOut.load(std::memory_order_relaxed); }
    /// True when the last word list was out of order and could not be rewritten in order;
    /// its words were sorted for the build only.
    bool listLeftUnsorted() const { return m_listLeftUnsorted.load(std::memory_order_relaxed); }
    /// Why the last run returned false; None after a run that wrote its file.
    Failure failure() const { return m_failure.load(); }

    /// Asks a build to stop: one that has not begun ends at once, one under way when
    /// compaction starts or during it. The request holds until `clearAbortRequest`.
    void requestAbort() { m_abortRequested.store(true); }
    bool abortRequested() const { return m_abortRequested.load(); }
    /// Forgets an earlier stop. Called by whoever starts a run before it starts (on the
    /// starting thread), so that a stop asked for between then and the run's start holds.
    void clearAbortRequest() { m_abortRequested.store(false); }
    /// Called on the building thread with each new status text (for printing progress).
    void setStatusListener(std::function<void(const std::string&)> listener)
    {
        m_listener = std::move(listener);
    }

private:
    static constexpr std::size_t kLetters = 26;
    static constexpr std::size_t kHeights = kMaxStoredLength;
    using Bucket = std::vector<TrieNode*>;

    void startRun();
    bool createRoot();
    void endRun();
    /// Ends the run with nothing written, for that reason; returns false.
    bool fail(Failure failure);
    /// Compacts the trie and writes the destination, then ends the run; false when stopped or
    /// not written.
    bool compactAndWrite();
    void setStatus(const std::string& text);
    /// Splits the list's text into lines and collects the words of the word lines.
    void readWordList(std::string_view text, std::vector<std::string_view>& lines,
                      std::vector<std::size_t>& wordLines, std::vector<std::string>& words);
    /// Sorts the words and rewrites the list (`mark` first, then its lines) with its word lines
    /// in their order; false when the list could not be rewritten (the words are sorted all the same).
    bool sortWordList(std::string_view mark, const std::vector<std::string_view>& lines,
                      const std::vector<std::size_t>& wordLines, std::vector<std::string>& words);
    bool rebuild(const Dictionary& dictionary, const std::vector<std::string>& extra,
                 const std::vector<std::string>& doomed);
    TrieNode* newNode(char letter);
    bool insert(std::string_view word);
    TrieNode* findOrAdd(TrieNode* start, TrieNode* parent, char letter);
    bool compact();
    std::int16_t measureList(TrieNode* head, TrieNode* parent);
    void sortIntoHeightBuckets();
    bool shareListsOfHeight(std::size_t height);
    bool writeDictionary();

    std::string m_sourcePath;
    std::string m_destinationPath;
    std::string m_author;

    TrieNode* m_root = nullptr;
    std::array<Bucket, kLetters> m_firstLetterBuckets;
    std::array<std::array<Bucket, kLetters>, kHeights> m_heightBuckets;
    NodePool m_pool;
    // The previous word and its nodes, so that sorted words skip their common prefix.
    std::string m_previousWord;
    std::array<TrieNode*, kMaxStoredLength> m_path{};

    std::atomic<std::uint32_t> m_wordsInserted{0};
    std::atomic<std::uint32_t> m_nodesNow{0};
    std::atomic<std::uint32_t> m_nodesCreated{0};
    std::atomic<std::uint32_t> m_linesLeftOut{0};
    std::atomic<bool> m_listLeftUnsorted{false};
    std::atomic<Failure> m_failure{Failure::None};
    std::atomic<int> m_currentHeight{0};
    std::atomic<char> m_currentLetter{'*'};
    std::atomic<bool> m_abortRequested{false};
    mutable std::mutex m_statusMutex;
    std::string m_status;
    std::function<void(const std::string&)> m_listener;
};

} // namespace glyph
