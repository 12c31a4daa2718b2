// Reading "data/globalSnd.dat" and "data/musicQ.txt", loading musics, and looking records up by id.
#include <string>

#include "audio/EngineSoundOutput.h"
#include "audio/GlobalSnd.h"
#include "core/Globals.h"
#include "files/DataFile.h"
#include "files/FileNumber.h"

using namespace eng;

TGlobalSnd* globalSnd = nullptr;

TGlobalSnd::TGlobalSnd(std::shared_ptr<TSoundOutput> output) : _output(std::move(output)) {
    id = "GlobalSnd";
    if (!_output) _output = std::make_shared<TEngineSoundOutput>();
    folder = programPrefix;
}

void TMusicData::loadMe() {
    if (owner) owner->_setupExactMusicByNR(numer);
}

void TGlobalSnd::setup() {
    _setupMusic();
    _setupSounds();
    _setupMusicsQue();
}

void TGlobalSnd::_setupMusic() {
    auto file = loadDataFile(folder + "data/globalSnd.dat");
    musics.clear();
    levelMusics.clear();
    const int count = countItems(*file, "globalSnd::music", 1, readInt(*file, "globalSnd::musics"));
    for (int i = 1; i <= count; ++i) {
        const std::string key = "globalSnd::music" + std::to_string(i) + "::";
        auto m = std::make_shared<TMusicData>();
        m->id = file->getString(key + "id");
        m->url = folder + file->getString(key + "url");
        m->levelMusic = readInt(*file, key + "levelMusic");
        m->loop = readInt(*file, key + "loop");
        m->numer = i;
        m->owner = this;
        if (m->levelMusic != 0) levelMusics.push_back(m);
        musics.push_back(m);
    }
    aktLevelMusic = levelMusics.empty() ? 0 : Rand(1, static_cast<int>(levelMusics.size()));
}

void TGlobalSnd::_setupSounds() {
    auto file = loadDataFile(folder + "data/globalSnd.dat");
    sounds.clear();
    const int count = countItems(*file, "globalSnd::snd", 1, readInt(*file, "globalSnd::sounds"));
    for (int i = 1; i <= count; ++i) {
        const std::string key = "globalSnd::snd" + std::to_string(i) + "::";
        auto s = std::make_shared<TSoundData>();
        s->id = file->getString(key + "id");
        s->url = folder + file->getString(key + "url");
        s->snd = _output->load(s->url, 0);
        if (!s->snd)
            Notify("NO SOUND FILE: " + s->url + "  FileType = " + std::to_string(FileType(s->url)) + " !");
        sounds.push_back(s);
    }
}

void TGlobalSnd::_setupMusicsQue() {
    auto file = loadDataFile(folder + "data/musicQ.txt");
    musicsQ.clear();
    specLevelsMusic.clear();
    const int stages = countItems(*file, "musics::stage", 1, readInt(*file, "musics::stages"));
    for (int i = 1; i <= stages; ++i) {
        const std::string key = "musics::stage" + std::to_string(i) + "::";
        TStageQ q;
        q.stageN = i;
        const int n = countItems(*file, key + "music", 1, readInt(*file, key + "i"));
        for (int j = 1; j <= n; ++j) q.list.push_back(file->getString(key + "music" + std::to_string(j)));
        musicsQ.push_back(q);
    }
    const int special =
        countItems(*file, "musics::specialLevels::lvl", 1, readInt(*file, "musics::specialLevels::i"));
    for (int k = 1; k <= special; ++k) {
        const std::string key = "musics::specialLevels::lvl" + std::to_string(k) + "::";
        TSpecLevelMusic s;
        s.lvl = readInt(*file, key + "level");
        s.stg = readInt(*file, key + "stage");
        s.music = file->getString(key + "music");
        specLevelsMusic.push_back(s);
    }
}

void TGlobalSnd::_loadMusic(TMusicData& music) {
    music.snd = _output->load(music.url, music.loop != 0 ? 1 : 0);
}

void TGlobalSnd::_setupExactMusicByNR(int n) {
    if (n >= 1 && n <= static_cast<int>(musics.size())) _loadMusic(*musics[n - 1]);
}

void TGlobalSnd::_setupExactMusic(const std::string& id) {
    for (auto& m : musics)
        if (m->id == id) _loadMusic(*m);
}

std::shared_ptr<TMusicData> TGlobalSnd::getMusicData(const std::string& id) const {
    const std::string up = Upper(id);
    for (const auto& m : musics)
        if (Upper(m->id) == up) return m;
    return nullptr;
}

std::shared_ptr<TSoundData> TGlobalSnd::getSoundData(const std::string& id) const {
    const std::string up = Upper(id);
    for (const auto& s : sounds)
        if (Upper(s->id) == up) return s;
    return nullptr;
}

const TSpecLevelMusic* TGlobalSnd::getSpecLevel(int numerLevelu, int numerStageu) const {
    for (const auto& s : specLevelsMusic)
        if (s.lvl == numerLevelu && s.stg == numerStageu) return &s;
    return nullptr;
}
