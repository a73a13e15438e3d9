#include "skin/pack/load_packed_skin_file.h"

#include "base/file.h"

namespace skin {

bool LoadPackedSkinFile(const std::string& path, std::unique_ptr<TacSkinConvertor>& convertor,
                        bool freePackedData, const SkinWarning& warning)
{
    if (!base::fileExists(path)) return false;
    if (convertor) {
        convertor->Clear();
    } else {
        convertor = std::make_unique<TacSkinConvertor>();
        convertor->Warning = warning;
    }
    const std::string bytes = base::readFileBytes(path, TacSkinConvertor::kMaxTotalBytes);
    convertor->setPackedData(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
    struct FreeAfter {
        TacSkinConvertor& c;
        bool on;
        ~FreeAfter()
        {
            if (on) c.freePackedData();
        }
    } freeAfter{*convertor, freePackedData};
    return convertor->ExtractPackedData(path);
}

}  // namespace skin
