// Temporary folders for tests: unique below the system temp folder.
#include "tests/support/temp_folder.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <system_error>

namespace test {

TempFolder::TempFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "kelvara-test-XXXXXX").string();
    if (char* made = mkdtemp(pattern.data()))
        path_ = made;
}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    // Tests may leave read-only folders behind; make them writable before removal.
    for (auto it = std::filesystem::recursive_directory_iterator(path_, ignored);
         it != std::filesystem::recursive_directory_iterator(); it.increment(ignored)) {
        if (it->is_directory(ignored) && !it->is_symlink(ignored))
            std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                         std::filesystem::perm_options::add, ignored);
    }
    std::filesystem::remove_all(path_, ignored);
}

std::string TempFolder::Write(const std::string& relative, const std::string& bytes) const
{
    std::filesystem::path file = path_ / relative;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary);
    out << bytes;
    return file.string();
}

std::string TempFolder::Read(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::stringstream all;
    all << in.rdbuf();
    return all.str();
}

}  // namespace test
