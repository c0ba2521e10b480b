#pragma once

#include <QString>
#include <QStringList>

namespace glyph
{

class DataFolders;

/// What the lists and file choosers of data files offer: the user's files and the shipped
/// ones together, a user's file of the same name standing for the shipped one, as the game
/// finds them (`DataFolders`).
namespace datachoices
{

/// The names of a data folder's files ("Profiles", ".cpu") for a list, sorted, each once.
QStringList names(const DataFolders& folders, const char* folder, const char* extension);
/// The folders a file chooser of that data folder shows side by side: the user's (created
/// when missing) and the shipped one, each once, as absolute paths.
QStringList places(const DataFolders& folders, const char* folder);
/// Where a chooser that opens such a file starts: the user's folder when it holds one, else
/// the shipped folder.
QString openStart(const DataFolders& folders, const char* folder, const char* extension);
/// Where a chooser that saves such a file starts: the user's folder, created when missing.
QString saveStart(const DataFolders& folders, const char* folder);

} // namespace datachoices
} // namespace glyph
