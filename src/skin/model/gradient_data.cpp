#include <algorithm>

#include "skin/model/general_data.h"
#include "skin/options/option_values.h"

namespace skin {

TsGradArray parseGradientData(std::string_view text)
{
    std::vector<std::int32_t> numbers;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(';', start);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view piece = text.substr(start, end - start);
        start = end + 1;
        if (piece.empty()) continue;
        const auto n = parseOptionInteger(piece);
        if (!n) return {};
        numbers.push_back(*n);
    }
    TsGradArray steps(numbers.size() / 5);
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const std::int32_t* g = &numbers[i * 5];
        steps[i].Color1 = gfx::Color(g[0]);
        steps[i].Color2 = gfx::Color(g[1]);
        steps[i].Percent = std::clamp(g[2], 0, 100);
        steps[i].Mode = g[3];
    }
    return steps;
}

}  // namespace skin
