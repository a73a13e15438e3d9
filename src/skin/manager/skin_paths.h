#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace skin {

// The skin folder as a path, from the SkinDirectory property and the program's folder:
// "../X" is X beside the program's folder, "./X" and a bare "X" lie inside it, and an absolute
// path ("/...", or a drive path such as "c:\Skins", which exists nowhere here) stays as it is.
std::string fullSkinDirectory(std::string_view skinDirectory, std::string_view programFolder);

// Skins in a folder: kind 0 folders holding an options file, 1 packed ".asz" files (named up to
// their first "."), 2 both. Entries starting with "." are skipped.
std::vector<std::string> skinsInFolder(const std::string& folder, int kind);

// The folder the running program lies in.
std::string programFolder();

}  // namespace skin
