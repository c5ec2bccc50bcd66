// Real MP3 files made at test time with lame, sox, id3v2 and eyeD3 in a temporary folder.
#ifndef TESTS_VBMP3_SUPPORT_ENCODEDFILES_H
#define TESTS_VBMP3_SUPPORT_ENCODEDFILES_H

#include <string>

namespace vbmp3test {

class EncodedFiles {
public:
    EncodedFiles();  // creates the folder
    ~EncodedFiles(); // removes it with everything made in it
    EncodedFiles(const EncodedFiles&) = delete;
    EncodedFiles& operator=(const EncodedFiles&) = delete;

    const std::string& Folder() const { return m_strFolder; }
    std::string Path(const std::string& name) const { return m_strFolder + "/" + name; }

    // A sine of `seconds` at `sampleRate` Hz, encoded by lame with `lameOptions` into `name`.
    // Returns the path; fails the test when a tool fails.
    std::string Encode(const std::string& name, double seconds, int sampleRate, int channels,
                       const std::string& lameOptions);
    // Runs a shell command (the folder is the working directory); returns its exit status.
    int Run(const std::string& command) const;

private:
    std::string m_strFolder;
};

} // namespace vbmp3test

#endif
