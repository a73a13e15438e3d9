#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "plat/controls/edit_layout.h"
#include "plat/controls/edit_text.h"

namespace plat {

// Widths of a text from its start to marks about kStep code points apart, so that positions on a
// line of any length are found by measuring at most a step or two. Marks are made as far as they
// are asked for and moved along by changes; a change measures only the text it put in.
class EditWidthIndex {
public:
    static constexpr std::size_t kStep = 1024;

    // Forgets every mark (another font, another way of showing the text).
    void reset() { marks_.assign(1, Mark{}); }
    // After a change of the text (which is already the new one).
    void update(std::u32string_view text, const EditChange& change, const EditMeasure& measure);

    // The width of text[0, index).
    std::int64_t x(std::u32string_view text, std::size_t index, const EditMeasure& measure);
    // The greatest index in [from, to] whose x is at most target (from when none is), with its x.
    std::size_t fit(std::u32string_view text, std::size_t from, std::size_t to, std::int64_t target,
                    const EditMeasure& measure, std::int64_t& fitX);

private:
    struct Mark {
        std::size_t at = 0;
        std::int64_t x = 0;
    };
    // Makes marks up to index, or until one lies beyond width `upToX`.
    void extend(std::u32string_view text, std::size_t index, std::int64_t upToX, const EditMeasure& measure);
    const Mark& markAtOrBefore(std::size_t index) const;

    std::vector<Mark> marks_{Mark{}};
};

}  // namespace plat
