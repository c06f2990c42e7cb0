// A temporary folder for one test, removed with everything in it at the end.
#pragma once
#include <filesystem>
#include <string>

namespace test {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::string Str() const { return path_.string(); }
    // Writes a file below the folder (making its parents) and returns its full path.
    std::string Write(const std::string& relative, const std::string& bytes) const;
    // Reads a whole file; empty when it does not exist.
    static std::string Read(const std::filesystem::path& file);

private:
    std::filesystem::path path_;
};

}  // namespace test
