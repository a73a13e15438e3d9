// sentavia-skinart: draws a skin's pictures from its look, writes its options from the shared
// template, and packs them as an archive, a folder, or the program's embedded skin.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "art.h"
#include "base/error.h"
#include "base/file.h"
#include "base/text_file.h"
#include "gfx/bmp_file.h"
#include "look.h"
#include "skin/pack/archive_writer.h"

namespace {

std::vector<std::uint8_t> bytesOf(const std::string& s) { return {s.begin(), s.end()}; }

// The skin's files, in the order the archive keeps them.
std::vector<skin::ArchiveFile> skinFiles(const skinart::Look& look, const std::string& templatePath)
{
    const std::string options = skinart::fillTemplate(base::readTextFile(templatePath).text, look);
    return {
        {"Options.dat", bytesOf(options)},
        {"ButtonHuge.bmp", gfx::writeBmp(skinart::drawHugeButton(look))},
        {"Master.bmp", gfx::writeBmp(skinart::drawMaster(look))},
        {"tl.bmp", gfx::writeBmp(skinart::drawTitleSheen(look))},
        {"GlowBtn.PNG", skinart::drawGlowPng(look)},
    };
}

void write(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    base::writeFileBytes(path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

std::string cppSource(const std::vector<std::uint8_t>& archive)
{
    std::string s =
        "// Made by sentavia-skinart from skins/beijing.look at build time; not to be edited.\n"
        "#include \"skin/internal/internal_skin.h\"\n\n"
        "namespace skin {\n\nnamespace {\n\nconst std::uint8_t kArchive[] = {\n";
    char buf[8];
    for (std::size_t i = 0; i < archive.size(); ++i) {
        std::snprintf(buf, sizeof buf, "%u,", unsigned(archive[i]));
        s += buf;
        if (i % 24 == 23) s += '\n';
    }
    s += "\n};\n\n}  // namespace\n\n"
         "std::span<const std::uint8_t> internalSkinArchive() { return {kArchive, sizeof kArchive}; }\n\n"
         "}  // namespace skin\n";
    return s;
}

int usage()
{
    std::fprintf(stderr,
                 "usage: sentavia-skinart LOOK TEMPLATE archive FILE.asz [SOURCE.cpp]\n"
                 "       sentavia-skinart LOOK TEMPLATE folder FOLDER\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 5) return usage();
    const std::vector<std::string> args(argv + 1, argv + argc);
    try {
        const skinart::Look look = skinart::readLook(args[0]);
        const std::vector<skin::ArchiveFile> files = skinFiles(look, args[1]);
        if (args[2] == "archive") {
            const std::vector<std::uint8_t> archive = skin::packSkinArchive(files);
            write(args[3], archive);
            if (args.size() > 4) write(args[4], bytesOf(cppSource(archive)));
        } else if (args[2] == "folder") {
            std::filesystem::create_directories(args[3]);
            for (const auto& f : files) write(base::joinPath(args[3], f.name), f.bytes);
        } else {
            return usage();
        }
    } catch (const base::Error& e) {
        std::fprintf(stderr, "sentavia-skinart: %s\n", e.what());
        return 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "sentavia-skinart: %s\n", e.what());
        return 1;
    }
    return 0;
}
