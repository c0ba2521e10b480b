#!/usr/bin/env bash
# Plants faults one at a time and tells which ones the tests catch: for each fault, replace one
# exact piece of text, build, run the tests until the first failing one, record caught (and by
# which test) or missed, and put the file back. Faults in the core and the tools are built in
# build-mutation/ and judged by glyph_core_tests (the tool tests are part of it); faults in ui/
# are built in build-mutation-ui/ and judged by the widget test programs (offscreen). The
# original of the file is kept in a copy and restored after every fault, also when the run is
# interrupted.
#
#   scripts/mutation.sh               every fault
#   scripts/mutation.sh 3 17          only faults 3 and 17
#   scripts/mutation.sh --list        the faults, numbered
#   scripts/mutation.sh --check       only checks that each fault's text occurs exactly once
#   scripts/mutation.sh --every 3     runs the whole suite for each fault and names every test
#                                     that catches it (slower; shows which tests earn their keep)
#
# A fault whose text is missing or not unique is reported as "stale" and not counted.
# Environment: MUTATION_BUILD and MUTATION_UI_BUILD (build folders, default build-mutation and
# build-mutation-ui), MUTATION_TIMEOUT (seconds per test run, default 300).
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build=${MUTATION_BUILD:-build-mutation}
ui_build=${MUTATION_UI_BUILD:-build-mutation-ui}
timeout_seconds=${MUTATION_TIMEOUT:-300}
ui_tests=$(for f in tests/ui/*test.cpp; do basename "$f" .cpp; done)

# One fault per line: file @@ text to find @@ replacement. "<NL>" in either text is a newline.
faults=$(cat <<'EOF'
engine/gameclassic.cpp @@ return m_bag.total() >= kRackSize; @@ return m_bag.total() > kRackSize;
engine/gameclassic.cpp @@ if (cross.size() > 1 && !m_game @@ if (cross.size() > 2 && !m_game
engine/gameclassic.cpp @@ if (m_bag.total() > 0) @@ if (m_bag.total() >= 0)
engine/gameclassic.cpp @@ if (player.hasNoTiles())<NL>            return true; @@ if (player.rack[1] == 0)<NL>            return true;
engine/gameclassic.cpp @@ return writeFileAtomically(fileName, text.str()); @@ std::ofstream out(fileName, std::ios::binary | std::ios::trunc);<NL>    return static_cast<bool>(out << text.str());
engine/gameclassic.cpp @@ if (start > centre || centre >= start + length) @@ if (start > centre || centre > start + length)
engine/gameclassic.cpp @@ if (m_passCount >= static_cast<int>(m_players.size()) + 1) @@ if (m_passCount >= static_cast<int>(m_players.size()) + 2)
engine/gameclassic.cpp @@ finisher->addScore(total); @@ finisher->addScore(0);
engine/gameclassic.cpp @@ if (exchange && (!canExchange() || !letters::isAnagram(letters + kept, currentPlayer().rack))) @@ if (exchange && !canExchange())
engine/gameclassic.cpp @@         m_passCount = 0;<NL>        for (char letter : letters) @@         for (char letter : letters)
engine/gameclassic.cpp @@ m_historyPosition = std::clamp(index, 0, last); @@ m_historyPosition = std::clamp(index, 0, std::max(0, last - 1));
engine/gameclassic.cpp @@ return in.peek() == std::char_traits<char>::eof(); @@ return true;
engine/gameclassic.cpp @@         m_game.restoreSettings(*kept); @@         m_game.loadSettings();
engine/bag.cpp @@ for (int row = 1; row <= lastRow; ++row) @@ for (int row = 1; row < lastRow; ++row)
engine/bag.cpp @@ for (int column = 1; column <= lastColumn; ++column) @@ for (int column = 1; column < lastColumn; ++column)
engine/bag.cpp @@ removeTile(square.joker != 0 ? kJoker : square.letter); @@ removeTile(square.letter);
engine/bag.cpp @@ ++m_counts[letter - 'A'];<NL>    rebuild(); @@ rebuild();
engine/bag.cpp @@ static_cast<int>(out.size()) < wanted) @@ static_cast<int>(out.size()) <= wanted)
engine/bag.cpp @@ if (seen != counts) @@ if (false)
engine/bag.cpp @@ m_counts[letter - 'A'] <= 0) @@ m_counts[letter - 'A'] < 0)
engine/moveplacement.cpp @@ !isOccupied(board, extent, rowAt(move, length), columnAt(move, length)); @@ true;
engine/moveplacement.cpp @@ return !isOccupied(board, extent, rowAt(move, -1), columnAt(move, -1)) && @@ return true &&
engine/moveplacement.cpp @@ for (int k = 0; k < kLetterCount; ++k)<NL>        if (needed[k] > held[k]) @@ for (int k = 0; k < kLetterCount - 1; ++k)<NL>        if (needed[k] > held[k])
engine/moveplacement.cpp @@ isOccupied(board, extent, row + 1, column) || isOccupied(board, extent, row, column - 1) || @@ isOccupied(board, extent, row, column - 1) ||
engine/moveplacement.cpp @@ else if (board[row][column].letter != move.word[index]) @@ else if (false)
engine/moveplacement.cpp @@ if (!firstMove && !touchesBoard(move, board, extent)) @@ if (!firstMove && !touchesBoard(move, board, extent) && false)
engine/moveplacement.cpp @@ return jokers == jokersLength(move); @@ return jokers >= jokersLength(move);
engine/moveplacement.cpp @@ square.joker = 1; @@ square.joker = 0;
engine/moveplacement.cpp @@ kept.erase(found, 1); @@ kept.erase(found, 0);
engine/moveplacement.cpp @@ "(%c%d)", row, move.col); @@ "(%d%c)", move.col, row);
engine/moveplacement.cpp @@ while (isOccupied(board, extent, run.row - dRow, run.column - dColumn)) { @@ while (false) {
engine/moveplacement.h @@ return row >= 1 && row <= rows && column >= 1 && column <= columns; @@ return row >= 1 && row <= rows && column >= 1 && column < columns;
engine/scoring.cpp @@ if (newTiles == kBonusTiles) @@ if (newTiles > kBonusTiles)
engine/scoring.cpp @@ crossTotal += (crossScore + letterScore) * multiplier; @@ crossTotal += crossScore + letterScore * multiplier;
engine/scoring.cpp @@ return square.joker ? 0 : letters::value( @@ return letters::value(
engine/scoring.cpp @@ wordProduct *= multiplier; @@ wordProduct *= 1;
engine/scoring.cpp @@ return run.length > 1; @@ return run.length > 0;
engine/game.cpp @@ return row >= 1 && row <= m_rows && column >= 1 && column <= m_columns && @@ return row >= 1 && row < m_rows && column >= 1 && column <= m_columns &&
engine/boardgeometry.cpp @@ return size >= 1 && size <= kMaxBoardSize ? size : kDefaultBoardSize; @@ return size > 1 && size <= kMaxBoardSize ? size : kDefaultBoardSize;
engine/boardgeometry.cpp @@ return size >= 1 && size <= kMaxBoardSize ? size : kDefaultBoardSize; @@ return size >= 1 && size < kMaxBoardSize ? size : kDefaultBoardSize;
engine/boardgeometry.cpp @@ grid[row][column] = multiplier; @@ grid[column][row] = multiplier;
engine/boardgeometry.h @@ return columns / 2 + 1; @@ return (columns + 1) / 2;
engine/movereader.cpp @@ if (word.size() < 2 || word.size() >= sizeof out.word || !(touching || centreEmpty)) @@ if (word.size() < 2 || word.size() >= sizeof out.word)
engine/savedgame.cpp @@ current >= players || @@ current > players ||
engine/player.cpp @@ if (*p < 'A' || *p > static_cast<std::uint8_t>(kJoker)) @@ if (*p < 'A')
dictionary/dictionary.cpp @@             return isEndOfWord(node); @@             return true;
dictionary/dictionary.cpp @@ if (!force && !m_fileName.empty() && path == m_fileName) @@ if (!m_fileName.empty() && path == m_fileName)
dictionary/dictionary.cpp @@ if (!DawgValidator::isSound(nodes.get(), nodeCount)) @@ if (false)
dictionary/dictionary.cpp @@ if (isEndOfWord(node) && callback != nullptr) { @@ if (isEndOfWord(node) && callback != nullptr && depth > 0) {
dictionary/dawgbuilder.cpp @@     std::sort(deleteList.begin(), deleteList.end());<NL> @@ <NL>
dictionary/dawgbuilder.cpp @@ #include "base/atomicfile.h" @@ #include "base/atomicfile.h"<NL>#include <fstream><NL>#define writeFileAtomically(path, text) (std::ofstream(path, std::ios::binary | std::ios::trunc) << (text) ? glyph::WriteResult::Written : glyph::WriteResult::NotWritten)
dictionary/dawgbuilder.cpp @@ if (!word.empty() && word.size() < kMaxWordLength && isUpperWord(word)) @@ if (!word.empty() && word.size() < kMaxWordLength - 1 && isUpperWord(word))
dictionary/dawgbuilder.cpp @@ if (!std::is_sorted(words.begin(), words.end()) && !sortWordList @@ if (words.size() > 1 && words[0] > words[1] && !sortWordList
dictionary/dawgbuilder.cpp @@ constexpr std::string_view kBlanks = " \t\r\b"; @@ constexpr std::string_view kBlanks = "\r";
dictionary/dawgbuilder.cpp @@ if (std::binary_search(self->doomed->begin(), self->doomed->end(), word)) @@ if (!self->doomed->empty() && self->doomed->front() == word)
dictionary/dawgbuilder.cpp @@ walk.insertExtraBefore(std::string_view("\x7F")); @@ ;
dictionary/dawgvalidator.cpp @@ if (letterField(node) >= kAlphabetLetters || childIndex(node) >= m_count) @@ if (childIndex(node) >= m_count)
dictionary/dawgvalidator.cpp @@ if (!isLast(root) || childIndex(root) != dicformat::kFirstLetterListIndex) @@ if (!isLast(root))
dictionary/patternmatcher.cpp @@ return letterSetText(set, [](const Entry& e) { return e.vowel != 0; }); @@ return letterSetText(set, [](const Entry& e) { return e.vowel >= 0; });
dictionary/patternmatcher.cpp @@ if (e.isLast && left != e.text.size()) @@ if (false)
dictionary/patternmatcher.cpp @@ return left == 1; @@ return left >= 1;
ai/movegenerator.cpp @@ constexpr int kFirstMoveLeftLimit = kRackSize - 1; @@ constexpr int kFirstMoveLeftLimit = kRackSize - 2;
ai/movegenerator.cpp @@ return std::min(emptySquares, m_rackTiles - 1); @@ return std::min(emptySquares, m_rackTiles - 2);
ai/movegenerator.cpp @@ const bool below = grid[line + 1][position].letter != 0; @@ const bool below = false;
ai/movegenerator.cpp @@ if (end != kNoNode && (m_graph[end].letters & kEndOfWordBit) != 0) @@ if (end != kNoNode)
ai/movegenerator.cpp @@     m_transposed = Board{};<NL>    for (int row = 1; row <= m_rows; ++row) @@     m_transposed = Board{};<NL>    for (int row = 1; row < m_rows; ++row)
ai/movegenerator.cpp @@ if (move.score <= score && (found @@ if (move.score < score && (found
ai/movegenerator.cpp @@ m_jokerLetters[m_jokersLaid++] = static_cast<char>('A' + code); @@ m_jokerLetters[m_jokersLaid++] = 'A';
ai/exportedfunctions.cpp @@ if (lin <= game.rows() && col <= game.columns()) @@ if (lin < game.rows() && col <= game.columns())
ai/exportedfunctions.cpp @@ lua_pushboolean(state, square.letter != 0 && square.joker != 0); @@ lua_pushboolean(state, square.letter != 0);
ai/exportedfunctions.cpp @@ lua_pushinteger(state, rules != nullptr ? rules->bag().total() : 0); @@ lua_pushinteger(state, rules != nullptr ? rules->bag().total() - 1 : 0);
ai/exportedfunctions.cpp @@ letters += static_cast<char>(code - 'a' + 'A'); @@ letters += code;
ai/exportedfunctions.cpp @@ move.horiz = wholeNumber(state, 1) != 0 ? 1 : 0; @@ move.horiz = 1;
ai/luahost.cpp @@ if (letters.empty() || rules == nullptr || !rules->inProgress() || !rules->canExchange()) @@ if (letters.empty() || rules == nullptr || !rules->inProgress())
preferences/preferences.cpp @@ return c == '\n' || c == '\r' || c == '\b'; @@ return c == '\r' || c == '\b';
preferences/preferences.cpp @@ if (it != map->end() && textscan::parseWholeInt(it->second, out)) @@ if (it != map->end() && (textscan::parseWholeInt(it->second, out) || true))
preferences/preferences.cpp @@ if (auto it = m_defaults.find(key); it != m_defaults.end()) @@ if (auto it = m_defaults.find(key); it == m_defaults.begin())
preferences/preferences.cpp @@ #include "base/atomicfile.h" @@ #include "base/atomicfile.h"<NL>#include <fstream><NL>#define writeFileAtomically(path, text) (std::ofstream(path, std::ios::binary | std::ios::trunc) << (text) ? glyph::WriteResult::Written : glyph::WriteResult::NotWritten)
preferences/preferences.cpp @@ m_values[key] = std::move(line); @@ m_values[key] = line.substr(line.empty() ? 0 : 1);
preferences/preferences.cpp @@ setInteger(keys::kTableRows, 15); @@ setInteger(keys::kTableRows, 16);
base/letters.cpp @@ if (i > 0 && remaining % kDigitGroup == 0) @@ if (remaining % kDigitGroup == 0)
base/letters.cpp @@ codes += kJoker; @@ codes += '?';
base/textscan.cpp @@ if (magnitude > kMaxPositive + (negative ? 1 : 0)) @@ if (magnitude > kMaxPositive + 1)
base/textscan.cpp @@     skipSpace(text);<NL>    if (!text.empty()) @@     skipSpace(text);<NL>    if (false)
base/letterset.cpp @@ entry.count = static_cast<std::int16_t>(count < 0 ? 0 : count); @@ entry.count = static_cast<std::int16_t>(count);
base/letterset.cpp @@ if (code < 'A' || code > kJoker) @@ if (code < 'A' || code >= kJoker)
base/atomicfile.cpp @@ return ::fchmod(descriptor, old.st_mode & 07777) == 0; @@ return ::fchmod(descriptor, 0600) == 0;
base/atomicfile.cpp @@ for (int hops = 0; std::filesystem::is_symlink(target, ignored); ++hops) { @@ for (int hops = 0; false && std::filesystem::is_symlink(target, ignored); ++hops) {
tools/glyphdict/querycommands.cpp @@ const bool found = word.size() == plain.size() && loaded @@ const bool found = loaded
tools/glyphdict/querycommands.cpp @@ return allFound ? kExitSuccess : kExitFailure; @@ return kExitSuccess;
tools/glyphdict/buildcommands.cpp @@ word.size() >= DawgBuilder::kMaxWordLength) { @@ word.size() > DawgBuilder::kMaxWordLength) {
tools/glyphdict/buildcommands.cpp @@ builder.setAuthor(loaded.dictionary().author()); @@ builder.setAuthor("Glyphmosaic");
tools/glyphplay/selfplay.cpp @@ tally.wins += 1.0 / static_cast<double>(winners); @@ tally.wins += 1.0;
tools/glyphplay/main.cpp @@ if (text.empty() || *end != 0 || value < low || value > high) @@ if (text.empty() || value < low || value > high)
tools/glyphplay/main.cpp @@ if (options.profiles.size() < 2) @@ if (options.profiles.size() < 1)
engine/savedgame.cpp @@ return in.read(reinterpret_cast<char*>(image.data()), image.size()) && record.readImage(image.data()); @@ in.read(reinterpret_cast<char*>(image.data()), image.size());<NL>    return record.readImage(image.data());
engine/savedgame.cpp @@  || (joker == 1 && letter == 0)) @@ )
engine/savedgame.cpp @@ passes < 0 || passes > players + 1) @@ passes < 0)
engine/bag.cpp @@ next > kMaxTiles - total) @@ next > kMaxTiles)
engine/gameclassic.cpp @@ if (history < 1 || @@ if (history < 0 ||
dictionary/dawgvalidator.cpp @@ childIndex(node) >= m_count) @@ childIndex(node) > m_count)
dictionary/dawgvalidator.cpp @@ if (height > DawgValidator::kMaxDepth || tree > kMaxTreeNodes) @@ if (height >= DawgValidator::kMaxDepth || tree > kMaxTreeNodes)
dictionary/dictionary.cpp @@     m_nodes = std::move(nodes);<NL>    ++m_generation; @@     m_nodes = std::move(nodes);
base/letters.cpp @@             rack.erase(at, 1); @@             rack.erase(at, 0);
tools/glyphplay/selfplay.cpp @@ tallyOf[seat] = (seat + static_cast<std::size_t>(number)) % count; @@ tallyOf[seat] = seat;
ai/movegenerator.cpp @@ [](const Move& a, const Move& b) { return a.score > b.score; }); @@ [](const Move& a, const Move& b) { return a.score < b.score; });
base/regularfile.cpp @@         if (bytes.size() + static_cast<std::uint64_t>(got) > maxBytes)<NL>            return Status::TooLarge;<NL> @@ <NL>
dictionary/dawgbuilder.cpp @@     if (word == m_previousWord)<NL>        return true; @@     if (false)<NL>        return true;
dictionary/dawgbuilder.cpp @@ if (word.size() >= kMaxWordLength || @@ if (word.size() > kMaxWordLength ||
engine/gcgwriter.cpp @@ return move.horiz ? row + column : column + row; @@ return move.horiz ? column + row : row + column;
engine/gcgwriter.cpp @@ name.insert(name.begin(), static_cast<char>('A' + (n - 1) % kLettersInAlphabet)); @@ name.insert(name.begin(), static_cast<char>('A' + n % kLettersInAlphabet));
engine/gcgwriter.cpp @@             word += '.';<NL> @@             word += letter;<NL>
engine/gcgwriter.cpp @@     if (!isOver(history.back()))<NL>        text += "#incomplete\n"; @@     if (false)<NL>        text += "#incomplete\n";
engine/gcgwriter.cpp @@ return entry.move.isPass() && entry.passCount == 0; @@ return entry.move.isPass();
engine/gcgparser.cpp @@ if (!trimmed(line).empty() && ++filled > kMaxLines) @@ if (!trimmed(line).empty() && ++filled > 10 * kMaxLines)
engine/gcgparser.cpp @@ if (text.size() > static_cast<std::size_t>(kMaxLineLength)) @@ if (false)
engine/textencoding.cpp @@ if (value < smallest[extra] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) @@ if (value > 0x10FFFF)
engine/gcgparser.cpp @@ if (std::find(m_record.nicknames.begin(), m_record.nicknames.end(), nick) != m_record.nicknames.end()) @@ if (false)
engine/gcgimporter.cpp @@ if (event.player != m_rules->currentPlayerIndex()) @@ if (false)
engine/gcgimporter.cpp @@ if (event.row < 1 || event.column < 1 || lastRow > m_game.rows() || lastColumn > m_game.columns()) @@ if (event.row < 1 || event.column < 1 || lastRow > m_game.rows())
engine/gcgimporter.cpp @@ if (++m_turns > kMaxTurns) @@ if (++m_turns > 100 * kMaxTurns)
engine/gcgimporter.cpp @@     if (move.score != event.score)<NL>        report( @@     if (false)<NL>        report(
engine/gcgimporter.cpp @@ if (event.count > static_cast<int>(rack.size())) @@ if (event.count > kRackSize)
ai/gameanalysis.cpp @@ turn.missedSeven = turn.missedSeven && (after.move.isPass() || tilesLaid(after.move) != kRackSize); @@ turn.missedSeven = turn.missedSeven;
ai/gameanalysis.cpp @@ summary.missedSevens += turn.missedSeven ? 1 : 0; @@ summary.missedSevens += 1;
ai/gameanalysis.cpp @@ if (run.length < 2) @@ if (run.length < 1)
ai/simulator.cpp @@ std::seed_seq sequence{setup.seed, static_cast<std::uint32_t>(round)}; @@ std::seed_seq sequence{setup.seed};
ai/simulator.cpp @@ spread += seat == 0 ? move.score : -opponentWeight * move.score; @@ spread += move.score;
ai/simulator.cpp @@ lastLeaves[static_cast<std::size_t>(seat)] = kept; @@ lastLeaves[static_cast<std::size_t>(seat)] = rack;
ai/simulator.cpp @@ while (finished < batch && done[static_cast<std::size_t>(finished)]) @@ while (finished < batch)
ai/simulator.cpp @@ result.rounds >= kMinimumRounds && @@ result.rounds > kMinimumRounds &&
ai/simulator.cpp @@ return a.mean > b.mean; @@ return a.mean < b.mean;
ai/simulator.cpp @@ spread += (seat == 0 ? 1.0 : -opponentWeight) * @@ spread += (seat == 0 ? 1.0 : 0.0) *
ai/simulator.cpp @@ if (moved[seat] || !bagHasTiles) @@ if (moved[seat])
ai/simulator.cpp @@ bestMove(rack, next < tiles.size() ? m_leaves : m_stuckLeaves) @@ bestMove(rack, m_leaves)
ai/endgamesolver.cpp @@ return move.score + 2 * rackValue(m_racks[1 - side]); @@ return move.score + rackValue(m_racks[1 - side]);
ai/endgamesolver.cpp @@ (entry.bound == Bound::Lower && entry.value >= beta) @@ (entry.bound == Bound::Lower && entry.value <= beta)
ai/endgamesolver.cpp @@ search(depth - 1, move.score - beta, move.score - alpha, 1 - side, 0, complete, nullptr) @@ search(depth - 1, -beta, -alpha, 1 - side, 0, complete, nullptr)
ai/endgamesolver.cpp @@ m_boardKey ^= squareKey(row, column, board[row][column]); @@ (void)row;
ai/endgamesolver.cpp @@ if (passes + 1 >= kEndingPasses) { @@ if (passes >= kEndingPasses) {
ai/leavevalues.cpp @@ m_duplicate[static_cast<std::size_t>(code)] * (count - 1); @@ m_duplicate[static_cast<std::size_t>(code)] * count;
ai/leavevalues.cpp @@ for (int k = 1; k <= rack[at] && partial.tiles + k <= maxTiles; ++k) { @@ for (int k = 1; k < rack[at] && partial.tiles + k <= maxTiles; ++k) {
ai/leavevalues.cpp @@ if (!good || line >> rest) { @@ if (!good) {
ai/leavevalues.cpp @@ std::fabs(value) <= LeaveValues::kMaxEntry; @@ true;
ai/leavetrainer.cpp @@ row[1 + kTileFeatures + code] = count - 1; @@ row[1 + kTileFeatures + code] = count;
ai/leavetrainer.cpp @@ waiting[player] = played.laidTiles && played.bagBefore >= kRackSize; @@ waiting[player] = played.laidTiles;
dictionary/racksearch.cpp @@ return jokers <= kMaxJokers; @@ return jokers <= kMaxJokers + 1;
dictionary/racksearch.cpp @@ if (isEndOfWord(node) && (m_length == 0 || depth + 1 == m_length)) @@ if (isEndOfWord(node))
dictionary/racksearch.cpp @@ if (childIndex(node) != 0 && depth + 1 < m_tiles) @@ if (childIndex(node) != 0 && depth + 2 < m_tiles)
dictionary/hookfinder.cpp @@     if (backInner)<NL>        marked += '.'; @@     if (frontInner)<NL>        marked += '.';
dictionary/hookfinder.cpp @@ if (child != 0 && isWord(child, *upper)) @@ if (child != 0)
dictionary/wordprobability.cpp @@ total += byJokers[j] * m_picks[kJokerIndex][j]; @@ total += byJokers[j];
dictionary/wordprobability.cpp @@ return a < b; @@ return a > b;
dictionary/quiz.cpp @@ m_possible += anagrams.size(); @@ m_possible += marking.found.size();
dictionary/quiz.cpp @@ if (letters.empty() || !RackSearch::isRack(letters) || !asked.insert(letters).second) @@ if (letters.empty() || !RackSearch::isRack(letters))
dictionary/studylist.cpp @@ if (!word.empty() && word.back() == kInnerMark) @@ if (false)
engine/positionedit.cpp @@ if (m_seats[i].rack.size() > static_cast<std::size_t>(kRackSize)) { @@ if (m_seats[i].rack.size() > static_cast<std::size_t>(kRackSize) + 1) {
engine/positionedit.cpp @@ ++used[letterIndex(square.joker != 0 ? kJoker : square.letter)]; @@ ++used[letterIndex(square.letter)];
engine/positionedit.cpp @@     if (rules->isGameOver())<NL> @@     if (false)<NL>
engine/unseentiles.cpp @@         if (seat == player)<NL> @@         if (false)<NL>
engine/rackeditor.cpp @@ [](const RackSlot& a, const RackSlot& b) { return a.letter < b.letter; }); @@ [](const RackSlot& a, const RackSlot& b) { return a.letter > b.letter; });
base/datafolders.cpp @@ isWritable(folder) && !isUsersOwn @@ !isUsersOwn
base/datafolders.cpp @@ if (std::filesystem::path(name).is_absolute() || isPresent(own)) @@ if (std::filesystem::path(name).is_absolute())
ui/session/gamesession.cpp @@     m_chainStopped = true;<NL>    disarmChain();<NL>    if (!m_turnRunning)<NL>        return;<NL>    // A player that looks ahead @@     disarmChain();<NL>    if (!m_turnRunning)<NL>        return;<NL>    // A player that looks ahead
ui/session/gamesession.cpp @@ if (file.fileName().contains('.') && !recordName) @@ if (chosen.contains('.') && !recordName)
engine/gameclassic.cpp @@ if (!inProgress() || isGameOver() || m_game.view().paused()) @@ if (!inProgress() || isGameOver())
ui/session/gamesession.cpp @@     abandonComputerTurn();<NL>    const bool started = m_game.startNewGame( @@     const bool started = m_game.startNewGame(
ui/session/gamesession.cpp @@     if (!unsaved())<NL>        return true; @@     if (true)<NL>        return true;
ui/session/gamesession.cpp @@     case 1:<NL>        return true; @@     case 1:<NL>        return false;
ui/session/gamesession.cpp @@     m_fileState.markSaved(m_game, name);<NL>    emit fileChanged(); @@     emit fileChanged();
ui/session/gamesession.cpp @@         m_prompter.warn(nullptr, tr("Please make a valid move first"));<NL>        return; @@         m_prompter.warn(nullptr, tr("Please make a valid move first"));
ui/session/gamefilestate.cpp @@             print.addNumber(player.score); @@ 
ui/session/gamefilestate.cpp @@ if (rules == nullptr || !rules->inProgress() || rules->history().size() < 2) @@ if (rules == nullptr || !rules->inProgress())
ui/common/pausecounter.h @@                 --m_counter->m_holds; @@                 m_counter->m_holds = 0;
ui/common/translation.cpp @@ return conversions(translated) == conversions(source) ? translated : source; @@ return translated;
ui/board/exports.cpp @@ return !text.empty() && writeBytes(fileName, text); @@ return writeBytes(fileName, text) && !text.empty();
ui/game/gameoverdialog.cpp @@         if (player.score == best)<NL> @@         if (player.score != best)<NL>
ui/game/gameoverdialog.cpp @@ rack.empty() ? QString::asprintf("+%d", leftOver) : QString::asprintf("-%d", rackValue); @@ rack.empty() ? QString::asprintf("+%d", 0) : QString::asprintf("-%d", rackValue);
ui/window/commandtable.cpp @@ "Ctrl+T", &W::topMovesClicked, A::Unlocked, @@ "Ctrl+T", &W::topMovesClicked, A::Always,
ai/simulator.cpp @@         tilesLeft += static_cast<int>(rack.size()); @@         tilesLeft += 0;
ai/simulator.cpp @@ best = std::max(best.value_or(INT_MIN), @@ best = std::min(best.value_or(INT_MAX),
ai/movegenerator.cpp @@ index += counts[static_cast<std::size_t>(letter.code)] * letter.stride; @@ index += counts[static_cast<std::size_t>(letter.code)];
engine/gcgimporter.cpp @@ found != std::string::npos &&<NL>                static_cast<int>(kept.size()) < static_cast<int>(rack.size()) - event.count) { @@ found != std::string::npos) {
engine/gcgparser.cpp @@ number = number * 26 + (c - 'A' + 1); @@ number = number * 25 + (c - 'A' + 1);
engine/gameclassic.cpp @@ player.timeLeft = m_game.time() * kSecondsPerMinute; @@ player.timeLeft = 25 * kSecondsPerMinute;
ai/simulator.cpp @@ (product(k, k) - 2 * product(k, leader) + product(leader, leader)) @@ (product(k, k) + product(leader, leader))
ai/windowscore.h @@ return growth + static_cast<long long>(m_tileValues[k]) * value; @@ return growth + static_cast<long long>(m_tileValues[k + 1]) * value;
ai/movegenerator.cpp @@         return m_tileValues[0]; @@         return m_tileValues[1];
ai/movegenerator.cpp @@ const int kept = m_rackTiles - newTiles; @@ const int kept = m_rackTiles - newTiles - 1;
ai/leavevalues.cpp @@ next.total += m_tile[at] * k + m_duplicate[at] * (k - 1); @@ next.total += m_tile[at] * k + m_duplicate[at] * k;
ai/rackinference.cpp @@ if (!best.isPass() && played >= copy.generator().bestEquity() - kTolerance) @@ if (!best.isPass())
ai/rackinference.cpp @@ turn.bagBefore < kRackSize @@ turn.bagBefore < 0
ai/rackinference.cpp @@ if (board[row][column].letter == 0) @@ if (board[row][column].letter != kJoker)
ai/rackinference.cpp @@ if (before.currentPlayer != opponent @@ if (before.currentPlayer == opponent
ai/simulator.cpp @@ --counts[static_cast<std::size_t>(letter - 'A')] < 0) @@ counts[static_cast<std::size_t>(letter - 'A')] < 0)
ai/simulator.cpp @@ return setup.candidates.size() + (setup.exchange.empty() ? 0 : 1); @@ return setup.candidates.size();
ai/simulator.cpp @@ return a.mean > b.mean; @@ return a.mean < b.mean;
ai/simulator.cpp @@ std::shuffle(tiles.begin(), tiles.end(), random); @@ std::shuffle(tiles.begin(), tiles.end(), std::mt19937(setup.seed));
ai/movegenerator.cpp @@ if (index < 0 || index >= size()) @@ if (index < 0 || index > size())
ai/movegenerator.cpp @@ return found != nullptr ? *found : Move{}; @@ return found != nullptr ? *found : m_moves.front();
ai/movegenerator.cpp @@ m_graphDictionary == &dictionary && m_graphGeneration == dictionary.generation() @@ m_graphDictionary == &dictionary
ai/gameanalysis.cpp @@ turn.played = after.move; @@ turn.played = before.move;
ai/leavevalues.cpp @@ total += m_pair[static_cast<std::size_t>(held[k])][static_cast<std::size_t>(code)]; @@ total += m_pair[static_cast<std::size_t>(held[k])][static_cast<std::size_t>(code)] * count;
ai/namescanner.cpp @@ for (int row = 0; row < kExportedFunctionRows @@ for (int row = 1; row < kExportedFunctionRows
ui/board/panelwidget.cpp @@ showNumber(*round, inProgress ? rules->round() : 0); @@ showNumber(*round, rules != nullptr ? rules->round() : 0);
ai/leavetrainer.cpp @@ played.laidTiles && played.bagBefore >= kRackSize; @@ played.laidTiles && played.bagBefore > kRackSize;
engine/gameclassic.cpp @@         if (player.hasNoTiles())<NL>            finisher = &player; @@         if (penalty == 0)<NL>            finisher = &player;
engine/gamerules.cpp @@     m_history[m_historyPosition].board = m_game.board(); @@ 
engine/positionedit.cpp @@     rules->amendSnapshot(); @@ 
engine/gameclassic.cpp @@     keepClocks();<NL>    showPosition(index); @@     showPosition(index);
engine/gameclassic.cpp @@     keepClocks();<NL>    std::ostringstream text; @@     std::ostringstream text;
engine/gcgwriter.cpp @@ std::find(nicks.begin(), nicks.end(), nick) != nicks.end(); ++k) @@ false; ++k)
engine/gcgwriter.cpp @@ return textencoding::isUtf8(name) ? name : textencoding::latin1ToUtf8(name); @@ return name;
engine/gcgimporter.cpp @@ rack.resize(std::min(rack.size(), std::max(held.size(), tiles.size()))); @@ rack.resize(std::min(rack.size(), std::size_t{kRackSize}));
engine/gcgimporter.cpp @@         if (!event.rackGiven && !giveTiles(event, letters))<NL>            return false; @@ 
tools/glyphplay/recordcommands.cpp @@         if (startsCharacter && characters == width) @@         if (characters == width)
ui/session/gamesession.cpp @@     m_chainHeld = locked() && !m_chainStopped; @@     m_chainHeld = true;
ui/session/gamesession.cpp @@     host.clearInterrupt();<NL>    m_worker @@     m_worker
ui/session/gamefilestate.cpp @@             print.addNumber(square.letter); @@ 
ui/session/gamesession.h @@ return m_turnRunning || m_chainTimer.isActive(); @@ return m_turnRunning;
engine/bag.cpp @@ return (tilesIn(set) + kRackSize - 1) / kRackSize; @@ return 16;
engine/game.cpp @@ if (geometry::isStandardLayout(premiumLists(m_preferences), storedRows, storedColumns)) { @@ if (false) {
base/datafolders.cpp @@ !isUsersOwn(folder, candidates) @@ !isUsersOwn({}, candidates)
ai/movegenerator.cpp @@ if (m_rows != m_columns)<NL>        return true; @@ if (m_rows != m_columns)<NL>        return false;
base/letters.cpp @@ if (letter != kNoPlainLetter)<NL>            plain += letter; @@ if (letter != kNoPlainLetter && letter != 'S')<NL>            plain += letter;
ai/leavetrainer.cpp @@ m_preferences(std::string(), &m_view) @@ m_preferences("Preferences.ini", &m_view)
ai/leavevalues.cpp @@ balanceValue(partial.vowels, partial.consonants) + correction(leave)); @@ balanceValue(partial.vowels, partial.consonants));
ai/leavevalues.cpp @@                 read.setCorrection(counts, value); @@                 ;
ai/leavevalues.cpp @@             if (++tiles > kMaxCorrectedTiles) @@             if (++tiles > kMaxCorrectedTiles + 1)
ai/leavetrainer.cpp @@ tally.sum += residuals[k] - mean; @@ tally.sum += residuals[k];
ai/leavetrainer.cpp @@ if (tally.count >= kMinCorrectionSamples) @@ if (tally.count > 0)
ai/endgamesolver.cpp @@     return other - mover; @@     return (mover == 0 ? mover + other : 0) - mover + other;
base/atomicfile.cpp @@ if (exists && ::access(target.c_str(), W_OK) != 0) { @@ if (false) {
engine/boardgeometry.cpp @@ if (namesASquare(row, column)) @@ if (true)
engine/game.cpp @@     if (!loaded) {<NL>        restoreSettings(*kept); @@     if (false) {<NL>        restoreSettings(*kept);
engine/game.cpp @@         std::swap(m_rules, rules);<NL>    }<NL>    restoreSettings(*kept); @@         std::swap(m_rules, rules);<NL>    }
ai/luawatchdog.cpp @@ lua_sethook(m_state, m_hook, LUA_MASKCOUNT, 1); @@ (void)m_hook;
EOF
)

mapfile -t lines <<<"$faults"
total=${#lines[@]}

field() { # field LINE N -> the Nth " @@ "-separated field (0, 1 or 2)
    local line=$1 rest
    case $2 in
    0) printf '%s' "${line%% @@ *}" ;;
    1) rest=${line#* @@ }; printf '%s' "${rest%% @@ *}" ;;
    2) printf '%s' "${line##* @@ }" ;;
    esac
}

# apply FILE FIND REPLACE: 0 when the text occurred exactly once and was replaced.
apply() {
    python3 - "$1" "$2" "$3" <<'PY'
import sys
path, find, replace = sys.argv[1], sys.argv[2].replace("<NL>", "\n"), sys.argv[3].replace("<NL>", "\n")
text = open(path, encoding="utf-8").read()
if text.count(find) != 1:
    sys.exit(1)
open(path, "w", encoding="utf-8").write(text.replace(find, replace))
PY
}

occurs_once() {
    python3 - "$1" "$2" <<'PY'
import sys
text = open(sys.argv[1], encoding="utf-8").read()
sys.exit(0 if text.count(sys.argv[2].replace("<NL>", "\n")) == 1 else 1)
PY
}

mode=run
every=0
selected=()
for arg in "$@"; do
    case $arg in
    --list) mode=list ;;
    --check) mode=check ;;
    --every) every=1 ;;
    *) selected+=("$arg") ;;
    esac
done
if [ ${#selected[@]} -eq 0 ]; then
    selected=($(seq 1 "$total"))
fi

if [ "$mode" = list ]; then
    for i in "${!lines[@]}"; do printf '%3d  %s\n' $((i + 1)) "${lines[$i]}"; done
    exit 0
fi

stale=0
for n in "${selected[@]}"; do
    line=${lines[$((n - 1))]}
    if ! occurs_once "$(field "$line" 0)" "$(field "$line" 1)"; then
        echo "stale  #$n: text not found exactly once: $line"
        stale=$((stale + 1))
    fi
done
if [ "$mode" = check ]; then
    echo "$stale stale of ${#selected[@]}"
    exit $((stale > 0))
fi

backup=$(mktemp -d)
current_file=""
restore() {
    if [ -n "$current_file" ] && [ -f "$backup/original" ]; then
        # A plain copy gives the restored file a new time, so that the next build compiles it again.
        cp "$backup/original" "$root/$current_file"
    fi
    current_file=""
}
cleanup() {
    restore
    rm -rf "$backup"
}
trap cleanup EXIT
trap 'echo "interrupted: $current_file restored"; exit 130' INT TERM

is_ui() { [[ $1 == ui/* ]]; }

build_targets() { # build_targets FILE
    if is_ui "$1"; then
        # shellcheck disable=SC2086
        cmake --build "$ui_build" --target $ui_tests -- -j2 >"$backup/build.log" 2>&1
    else
        cmake --build "$build" --target glyph_core_tests glyphdict glyphplay -- -j2 >"$backup/build.log" 2>&1
    fi
}

# run_tests FILE STOP: runs the tests that judge FILE into $backup/test.log; non-zero when one
# fails. With STOP set, stops at the first failure.
run_tests() {
    local status=0
    if ! is_ui "$1"; then
        timeout "$timeout_seconds" "$build/tests/glyph_core_tests" --gtest_brief=1 ${2:+--gtest_fail_fast} \
            >"$backup/test.log" 2>&1
        return
    fi
    : >"$backup/test.log"
    for test in $ui_tests; do
        (cd "$ui_build/tests" && QT_QPA_PLATFORM=offscreen timeout "$timeout_seconds" "./$test") \
            >>"$backup/test.log" 2>&1 || { status=1; echo "FAIL!  : $test (status $?)" >>"$backup/test.log"; }
        [ -n "$2" ] && [ "$status" -ne 0 ] && break
    done
    return $status
}

failing_tests() { # the names of the failing tests in $backup/test.log
    grep -E '^\[  FAILED  \] [A-Za-z]|^FAIL!  : ' "$backup/test.log" |
        sed 's/^\[  FAILED  \] //; s/ (.*//; s/^FAIL!  : //; s/(.*//' | sort -u
}

selected_ui=0
selected_core=0
for n in "${selected[@]}"; do
    file=$(field "${lines[$((n - 1))]}" 0)
    # Every file that a fault touches is compiled afresh from its clean text first, in case an
    # earlier run was stopped after a faulty build.
    touch "$file"
    if is_ui "$file"; then selected_ui=1; else selected_core=1; fi
done

# The unmutated builds (with the data that the programs read from dist/) must pass, or no fault
# can be told apart.
if [ "$selected_core" -eq 1 ]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DGLYPH_BUILD_UI=OFF -DGLYPH_UNITY_BUILD=OFF \
        -DGLYPH_BUILD_BENCH=OFF >/dev/null || exit 1
    if ! cmake --build "$build" -- -j2 >"$backup/build.log" 2>&1 || ! build_targets engine ||
        ! run_tests engine ""; then
        echo "the unmutated core tests do not build or pass; see $build" >&2
        cat "$backup/build.log" "$backup/test.log" >&2
        exit 1
    fi
fi
if [ "$selected_ui" -eq 1 ]; then
    cmake -S . -B "$ui_build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DGLYPH_BUILD_UI=ON -DGLYPH_UNITY_BUILD=OFF \
        -DGLYPH_BUILD_BENCH=OFF >/dev/null || exit 1
    if ! cmake --build "$ui_build" -- -j2 >"$backup/build.log" 2>&1 || ! build_targets ui/ ||
        ! run_tests ui/ ""; then
        echo "the unmutated widget tests do not build or pass; see $ui_build" >&2
        cat "$backup/build.log" "$backup/test.log" >&2
        exit 1
    fi
fi

caught=0
missed=0
counted=0
missed_list=()
for n in "${selected[@]}"; do
    line=${lines[$((n - 1))]}
    file=$(field "$line" 0)
    find=$(field "$line" 1)
    replace=$(field "$line" 2)
    cp -p "$file" "$backup/original"
    current_file=$file
    if ! apply "$file" "$find" "$replace"; then
        restore
        continue # already reported as stale
    fi
    counted=$((counted + 1))
    if ! build_targets "$file"; then
        result="caught (build fails)"
        caught=$((caught + 1))
    else
        stop=1
        shown=3
        if [ "$every" -eq 1 ]; then
            stop=
            shown=1000
        fi
        run_tests "$file" "$stop"
        status=$?
        failing=$(failing_tests | head -$shown | tr '\n' ' ')
        if [ "$status" -ne 0 ]; then
            result="caught by ${failing:-a crash or timeout (status $status)}"
            caught=$((caught + 1))
        else
            result="MISSED"
            missed=$((missed + 1))
            missed_list+=("#$n $file: $find")
        fi
    fi
    restore
    echo "#$n $file: $result"
done
# Leave the builds as the sources are, so that later runs start from a clean state.
[ "$selected_core" -eq 1 ] && build_targets engine
[ "$selected_ui" -eq 1 ] && build_targets ui/

echo
if [ ${#missed_list[@]} -gt 0 ]; then
    echo "missed:"
    printf '  %s\n' "${missed_list[@]}"
fi
[ "$stale" -gt 0 ] && echo "$stale stale faults not counted"
echo "caught $caught of $counted"
