#include "CZMRMenuSoundPlayer.h"

CZMRMenuSoundPlayer* CZMRMenuSoundPlayer::GetInstance()
{
    static CZMRMenuSoundPlayer s_player;
    return &s_player;
}

void CZMRMenuSoundPlayer::Request(int /*nSound*/)
{
    // The background player comes with the sound support; until then the
    // requests play nothing.
}
