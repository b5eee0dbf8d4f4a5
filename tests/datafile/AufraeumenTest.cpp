#include "Datei.h"
#include "Wertepaare.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

namespace tk {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> dateien(const fs::path& ordner) {
    std::vector<std::string> namen;
    for (const auto& e : fs::directory_iterator(ordner)) namen.push_back(e.path().filename());
    std::sort(namen.begin(), namen.end());
    return namen;
}

// A save leaves nothing but the file; leftovers of a killed save of the same target are
// removed, those of a save still running (this process) and of other files stay.
TEST(Speichern, RaeumtVerwaisteTempDateienAuf) {
    const fs::path ordner =
        fs::temp_directory_path() / ("tk-aufraeumen-" + std::to_string(::getpid()));
    fs::create_directories(ordner);
    const std::string eigen = ".daten.rgr.tmp-" + std::to_string(::getpid()) + "-7";
    for (const std::string& n :
         std::vector<std::string>{".daten.rgr.tmp-999999999-3", ".daten.rgr.tmp-999999999-u4",
                                  eigen, ".andere.rgr.tmp-999999999-1", ".daten.rgr.tmp-abc"})
        std::ofstream(ordner / n) << "x";
    speichern((ordner / "daten.rgr").string(), test::zustandMit({{2, 3}, {3, 4}, {4, 5}, {5, 7}}));
    std::vector<std::string> bleiben = {".andere.rgr.tmp-999999999-1", ".daten.rgr.tmp-abc", eigen,
                                        "daten.rgr"};
    std::sort(bleiben.begin(), bleiben.end());
    EXPECT_EQ(dateien(ordner), bleiben);
    fs::remove_all(ordner);
}

} // namespace
} // namespace tk
