// Playing sound effects and music: the repeat guard, cross-fades, fades, volumes and the level musics.
#include "audio/GlobalSnd.h"

#include <algorithm>

#include "core/Globals.h"

using namespace eng;

namespace {

bool isPlaying(const std::shared_ptr<TSoundChannel>& channel) {
    return channel && channel->playing();
}

}  // namespace

void TGlobalSnd::playMySound(const std::string& id) {
    if (!id.empty()) playMySound(getSoundData(id));
}

void TGlobalSnd::playMySound(const std::shared_ptr<TSoundData>& sound) {
    // A slider dragged past its left end gives a volume just below 0: silent as well.
    const float volume = soundVol;
    if (volume <= 0 || !sound) return;
    sound->playMe(volume);
}

void TGlobalSnd::playMyMusic(const std::string& id) {
    if (!id.empty()) playMyMusic(getMusicData(id));
}

void TGlobalSnd::playMyMusic(const std::shared_ptr<TMusicData>& music) {
    if (!music) return;
    if (!music->snd) music->loadMe();
    // A piece whose file cannot be read leaves the music as it is.
    if (!music->snd) return;
    if (mustPlayNewMusic()) {
        oldPer = 0;
        dOldPer = 0;
    } else {
        // The current piece fades out. One still fading out from an earlier cross-fade ends now,
        // or it would sound on with nobody to stop it.
        if (oldMusicCHN) oldMusicCHN->stop();
        oldMusicData = newMusicData;
        oldMusicCHN = newMusicCHN;
        oldPer = 1;
        dOldPer = 0;
    }
    _startMusic(music);
}

void TGlobalSnd::_startMusic(const std::shared_ptr<TMusicData>& music) {
    newMusicCHN = music->snd->cue();
    newMusicData = music;
    newPer = 0;
    dNewPer = 1;
    if (!newMusicCHN) return;
    newMusicCHN->setVolume(musicVol * newPer);
    newMusicCHN->resume();
}

int TGlobalSnd::mustPlayNewMusic() const {
    return isPlaying(newMusicCHN) ? 0 : 1;
}

void TGlobalSnd::musicGoDown() {
    dNewPer = 0;
    dOldPer = 0;
}

void TGlobalSnd::musicGoUp() {
    dNewPer = 1;
}

void TGlobalSnd::update() {
    if (newPer < dNewPer) newPer = std::min(newPer + kFadeIn * frameDelta, dNewPer);
    if (newPer > dNewPer) newPer = std::max(newPer - kFadeDown * frameDelta, dNewPer);
    // Faded down to silence: the piece ends. Also when it was still silent at the start of its fade-in,
    // or it would play on unheard and blare out at full level as the previous piece of the next cross-fade.
    if (newPer == 0 && dNewPer == 0 && newMusicCHN) {
        newMusicCHN->stop();
        newMusicCHN = nullptr;
    }
    if (oldPer < dOldPer) oldPer = std::min(oldPer + kFadeIn * frameDelta, dOldPer);
    if (oldPer > dOldPer) oldPer = std::max(oldPer - kFadeIn * frameDelta, dOldPer);
    if (isPlaying(oldMusicCHN)) {
        if (oldPer == 0) {
            oldMusicCHN->stop();
            oldMusicCHN = nullptr;
        } else {
            oldMusicCHN->setVolume(musicVol * oldPer);
        }
    }
    if (isPlaying(newMusicCHN)) newMusicCHN->setVolume(musicVol * newPer);
    for (auto& s : sounds) s->update();
}

void TGlobalSnd::setMusicVol(float v) {
    if (v < 0.01f) v = 0;
    if (musicVol == 0 && v > 0) {
        playMyMusic(newMusicData);
    } else {
        if (oldMusicCHN) oldMusicCHN->setVolume(v * oldPer);
        if (newMusicCHN) newMusicCHN->setVolume(v * newPer);
    }
    if (v == 0) {
        if (oldMusicCHN) oldMusicCHN->stop();
        if (newMusicCHN) newMusicCHN->stop();
        oldMusicCHN = nullptr;
        newMusicCHN = nullptr;
    }
    musicVol = v;
}

void TGlobalSnd::setSoundVol(float v) {
    soundVol = v;
}

void TGlobalSnd::stopAllSounds() {
    if (isPlaying(newMusicCHN)) newMusicCHN->pause();
    if (isPlaying(oldMusicCHN)) oldMusicCHN->pause();
}

void TGlobalSnd::resumeAllSounds() {
    if (newMusicCHN) newMusicCHN->resume();
    if (oldMusicCHN) oldMusicCHN->resume();
}

void TGlobalSnd::playCoins() {
    const int64_t now = MilliSecs();
    if (now - coinTime < kCoinMs) return;
    playMySound("coin_" + std::to_string(Rand(1, 4)));
    coinTime = now;
}

void TGlobalSnd::click() {
    playMySound("click");
}

void TGlobalSnd::over() {
    // Moving onto a GUI item makes no sound.
}
