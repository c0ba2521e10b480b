#pragma once

#include <QThread>

#include <atomic>
#include <string>
#include <vector>

namespace glyph
{

class DawgBuilder;
class Dictionary;

/// What a conversion run does with the builder.
enum class ConversionMode {
    /// Builds the destination from the word list of the source field.
    BuildFromWordList = 0,
    /// Rewrites the destination from the loaded dictionary plus the listed words.
    AddWords = 1,
    /// Rewrites the destination from the loaded dictionary without the listed words.
    DeleteWords = 2,
};

/// The one worker thread of the program: runs one dictionary build, so that the conversion
/// window keeps painting and can show the builder's progress while it goes on.
class ConversionWorker : public QThread
{
    Q_OBJECT

public:
    /// The builder and the dictionary must outlive the worker; the dictionary is only read,
    /// and only in the add and delete modes.
    ConversionWorker(DawgBuilder& builder, const Dictionary& dictionary, QObject* parent = nullptr);

    /// Sets what the next run does and forgets an earlier stop of the builder; call only while
    /// the thread is not running, before it starts.
    void prepare(ConversionMode mode, std::vector<std::string> words);
    /// True when the last run wrote no dictionary (source unreadable, stopped, not writable).
    bool failed() const { return m_failed.load(); }

protected:
    void run() override;

private:
    DawgBuilder& m_builder;
    const Dictionary& m_dictionary;
    ConversionMode m_mode = ConversionMode::BuildFromWordList;
    std::vector<std::string> m_words;
    std::atomic<bool> m_failed{false};
};

} // namespace glyph
