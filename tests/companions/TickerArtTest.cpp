// The ticker's bitmaps in res/ are what the skin generator draws.
#include "tools/skingen/BmpFile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include <stdlib.h> // mkdtemp

TEST(TickerArt, GeneratorReproducesTheCommittedFiles) {
    std::string folder = (std::filesystem::temp_directory_path() / "skingen-XXXXXX").string();
    ASSERT_NE(mkdtemp(folder.data()), nullptr);
    ASSERT_EQ(std::system(("'" SKINGEN_PATH "' '" + folder + "'").c_str()), 0);
    for (const char* name : {"ticker.bmp", "digits.bmp"}) {
        const auto fresh = skingen::ReadFileBytes(folder + "/" + name);
        const auto committed = skingen::ReadFileBytes(SKIN_RES_DIR "/" + std::string(name));
        ASSERT_TRUE(fresh && committed) << name;
        EXPECT_TRUE(*fresh == *committed) << name << ": res/ is stale, run regenerate-skin";
    }
    std::filesystem::remove_all(folder);
}
