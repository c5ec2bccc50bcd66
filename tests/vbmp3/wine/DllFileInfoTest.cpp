// VBMP3.DLL's vbmp3_getFileInfo under Wine, as the player calls it: through the import library,
// with code page 932 paths, on files made by lame and the taggers (make-sample-files.sh).
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "tests/support/TempFolder.h"
#include "vbmp3/vbmp3.h"

namespace {

// The folder of the sample files, given as a Linux path by the test's environment.
std::string SampleFile(const std::string& name) {
    const char* folder = std::getenv("VBMP3_SAMPLE_FILES");
    std::string path = std::string("Z:") + (folder ? folder : "") + "/" + name;
    for (char& c : path)
        c = c == '/' ? '\\' : c;
    return path;
}

// The records as the player sees them: raw bytes at fixed offsets.
struct RawRecords {
    unsigned char tag[652];
    unsigned char stream[56];
    RawRecords() {
        std::memset(tag, 0xCD, sizeof tag);
        std::memset(stream, 0xCD, sizeof stream);
    }
    BOOL Read(const std::string& path) {
        return vbmp3_getFileInfo(path.c_str(), reinterpret_cast<VBMP3_TAG_INFO*>(tag),
                                 reinterpret_cast<VBMP3_STREAM_INFO*>(stream));
    }
    std::string Title() const { return reinterpret_cast<const char*>(tag); }
    std::string Artist() const { return reinterpret_cast<const char*>(tag + 128); }
    INT32 Seconds() const {
        INT32 s;
        std::memcpy(&s, stream + 52, sizeof s);
        return s;
    }
    const VBMP3_STREAM_INFO& Stream() const {
        return *reinterpret_cast<const VBMP3_STREAM_INFO*>(stream);
    }
};

// Copies a sample into `folder` under `name`; returns the new path.
std::string CopyInto(const std::string& sample, const std::string& folder,
                     const std::string& name) {
    const std::string target = folder + "\\" + name;
    EXPECT_TRUE(CopyFileA(SampleFile(sample).c_str(), target.c_str(), FALSE)) << target;
    return target;
}

TEST(DllFileInfo, JapanesePathsWithBackslashTrailBytesOpen) {
    // 表, ソ, 能 and 十 end in 0x5C, the backslash: a byte-wise path split would break them.
    CTempFolder root("表ソ能十");
    const std::string folder = root / "ソフト表示";
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    const std::string path = CopyInto("tagged.mp3", folder, "能十表.mp3");

    RawRecords records;
    ASSERT_TRUE(records.Read(path));
    EXPECT_EQ(records.Title(), "夜明け\x81\x60前");
    EXPECT_EQ(records.Artist(), "歌う人");
    EXPECT_EQ(records.Seconds(), 3);
    EXPECT_EQ(records.Stream().nTotalMs, 3500);
    EXPECT_EQ(records.Stream().nSampleRate, 44100);
    EXPECT_EQ(records.Stream().nLengthSource, VBMP3_LENGTH_XING);
    EXPECT_EQ(records.tag[651], 0); // reserved bytes are zero, not left as they were
}

TEST(DllFileInfo, VbrAndShiftJisTaggedFiles) {
    CTempFolder root("曲");
    RawRecords vbr;
    ASSERT_TRUE(vbr.Read(CopyInto("vbr.mp3", root.Path(), "可変.mp3")));
    EXPECT_EQ(vbr.Title(), "");
    EXPECT_EQ(vbr.Artist(), "");
    EXPECT_EQ(vbr.Seconds(), 2); // 2.99 s, truncated
    EXPECT_EQ(vbr.Stream().nTotalMs, 2990);

    RawRecords sjis;
    ASSERT_TRUE(sjis.Read(CopyInto("sjis.mp3", root.Path(), "sjis.mp3")));
    EXPECT_EQ(sjis.Title(), "表示");
    EXPECT_EQ(sjis.Artist(), "ソフト");
}

TEST(DllFileInfo, UnreadableFilesFailAndLeaveTheRecordsAlone) {
    CTempFolder root("壊");
    const std::string text = CopyInto("text.mp3", root.Path(), "文書.mp3");
    const std::string empty = root / "空.mp3";
    ASSERT_TRUE(WriteFileBytes(empty, ""));
    for (const std::string& path : {text, empty, root / "無い.mp3", root.Path()}) {
        RawRecords records;
        EXPECT_FALSE(records.Read(path)) << path;
        EXPECT_EQ(records.tag[0], 0xCD) << path;
        EXPECT_EQ(records.stream[52], 0xCD) << path;
    }
    VBMP3_STREAM_INFO stream;
    EXPECT_FALSE(vbmp3_getFileInfo(SampleFile("tagged.mp3").c_str(), nullptr, &stream));
}

} // namespace
