// sentavia-skin: packs, unpacks and checks skins for skin authors.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "base/error.h"
#include "base/file.h"
#include "base/letter_case.h"
#include "contact_sheet.h"
#include "gfx/image_file.h"
#include "opened_skin.h"
#include "skin/pack/archive_writer.h"
#include "skin_report.h"

namespace {

namespace fs = std::filesystem;

int usage()
{
    std::fprintf(stderr,
                 "usage: sentavia-skin pack FOLDER FILE.asz\n"
                 "       sentavia-skin unpack FILE.asz FOLDER\n"
                 "       sentavia-skin unpack --internal FOLDER\n"
                 "       sentavia-skin check SKIN          (a folder or an archive; --internal for ours)\n"
                 "       sentavia-skin sheet SKIN FILE.png [SCALE [X Y W H]] (the master with every entry marked)\n");
    return 2;
}

void pack(const std::string& folder, const std::string& file)
{
    std::vector<skin::ArchiveFile> files;
    for (const auto& e : fs::directory_iterator(folder)) {
        if (!e.is_regular_file()) continue;
        const std::string name = e.path().filename().string();
        const std::string bytes = base::readFileBytes(e.path().string());
        files.push_back({name, std::vector<std::uint8_t>(bytes.begin(), bytes.end())});
    }
    // The options first, then the images by name, so that the same folder packs the same way.
    std::sort(files.begin(), files.end(), [](const skin::ArchiveFile& a, const skin::ArchiveFile& b) {
        const bool ao = base::equalsIgnoreCase(a.name, skin::kOptionsFileName);
        const bool bo = base::equalsIgnoreCase(b.name, skin::kOptionsFileName);
        if (ao != bo) return ao;
        return a.name < b.name;
    });
    if (files.empty() || !base::equalsIgnoreCase(files.front().name, skin::kOptionsFileName))
        throw base::Error(folder + " holds no " + skin::kOptionsFileName);
    const std::vector<std::uint8_t> archive = skin::packSkinArchive(files);
    base::writeFileBytes(file, std::string_view(reinterpret_cast<const char*>(archive.data()), archive.size()));
    std::printf("%s: %zu files, %zu bytes\n", file.c_str(), files.size(), archive.size());
}

void unpack(const skintool::OpenedSkin& s, const std::string& folder)
{
    fs::create_directories(folder);
    auto write = [&](const std::string& name, const std::vector<std::uint8_t>& bytes) {
        base::writeFileBytes(base::joinPath(folder, name),
                             std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    };
    write(skin::kOptionsFileName, s.archive->Options->bytes());
    for (const auto& f : s.archive->Files) write(f.Name, f.Data.bytes());
    std::printf("%s: %zu files\n", folder.c_str(), s.archive->Files.size() + 1);
}

skintool::OpenedSkin open(const std::string& what)
{
    return what == "--internal" ? skintool::openInternalSkin() : skintool::openSkin(what);
}

int check(const std::string& what)
{
    const skintool::OpenedSkin s = open(what);
    std::vector<skin::SkinProblem> problems;
    const skin::LoadedSkin loaded = s.load(&problems);
    skintool::printSkin(stdout, loaded);
    if (loaded.MasterBitmap.empty()) problems.push_back({"GLOBALINFO", "MASTERBITMAP", 0, "no master bitmap", true});
    skintool::printProblems(stdout, problems);
    std::printf("%s: %zu problems\n", s.name.c_str(), problems.size());
    return problems.empty() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> a(argv + 1, argv + argc);
    try {
        if (a.size() == 3 && a[0] == "pack") {
            pack(a[1], a[2]);
        } else if (a.size() == 3 && a[0] == "unpack") {
            const skintool::OpenedSkin s = a[1] == "--internal" ? skintool::openInternalSkin() : skintool::openSkin(a[1]);
            if (!s.archive) throw base::Error(a[1] + " is a folder, not an archive");
            unpack(s, a[2]);
        } else if (a.size() == 2 && a[0] == "check") {
            return check(a[1]);
        } else if ((a.size() == 3 || a.size() == 4 || a.size() == 8) && a[0] == "sheet") {
            const skintool::OpenedSkin s = open(a[1]);
            const int scale = a.size() > 3 ? std::clamp(std::stoi(a[3]), 1, 16) : 4;
            gfx::Rect region;
            if (a.size() == 8) region = gfx::Rect::fromSize(std::stoi(a[4]), std::stoi(a[5]), std::stoi(a[6]), std::stoi(a[7]));
            gfx::savePng(skintool::drawContactSheet(s.load(nullptr), scale, region), a[2]);
        } else {
            return usage();
        }
    } catch (const base::Error& e) {
        std::fprintf(stderr, "sentavia-skin: %s\n", e.what());
        return 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "sentavia-skin: %s\n", e.what());
        return 1;
    }
    return 0;
}
