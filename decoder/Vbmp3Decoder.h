// IDecoder over VBMP3.DLL (imported through its import library).
#pragma once

#include "decoder/Decoder.h"

class CVbmp3Decoder final : public IDecoder {
public:
    bool Init() override;
    void Free() override;
    void SetCallback(NotifyFunc notify, void* context) override;
    bool Open(const std::string& path) override;
    void Close() override;
    bool Play() override;
    void Stop() override;
    void Pause() override;
    void Restart() override;
    int GetState(int* pElapsedSec) override;
    bool Seek(int millisecond) override;
    bool GetPosition(int* pMillisecond) override;
    void SetVolume(int percent) override;
    bool GetFileInfo(const std::string& path, CFileInfo* pInfo) override;
    void StartCallback() override;
    void StopCallback() override;
};
