// Choosing the music of a level: by stage mood, from the stage lists, or any level music.
#include <string>

#include "audio/GlobalSnd.h"
#include "engine/Engine.h"

using namespace eng;

void TGlobalSnd::playLevelMusic(int stage) {
    if (Rand(0, 1) == 1) {
        playMyMusic("Neutral-" + std::to_string(Rand(1, 2)));
        return;
    }
    if (stage == 1 || stage == 2)
        playMyMusic("Egypt-" + std::to_string(Rand(1, 2)));
    else if (stage == 3 || stage == 4)
        playMyMusic("Iran-" + std::to_string(Rand(1, 2)));
    else if (stage == 5)
        playMyMusic("Tibet-" + std::to_string(Rand(1, 4)));
}

void TGlobalSnd::playRandomLevelMusic() {
    if (levelMusics.empty()) return;
    playMyMusic(levelMusics[Rand(1, static_cast<int>(levelMusics.size())) - 1]);
}

void TGlobalSnd::playExactMusic(int numerLevelu, int numerStageu) {
    if (const TSpecLevelMusic* special = getSpecLevel(numerLevelu, numerStageu)) {
        playMyMusic(special->music);
        return;
    }
    for (const TStageQ& q : musicsQ) {
        if (q.stageN == numerStageu) {
            playMusicFromStageQ(q);
            return;
        }
    }
    playRandomLevelMusic();
}

void TGlobalSnd::playMusicFromStageQ(const TStageQ& q) {
    if (q.list.empty()) return;  // a stage without musics stays as it is
    std::string id = q.list[Rand(1, static_cast<int>(q.list.size())) - 1];
    if (id == lastMusic) id = q.list.front();
    playMyMusic(id);
    lastMusic = id;
}
