#pragma once

#include <atomic>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace glyph::test
{

/// A fresh folder under the system's temporary folder, removed with everything in it.
class TempDir
{
public:
    TempDir()
    {
        static std::atomic<int> serial{0};
        m_path = std::filesystem::temp_directory_path() /
                 ("glyph-test-" + std::to_string(std::random_device{}()) + "-" + std::to_string(serial++));
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
    }
    ~TempDir()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    /// Path of a file name inside the folder.
    std::string file(const std::string& name) const { return (m_path / name).string(); }
    /// Writes the bytes of text to a file in the folder and returns its path.
    std::string write(const std::string& name, const std::string& text) const
    {
        std::ofstream out(file(name), std::ios::binary);
        out << text;
        return file(name);
    }
    /// The whole content of a file in the folder (empty when missing).
    std::string read(const std::string& name) const
    {
        std::ifstream in(file(name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

} // namespace glyph::test
