#include "tests/support/FakeDecoder.h"

void CFakeDecoder::Record(const std::string& call) {
    std::function<void()> hook;
    {
        std::lock_guard<std::recursive_mutex> lock(m_mutex);
        m_calls.push_back(call);
        const std::string name = call.substr(0, call.find('('));
        auto it = hooks.find(name);
        if (it != hooks.end()) hook = it->second;
    }
    if (hook) hook();
}

bool CFakeDecoder::Init() {
    Record("Init");
    return true;
}

void CFakeDecoder::Free() {
    Record("Free");
}

void CFakeDecoder::SetCallback(NotifyFunc notify, void* context) {
    Record(notify ? "SetCallback" : "SetCallback(none)");
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    m_notify = notify;
    m_context = context;
}

bool CFakeDecoder::Open(const std::string& path) {
    Record("Open(" + path + ")");
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    if (failingOpens.count(path)) return false;
    m_open = true;
    m_openPath = path;
    m_state = STATE_STOPPED;
    return true;
}

void CFakeDecoder::Close() {
    Record("Close");
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    m_open = false;
    m_openPath.clear();
    m_state = STATE_STOPPED;
    m_bEndDue = false;
}

bool CFakeDecoder::Play() {
    Record("Play");
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    if (!m_open || noDevice) return false;
    m_state = STATE_PLAYING;
    m_bFirstSampleDue = true;
    return true;
}

void CFakeDecoder::Stop() {
    Record("Stop");
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    m_state = STATE_STOPPED;
    m_bEndDue = false;
}

void CFakeDecoder::Pause() {
    Record("Pause");
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    if (m_state == STATE_PLAYING) m_state = STATE_PAUSED;
}

void CFakeDecoder::Restart() {
    Record("Restart");
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    if (m_state == STATE_PAUSED) m_state = STATE_PLAYING;
}

int CFakeDecoder::GetState(int* pElapsedSec) {
    // Not recorded: the player asks often, and the order of commands is what tests look at.
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    ++m_getStateCalls;
    if (pElapsedSec) *pElapsedSec = m_state == STATE_STOPPED ? 0 : elapsedSec;
    return m_state;
}

bool CFakeDecoder::Seek(int millisecond) {
    Record("Seek(" + std::to_string(millisecond) + ")");
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    if (m_state == STATE_STOPPED) return false;
    if (millisecond >= lengthMs) {
        m_state = STATE_STOPPED;
        m_bEndDue = true;
    } else {
        elapsedSec = millisecond > 0 ? millisecond / 1000 : 0;
    }
    return true;
}

bool CFakeDecoder::GetPosition(int* pMillisecond) {
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    if (m_state == STATE_STOPPED) return false;
    *pMillisecond = elapsedSec * 1000;
    return true;
}

void CFakeDecoder::SetVolume(int percent) {
    Record("SetVolume(" + std::to_string(percent) + ")");
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    m_volume = percent;
}

int CFakeDecoder::Volume() const {
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    return m_volume;
}

bool CFakeDecoder::GetFileInfo(const std::string& path, CFileInfo* pInfo) {
    Record("GetFileInfo(" + path + ")");
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    auto it = fileInfo.find(path);
    if (it == fileInfo.end()) return false;
    *pInfo = it->second;
    return true;
}

void CFakeDecoder::StartCallback() {
    Record("StartCallback");
    bool heard = false;
    bool ended = false;
    {
        std::lock_guard<std::recursive_mutex> lock(m_mutex);
        m_callbacksOn = true;
        heard = m_bFirstSampleDue && m_state == STATE_PLAYING;
        m_bFirstSampleDue = false;
        ended = m_bEndDue;
        m_bEndDue = false;
    }
    // As the library does once the track played last is heard: its first sample sounds.
    if (heard) Notify(NOTIFY_ELAPSED, 0);
    if (ended) Notify(NOTIFY_END, 1);
}

void CFakeDecoder::StopCallback() {
    Record("StopCallback");
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    m_callbacksOn = false;
}

bool CFakeDecoder::Notify(int code, int value) {
    NotifyFunc notify = nullptr;
    void* context = nullptr;
    {
        std::lock_guard<std::recursive_mutex> lock(m_mutex);
        if (!m_callbacksOn) return false;
        notify = m_notify;
        context = m_context;
    }
    return notify && notify(context, code, value);
}

bool CFakeDecoder::EndTrack(bool playedSound) {
    {
        std::lock_guard<std::recursive_mutex> lock(m_mutex);
        m_state = STATE_STOPPED;
    }
    return Notify(NOTIFY_END, playedSound ? 1 : 0);
}

bool CFakeDecoder::FailDevice() {
    {
        std::lock_guard<std::recursive_mutex> lock(m_mutex);
        m_state = STATE_STOPPED;
    }
    return Notify(NOTIFY_FAILED, 0);
}

std::vector<std::string> CFakeDecoder::Calls() const {
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    return m_calls;
}

void CFakeDecoder::ClearCalls() {
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    m_calls.clear();
}

std::string CFakeDecoder::OpenPath() const {
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    return m_openPath;
}

int CFakeDecoder::State() const {
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    return m_state;
}

bool CFakeDecoder::CallbacksOn() const {
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    return m_callbacksOn;
}

int CFakeDecoder::GetStateCalls() const {
    std::lock_guard<std::recursive_mutex> lock(m_mutex);
    return m_getStateCalls;
}
