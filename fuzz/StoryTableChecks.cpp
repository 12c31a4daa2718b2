// The tables target's checks of the tutorial, the dialogs, the opening story and the sound tables: each
// read, then played as far as it can be without a player at the mouse.
#include <memory>

#include "FuzzInput.h"
#include "NonogramKinds.h"
#include "TablesChecks.h"
#include "audio/GlobalSnd.h"
#include "core/Globals.h"
#include "nonogram/Level.h"
#include "progress/Profile.h"
#include "progress/TutorialIndex.h"
#include "story/DialogBox.h"
#include "story/StoryStart.h"
#include "tutorial/RowExample.h"
#include "tutorial/Tutorial.h"

namespace {

std::shared_ptr<TLevel> grid;

// A 5 x 5 level with a picture in every other column.
std::shared_ptr<TLevel> smallGrid() {
    std::string text = "level {\n\tdata {\n\t\tdims = 5, 5\n\t\tsize = 0\n\t\tmistakes = 3\n\t}\n";
    for (const char* part : {"tiles", "tilesHide"}) {
        text += std::string("\t") + part + " {\n";
        for (int r = 0; r < 5; ++r) text += "\t\trow" + std::to_string(r) + " = 1, 0, 1, 0, 1\n";
        text += "\t}\n";
    }
    text += "}\n";
    FuzzFile file("grid.lvl", reinterpret_cast<const uint8_t*>(text.data()), text.size());
    return loadLevel(file.path(), 0);
}

// Sounds that load from any path and play silently.
class SilentChannel : public TSoundChannel {
  public:
    void resume() override { on = true; }
    void pause() override { on = false; }
    void stop() override { on = false; }
    bool playing() const override { return on; }
    void setVolume(float) override {}

  private:
    bool on = false;
};
class SilentClip : public TSoundClip {
  public:
    std::shared_ptr<TSoundChannel> cue() override { return std::make_shared<SilentChannel>(); }
};
class SilentOutput : public TSoundOutput {
  public:
    std::shared_ptr<TSoundClip> load(const std::string&, int) override {
        return std::make_shared<SilentClip>();
    }
};

}  // namespace

void prepareTableChecks() {
    makeNonogramKinds();
    grid = smallGrid();
    fuzzCheck(grid != nullptr, "the tutorial's grid cannot be made");
}

void checkTutorial() {
    TProfile player;
    TTutorial t;
    t.profile = [&player] { return &player; };
    t.grid = [] { return grid.get(); };
    t.setup();
    fuzzCheck(tutorialIndex.tips.size() == t.levelTips.size() + t.generalTips.size(),
              "tips missing from the index");
    for (const auto* list : {&t.levelTips, &t.generalTips})
        for (const auto& tip : *list) {
            fuzzCheck((tip->numerLevelu != 0) == (list == &t.levelTips), "a tip in the other list");
            fuzzCheck(tip->id == eng::Upper(tip->id) && tutorialIndex.find(tip->id),
                      "a tip not found by its id");
            player.numerLevelu = tip->numerLevelu;
            tip->reset();
            for (const TWords& c : tip->conditions) t.conditionHolds(*tip, c);
            for (const TWords& action : tip->allActions) {
                tip->actAction = action;
                t.runAction(*tip);
                for (int frame = 0; tip->actPosibility && frame < 2; ++frame) {
                    tip->actPosibility->update();
                    tip->actPosibility->draw(*grid);
                    eng::Flip();
                }
                tip->actPosibility.reset();
            }
            for (const TWords& c : tip->eraseConds) t.eraseHolds(c);
        }
    grid->turnOnAll();
}

void checkDialogs() {
    TDialogBox box;
    box.loadDialogs(programPrefix + "data/dialogs.dat", false);
    for (const auto& d : box.dialogTexts) {
        const auto found = box.getDialogText(d->id);
        fuzzCheck(found && found->id == d->id, "a dialog not found by its number");
    }
}

void checkStory() {
    TStoryStart story;
    story.loadStory();
    for (const auto& part : story.storyParts) {
        part->Reset();
        for (int frame = 0; frame < 5; ++frame) {
            part->update();
            part->draw();
            eng::Flip();
        }
        // Each click brings one waiting picture forward: the part is over after as many clicks.
        size_t clicks = 0;
        while (part->GetNext() != 0) fuzzCheck(++clicks <= part->images.size(), "a part that never ends");
    }
}

void checkSounds() {
    TGlobalSnd snd(std::make_shared<SilentOutput>());
    snd.setup();
    fuzzCheck(snd.aktLevelMusic >= 0 && snd.aktLevelMusic <= static_cast<int>(snd.levelMusics.size()),
              "a level music beyond the list");
    snd.setSoundVol(1);
    snd.setMusicVol(1);
    for (const auto& s : snd.sounds) snd.playMySound(s->id);
    for (const TStageQ& q : snd.musicsQ) snd.playExactMusic(1, q.stageN);
    for (const TSpecLevelMusic& s : snd.specLevelsMusic) snd.playExactMusic(s.lvl, s.stg);
    for (int frame = 0; frame < 3; ++frame) snd.update();
}
