// The outro's pictures, its run and its script of stages.
#include "story/StoryOutro.h"

#include <algorithm>

#include "audio/GlobalSnd.h"
#include "core/DeltaTime.h"
#include "core/Globals.h"
#include "files/TxtFile.h"
#include "gui/Gui.h"
#include "gui/Mouse.h"
#include "gui/MyFont.h"
#include "progress/Credits.h"
#include "progress/ProfileManager.h"
#include "screen/FrameServices.h"
#include "story/StoryPicture.h"

using namespace eng;

TStoryOutro* storyOutro = nullptr;

namespace {
constexpr float kWalkIn = 0.006f;     // the characters' walk onto the second scene, per frame step
constexpr float kFriendsOut = 0.02f;  // Tazmira and Hamid leaving
constexpr float kProfIn = 0.02f;      // the professor's new tablet coming into view
constexpr float kProfMove = 0.01f;    // his last steps
constexpr float kCarSpeed = 0.004f;   // the car's drive, about four seconds
constexpr float kDarken = 0.006f;     // the last scene going dark
}  // namespace

TStoryOutro::TStoryOutro() {
    id = "STORY-OUTRO";
    panelCopies = 1;
}

void TStoryOutro::setup() {
    TCutscene::setup();
    const auto txt = loadTxtFile(programPrefix + "txt/#LANG#/outro.txt");
    txtWeekLater = Trim(getLine(txt, 1));
    txtToBeContinue = Trim(getLine(txt, 2));
    font = getFont(programPrefix + "gfx/fonts/storyFont.ttf", 42);
    const std::string dir = "gfx/story/outro/";
    for (size_t i = 0; i < images.size(); ++i)
        images[i] = storyPicture(dir + "image-" + std::to_string(i) + ".jpg", true);
    tazmira = storyPicture(dir + "tazmira.png");
    hamid = storyPicture(dir + "hamid.png");
    profesor = storyPicture(dir + "profesor.png");
    profesor2 = storyPicture(dir + "profesor2.png");
    car = storyPicture(dir + "car.png");
    back2 = storyPicture(dir + "back.jpg", true);
    // The characters stand on their feet (8 px of contact shadow below them), the car on its wheels.
    for (const Image* img : {&tazmira, &hamid, &profesor, &profesor2})
        if (*img) SetImageHandle(*img, ImageWidth(*img) / 2.0f, ImageHeight(*img) - 8.0f);
    if (car) SetImageHandle(car, ImageWidth(car) / 2.0f, static_cast<float>(ImageHeight(car)));
}

void TStoryOutro::prepare() {
    setup();
    imageA = dImageA = {};
    imageA[0] = dImageA[0] = 1;
    fSpeed = 0.03f;
    fade = 1;
    dFade = 0;
    alpha = dAlpha = 1;
    stage = 0;
    friendsAlpha = 1;
    profAlpha = scene2A = scene3A = scene4a = 0;
    TazmiraPer = ProfesorPer = profMovePer = carPer = 0;
    textA = dTextA = 0;
    actText.clear();
    carX = startCarX;
    carY = startCarY;
    backS = 1;
    backTime = MilliSecs() + 2000;
    nextStage2 = MilliSecs() + 10000;
    // The journey is over: from here the player's place is the map, where the flow has nothing left but its
    // ending, so resuming never shows the outro again.
    if (TProfile* p = activeProfile()) {
        p->gameType = "MAPA";
        p->save();
    }
    if (globalSnd) globalSnd->playMyMusic("Outro");
    _prepareDelta();
}

std::string TStoryOutro::next() {
    // After the credits the finished journey meets its ending screen.
    if (credits) credits->leadsTo = "END-OF-LEVELS";
    return "CREDITS";
}

void TStoryOutro::_updateStage() {
    approach(textA, dTextA, 0.025f);
    for (size_t i = 0; i < imageA.size(); ++i)
        if (imageA[i] < dImageA[i]) approach(imageA[i], dImageA[i], 0.02f);
    const int64_t now = MilliSecs();
    const bool due = now > backTime;
    switch (stage) {
        // The slide show of the last day of the journey.
        case 0:
            if (due) {
                RunDialog(40);
                _show(1);
                backTime = MilliSecs() + 1000;
                stage = 1;
            }
            break;
        case 1:
            if (due) {
                RunDialog(41);
                _show(2);
                _remove(0);
                backTime = MilliSecs() + 2000;
                stage = 2;
            }
            break;
        case 2:
            if (due) {
                _show(3);
                _remove(1);
                backTime = MilliSecs() + 2000;
                stage = 3;
            }
            break;
        case 3:
            if (due) {
                _show(4);
                _remove(2);
                backTime = MilliSecs() + 2000;
                stage = 4;
            }
            break;
        case 4:
            if (due) {
                RunDialog(42);
                _show(5);
                _remove(3);
                backTime = MilliSecs() + 2000;
                stage = 5;
            }
            break;
        case 5:
            if (due) {
                RunDialog(43);
                _show(6);
                _remove(4);
                backTime = MilliSecs() + 2000;
                stage = 6;
            }
            break;
        case 6:
            if (!due) break;
            RunDialog(44);
            actText = txtWeekLater;
            dTextA = 1;
            _remove(5);
            backTime = MilliSecs() + 3000;
            stage = 300;
            break;
        case 300:  // the sunset holds under its caption, then goes dark
            if (!due) break;
            scene3A += 0.01f * frameDelta;
            if (scene3A >= 1) {
                scene3A = 1;
                nextStage2 = MilliSecs() + 8000;
                dTextA = 0;
                stage = 200;
            }
            break;
        case 200:  // Cairo, a week later: the friends walk in
            scene2A = std::min(1.0f, scene2A + 0.01f * frameDelta);
            TazmiraPer = std::min(1.0f, TazmiraPer + kWalkIn * frameDelta);
            ProfesorPer = std::min(1.0f, ProfesorPer + kWalkIn * frameDelta);
            if (now > nextStage2) {
                RunDialog(45);
                stage = 201;
            }
            break;
        case 201:  // Tazmira and Hamid go to their car
            friendsAlpha = std::max(0.0f, friendsAlpha - kFriendsOut * frameDelta);
            if (friendsAlpha <= 0) {
                nextStage2 = MilliSecs() + 1000;
                stage = 202;
            }
            break;
        case 202:  // the professor finds the new tablet; the car drives off
            approach(profAlpha, 1, kProfIn);
            if (now > nextStage2) {
                carPer = std::min(1.0f, carPer + kCarSpeed * frameDelta);
                const float e = 1 - static_cast<float>(Cos(90 * carPer));
                carX = startCarX + (endCarX - startCarX) * e;
                carY = startCarY + (endCarY - startCarY) * e;
                if (carPer >= 1) stage = 203;
            }
            break;
        case 203:
            approach(profAlpha, 1, kProfIn);
            profMovePer = std::min(1.0f, profMovePer + kProfMove * frameDelta);
            if (profMovePer >= 1 && profAlpha >= 1) {
                RunDialog(46);
                backTime = MilliSecs() + 2000;
                stage = 204;
            }
            break;
        case 204:
            if (!due) break;
            actText = txtToBeContinue;
            dTextA = 1;
            backTime = MilliSecs() + 3000;
            stage = 400;
            break;
        case 400:
            scene4a = std::min(1.0f, scene4a + kDarken * frameDelta);
            if (due) {
                backTime = MilliSecs() + 2000;
                stage = 401;
            }
            break;
        case 401:
            dFade = 1;
            break;
        default:
            break;
    }
}
