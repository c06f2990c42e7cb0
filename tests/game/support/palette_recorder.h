// test::PaletteRecorder: a screen whose editor palette is recorded instead of being
// put into the "editor" window, for the screens' palette tests.
#pragma once
#include <cstdint>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

namespace test {

struct PaletteItem {
    std::string icon;
    int32_t type = 0;
    std::string descriptor;

    bool operator==(const PaletteItem& other) const
    {
        return std::tie(icon, type, descriptor) == std::tie(other.icon, other.type, other.descriptor);
    }
};

inline std::ostream& operator<<(std::ostream& out, const PaletteItem& item)
{
    return out << "{" << item.icon << ", " << item.type << ", " << item.descriptor << "}";
}

template <class Screen>
class PaletteRecorder : public Screen {
public:
    void ClearSecondList() override
    {
        ++clears;
        items.clear();
    }
    void AddSecondItem(const std::string& icon, int32_t data, const std::string& itemName, int32_t /*frame*/) override
    {
        items.push_back(PaletteItem{icon, data, itemName});
    }

    int clears = 0;
    std::vector<PaletteItem> items;
};

}  // namespace test
