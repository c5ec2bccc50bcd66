// The library's file information in the two records of vbmp3_getFileInfo.
#ifndef VBMP3_DLL_FILEINFORECORDS_H
#define VBMP3_DLL_FILEINFORECORDS_H

#include "vbmp3/core/FileInfo.h"
#include "vbmp3/vbmp3.h"

namespace vbmp3 {

// Writes every byte of both records (reserved ones as zero), as vbmp3.h documents them.
void FillFileInfoRecords(const FileInfo& info, VBMP3_TAG_INFO& tag, VBMP3_STREAM_INFO& stream);

} // namespace vbmp3

#endif
