#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace glyph
{

/// Where a program keeps its files: the shipped data (dictionaries, sets, profiles, help),
/// the user's own files (saved games, exports, own profiles, dictionaries and sets) and the
/// folder of "Preferences.ini". A portable copy keeps all three in one folder; an installed
/// program reads the shipped data from its share folder and keeps the rest in the user's
/// folders. The programs find the candidate folders; this class only chooses among them and
/// resolves data names such as "Sets/English.set" against the choice.
class DataFolders
{
public:
    /// The folders a program knows of when it starts; an empty one is unknown.
    struct Candidates {
        std::filesystem::path working;    ///< the working folder
        std::filesystem::path program;    ///< the folder of the running program
        std::filesystem::path installed;  ///< the installed share folder (".../share/glyphmosaic")
        std::filesystem::path userData;   ///< the user's data folder ("~/.local/share/glyphmosaic")
        std::filesystem::path userConfig; ///< the user's configuration folder ("~/.config/glyphmosaic")
    };

    /// Everything relative to the working folder, as a portable copy run from its own folder.
    DataFolders() = default;
    /// Shipped data read from `shipped`, the user's files in `user`, "Preferences.ini" in `config`.
    DataFolders(std::filesystem::path shipped, std::filesystem::path user, std::filesystem::path config);
    /// Data, the user's files and the preferences all in one folder.
    static DataFolders portable(const std::filesystem::path& folder);

    /// A portable copy in the working folder when it holds the data and is writable, else in
    /// the program's folder when that does; else the data of the program's folder or of the
    /// installed share folder (the first that holds it) with the user's folders, when both
    /// of those are known; else the working folder.
    static DataFolders choose(const Candidates& candidates);

    const std::filesystem::path& shipped() const { return m_shipped; }
    const std::filesystem::path& user() const { return m_user; }
    const std::filesystem::path& config() const { return m_config; }
    /// True when the shipped data and the user's files share one folder.
    bool isPortable() const { return m_shipped == m_user; }

    /// The path of "Preferences.ini".
    std::string preferencesFile() const;
    /// The file a data name such as "Sets/English.set" stands for: the user's copy when it
    /// exists, else the shipped one when that exists, else the user's path. An absolute name
    /// is returned as it is.
    std::string find(const std::string& name) const;
    /// Where the user's copy of a data name goes ("Games/Mine.tc" in the user's folder); an
    /// absolute name is returned as it is.
    std::string userFile(const std::string& name) const;
    /// The names of the regular files in a data folder ("Profiles") that end in `extension`
    /// (".cpu", in any case): the user's and the shipped ones together, each name once (a
    /// user's file of the same name stands for the shipped one, as `find` has it), sorted
    /// without regard to case; at most kMaxListed names from each folder.
    std::vector<std::string> list(const std::string& folder, const std::string& extension) const;
    /// Most names `list` reads from one folder.
    static constexpr std::size_t kMaxListed = 10000;
    /// The user's folder of a data folder ("Profiles"), created when missing; where a file
    /// chooser that saves starts. Empty when it cannot be made.
    std::string ensureUserFolder(const std::string& folder) const;
    /// Creates the configuration folder and the user's folder with its "Games" when missing;
    /// false when one cannot be made.
    bool createUserFolders() const;

private:
    std::filesystem::path m_shipped;
    std::filesystem::path m_user;
    std::filesystem::path m_config;
};

} // namespace glyph
