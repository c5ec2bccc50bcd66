#include "tests/vbmp3/support/EncodedFiles.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace vbmp3test {

EncodedFiles::EncodedFiles() {
    std::string pattern = (std::filesystem::temp_directory_path() / "vbmp3-files-XXXXXX").string();
    const char* made = mkdtemp(pattern.data());
    if (!made) ADD_FAILURE() << "cannot create a temporary folder";
    m_strFolder = made ? made : "";
}

EncodedFiles::~EncodedFiles() {
    std::error_code ignored;
    if (!m_strFolder.empty()) std::filesystem::remove_all(m_strFolder, ignored);
}

int EncodedFiles::Run(const std::string& command) const {
    const std::string inFolder = "cd '" + m_strFolder + "' && " + command + " >/dev/null 2>&1";
    return std::system(inFolder.c_str());
}

std::string EncodedFiles::Encode(const std::string& name, double seconds, int sampleRate,
                                 int channels, const std::string& lameOptions) {
    const std::string wav = name + ".wav";
    EXPECT_EQ(Run("sox -n -r " + std::to_string(sampleRate) + " -c " + std::to_string(channels) +
                  " -b 16 '" + wav + "' synth " + std::to_string(seconds) + " sine 440"),
              0);
    EXPECT_EQ(Run("lame --quiet " + lameOptions + " '" + wav + "' '" + name + "'"), 0);
    return Path(name);
}

} // namespace vbmp3test
