// A fresh folder under the temporary folder, removed with everything in it when the
// object goes, also when a test fails.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

class CTempDir {
public:
    CTempDir()
    {
        std::string strTemplate = (std::filesystem::temp_directory_path() / "brelvin-shell-XXXXXX").string();
        if (mkdtemp(strTemplate.data()) != nullptr) {
            m_strPath = strTemplate;
        }
    }
    ~CTempDir()
    {
        std::error_code ec;
        if (!m_strPath.empty()) {
            std::filesystem::remove_all(m_strPath, ec);
        }
    }
    CTempDir(const CTempDir&) = delete;
    CTempDir& operator=(const CTempDir&) = delete;

    bool IsValid() const { return !m_strPath.empty(); }
    const std::string& Path() const { return m_strPath; }
    std::string Path(const std::string& strRelative) const { return m_strPath + "/" + strRelative; }

    // Writes strText to the relative path, making its folders; with bExecutable it can run.
    std::string Write(const std::string& strRelative, const std::string& strText, bool bExecutable = false) const
    {
        std::filesystem::path path = Path(strRelative);
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path) << strText;
        if (bExecutable) {
            std::filesystem::permissions(path, std::filesystem::perms::owner_all);
        }
        return path.string();
    }

    std::string Read(const std::string& strRelative) const
    {
        std::ifstream file(Path(strRelative));
        return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }

    bool Exists(const std::string& strRelative) const { return std::filesystem::exists(Path(strRelative)); }

private:
    std::string m_strPath;
};
