#include "synthetic_dict.h"

#include <cstdint>
#include <iterator>

#include "base/letter_case.h"
#include "base/utf8.h"
#include "dict_writer.h"

namespace dictdb {
namespace {

// Syllables without the letters of kRareFragment, so only the marked names contain it.
constexpr const char* kLatin[] = {"ba", "ko", "ri", "mel", "dan", "tor", "vi", "sen", "lu", "mor",
                                  "pa", "ne", "st", "gra", "fi", "hol", "je", "wen", "cu", "bro"};
constexpr const char* kCyrillic[] = {"мо", "дуль", "ра", "ско", "вет", "пи", "ло", "на", "гре", "тур",
                                     "сен", "ка", "шу", "бор", "лей", "жи", "фа", "цо", "юн", "ще"};
constexpr const char* kWords[] = {"модуль", "данные", "запись", "файл", "поиск", "список", "окно", "поле",
                                  "module", "buffer", "record", "index", "stream", "value", "reader", "table",
                                  "хранит", "читает", "пишет", "строки", "значения", "таблицы", "для", "и"};

class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 1) {}
    std::uint64_t next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 7;
        state_ ^= state_ << 17;
        return state_;
    }
    template <typename T, std::size_t N>
    const T& pick(const T (&items)[N]) { return items[next() % N]; }

private:
    std::uint64_t state_;
};

std::string syntheticName(Random& random, std::size_t index) {
    std::string name;
    const bool cyrillic = random.next() % 2 == 0;
    while (name.size() < (cyrillic ? 34u : 18u)) {  // about 20 letters either way
        name += cyrillic ? random.pick(kCyrillic) : random.pick(kLatin);
    }
    name = base::toUpper(name.substr(0, cyrillic ? 2 : 1)) + name.substr(cyrillic ? 2 : 1);
    if (index % kRareEvery == kRareEvery / 2) name.insert(name.size() / 2, kRareFragment);
    return name + " " + std::to_string(index % 1000);
}

std::string syntheticDescription(Random& random) {
    std::string text;
    while (base::utf8Length(text) < 500) {
        if (!text.empty()) text += ' ';
        text += random.pick(kWords);
        if (random.next() % 9 == 0) text += '.';
    }
    return text + ".";
}

}  // namespace

void writeSyntheticDict(const std::string& path, std::size_t count, bool indexNames) {
    DictWriter writer(path);
    Random random(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::string name = syntheticName(random, i);
        writer.add(name, syntheticDescription(random));
    }
    writer.finish(indexNames);
}

}  // namespace dictdb
