#include "skin/manager/skin_paths.h"

#include <filesystem>
#include <system_error>

#include "base/file.h"
#include "base/letter_case.h"
#include "skin/pack/skin_convertor.h"

namespace skin {

namespace {

bool isAbsolute(std::string_view dir)
{
    return dir.starts_with('/') || dir.find(':') != std::string_view::npos || dir.find("\\\\") != std::string_view::npos;
}

bool holdsOptions(const std::filesystem::path& folder)
{
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(folder, ec))
        if (base::equalsIgnoreCase(e.path().filename().string(), kOptionsFileName) && e.is_regular_file()) return true;
    return false;
}

}  // namespace

std::string fullSkinDirectory(std::string_view dir, std::string_view program)
{
    if (dir.starts_with(".."))
        return base::joinPath(base::parentPath(program), dir.size() > 3 ? dir.substr(3) : std::string_view());
    if (dir.starts_with("./") || dir.starts_with(".\\")) return base::joinPath(program, dir.substr(2));
    if (!isAbsolute(dir)) return base::joinPath(program, dir);
    return std::string(dir);
}

std::vector<std::string> skinsInFolder(const std::string& folder, int kind)
{
    std::vector<std::string> names;
    std::error_code ec;
    if (!base::directoryExists(folder)) return names;
    for (const auto& e : std::filesystem::directory_iterator(folder, ec)) {
        const std::string name = e.path().filename().string();
        if (name.starts_with('.')) continue;
        if ((kind == 0 || kind == 2) && e.is_directory(ec) && holdsOptions(e.path())) names.push_back(name);
        if ((kind == 1 || kind == 2) && e.is_regular_file(ec) && e.path().extension() == ".asz")
            names.push_back(name.substr(0, name.find('.')));
    }
    return names;
}

std::string programFolder()
{
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::current_path(ec).string() : exe.parent_path().string();
}

}  // namespace skin
