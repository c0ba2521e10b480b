#include "ui/dictionary/conversionworker.h"

#include "dictionary/dawgbuilder.h"

namespace glyph
{

ConversionWorker::ConversionWorker(DawgBuilder& builder, const Dictionary& dictionary, QObject* parent)
    : QThread(parent), m_builder(builder), m_dictionary(dictionary)
{
}

void ConversionWorker::prepare(ConversionMode mode, std::vector<std::string> words)
{
    m_mode = mode;
    m_words = std::move(words);
    // Cleared here, on the thread that starts the run, rather than by the run itself: a Stop
    // pressed before the worker gets going must not be lost.
    m_builder.clearAbortRequest();
}

void ConversionWorker::run()
{
    bool written = false;
    switch (m_mode) {
    case ConversionMode::BuildFromWordList:
        written = m_builder.buildFromWordList();
        break;
    case ConversionMode::AddWords:
        written = m_builder.addWords(m_dictionary, m_words);
        break;
    case ConversionMode::DeleteWords:
        written = m_builder.deleteWords(m_dictionary, m_words);
        break;
    }
    m_failed.store(!written);
}

} // namespace glyph
