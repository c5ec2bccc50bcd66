// The player controller until it is built: the only command the program gives so far is the
// stop of a confirmed exit, which stops and closes whatever the decoder has open.
#include "app/PlayerDlg.h"
#include "playback/DecoderCallback.h"

BOOL CPlayerDlg::PlayerControl(int nCode) {
    if (nCode != PC_STOP) return FALSE;
    int nElapsed = 0;
    if (m_decoder.GetState(&nElapsed) == IDecoder::STATE_STOPPED) return TRUE;
    m_decoder.StopCallback();
    m_decoder.Stop();
    m_decoder.Close();
    m_decoder.StartCallback();
    return TRUE;
}

void CPlayerDlg::OnDecoderNotify(int, int) {}

void DecoderCallback(int, int) {}
