// A story part's chain of pictures, its captions, its cross-fade and the player's clicks ahead.
#include "story/StoryPart.h"

#include "core/DrawState.h"

using namespace eng;

void TStoryPart::draw() const {
    for (const auto& i : images) i->draw();
    for (const auto& i : images)
        if (i->onTop) i->draw();
    SetColor(0, 0, 0);
    SetBlend(ALPHABLEND);
    SetScale(1, 1);
    SetAlpha(1);
    SetRotation(0);
    DrawRect(0, 658, 1024, 110);
    for (const auto& t : texts) t->draw();
}

TStoryPart::Fade TStoryPart::update() {
    float e = 0, b = 0;
    for (size_t i = 0; i < images.size(); ++i) {
        images[i]->update();
        if (i + 1 == images.size()) e = images[i]->isAtEnd();
        if (i == 0) b = images[i]->isAtBegin();
    }
    if (e != 0) return {e, true};
    if (b != 0) return {b, false};
    return {0, false};
}

void TStoryPart::StartText(int n) {
    const int64_t now = MilliSecs();
    int64_t d = 0;
    for (const auto& t : texts) {
        if (t->myNumber < n) t->endTime = now - 500;
        if (t->myNumber == n) {
            d = t->startTime - now;
            t->startTime = now - 10;
        }
        const bool follows = (n == 2 && (t->myNumber == 3 || t->myNumber == 4)) ||
                             (n == 5 && (t->myNumber == 6 || t->myNumber == 7));
        if (follows) t->startTime -= d;
    }
}

void TStoryPart::Reset() {
    const int64_t now = MilliSecs();
    int64_t s = 0;
    for (const auto& i : images) {
        i->time = now + s;
        s += i->timeFrame;
    }
    for (const auto& t : texts) t->startTime += now;
}

int TStoryPart::GetNext() {
    if (images.empty()) return 0;
    TStoryImage* e = images.front().get();
    for (const auto& img : images) {
        TStoryImage* n = img.get();
        if (n->started == 0 && e->started != 0) {
            e->Finish();
            n->Go();
            if (n->moveAlong == 0) return 1;
        }
        e = n;
    }
    return 0;
}
