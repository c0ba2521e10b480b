#include "ui/common/datachoices.h"

#include <QDir>

#include <filesystem>
#include <string>

#include "base/datafolders.h"

namespace glyph::datachoices
{

namespace
{

QString absolutePath(const std::filesystem::path& path)
{
    return QDir(QString::fromStdString(path.empty() ? std::string(".") : path.string())).absolutePath();
}

} // namespace

QStringList names(const DataFolders& folders, const char* folder, const char* extension)
{
    QStringList listed;
    for (const std::string& name : folders.list(folder, extension))
        listed << QString::fromStdString(name);
    return listed;
}

QStringList places(const DataFolders& folders, const char* folder)
{
    QStringList shown{saveStart(folders, folder), absolutePath(folders.shipped() / folder)};
    shown.removeDuplicates();
    return shown;
}

QString openStart(const DataFolders& folders, const char* folder, const char* extension)
{
    const DataFolders userOnly(folders.user(), folders.user(), folders.config());
    return userOnly.list(folder, extension).empty() ? absolutePath(folders.shipped() / folder)
                                                    : saveStart(folders, folder);
}

QString saveStart(const DataFolders& folders, const char* folder)
{
    folders.ensureUserFolder(folder);
    return absolutePath(folders.user() / folder);
}

} // namespace glyph::datachoices
