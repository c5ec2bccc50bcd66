#include "vbmp3/playback/PlayableFile.h"

#include "vbmp3/core/FileInfo.h"
#include "vbmp3/playback/AcmMp3Decoder.h"

namespace vbmp3 {

std::unique_ptr<PlayableFile> PlayableFile::Open(const char* path) {
    if (!path) return nullptr;
    std::unique_ptr<PlayableFile> file(new PlayableFile(path));
    FileInfo info;
    if (!file->m_source.IsOpen() || !ReadFileInfo(file->m_source, info)) return nullptr;
    const StreamFacts& facts = info.stream;
    if (facts.first.layer != 3 || facts.frameCount == 0 || !AcmMp3Decoder::CanDecode(facts.first))
        return nullptr;
    file->m_facts = facts;
    file->m_index = std::make_unique<FrameIndex>(facts);
    return file;
}

} // namespace vbmp3
