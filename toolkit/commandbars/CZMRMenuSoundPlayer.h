// Plays the system's menu sounds without holding up the user interface.
#pragma once
#include "Framework.h"

class CZMRMenuSoundPlayer
{
public:
    enum Sound
    {
        soundMenuCommand = 1,
        soundMenuPopup = 2
    };

    // The one player of the process.
    static CZMRMenuSoundPlayer* GetInstance();

    // Asks for a sound to be played.
    void Request(int nSound);

private:
    CZMRMenuSoundPlayer() = default;
};
