// Particles: short-lived sprites that interpolate from their birth to their death values and leave their
// list.
#include "effects/Particle.h"

#include <algorithm>
#include <string>

#include "core/Curve.h"
#include "core/Globals.h"
#include "files/DataFile.h"
#include "files/FileNumber.h"

using namespace eng;

std::vector<Image> particleImages;

void TParticle::setup() {
    const auto data = loadDataFile(programPrefix + "data/particles.dat");
    // "i" names the last picture number; p0 to p<i> are listed.
    const int count = countItems(*data, "particles::p", 0, readInt(*data, "particles::i") + 1);
    particleImages.assign(static_cast<size_t>(count), nullptr);
    for (int k = 0; k < count; ++k) {
        const std::string key = "particles::p" + std::to_string(k);
        const std::string path = programPrefix + data->getString(key);
        Image img = LoadImage(path, FILTEREDIMAGE | MIPMAPPEDIMAGE);
        if (!img) {
            Notify("NO PARTICLE IMG: " + path, false);
            continue;
        }
        const float hx = data->getFloat(key + "handle", 0);
        if (hx == 0)
            MidHandleImage(img);
        else
            SetImageHandle(img, hx, data->getFloat(key + "handle", 1));
        particleImages[static_cast<size_t>(k)] = img;
    }
}

void TParticle::_updateTime() {
    const int64_t now = MilliSecs();
    if (now < startTime) {
        lifePer = 0;
        return;
    }
    if (!_born) {
        _born = true;
        bornTime = now;
    }
    const int64_t age = now - bornTime;
    lifePer = lifeTime > 0 ? std::min(1.0f, static_cast<float>(age) / static_cast<float>(lifeTime)) : 1.0f;
    if (age > lifeTime) destroy();
}

void TParticle::_updateAlpha() {
    if (!getBack) {
        a = startA + (da - startA) * lifePer;
        return;
    }
    if (lifePer <= 0.5f)
        a = startA + (da - startA) * 2 * lifePer;
    else
        a = startA + (da - startA) * (1 - (lifePer - 0.5f) / 0.5f);
    _updatePosition();
}

void TParticle::_updateScale() {
    s = startS + (ds - startS) * lifePer;
}

void TParticle::_updatePosition() {
    r = startR + (dr - startR) * lifePer;
}

void TParticle::_updateMove() {
    per = lifePer;
    x = bezier(x1, mx, x2, per);
    y = bezier(y1, my, y2, per);
}

void TParticle::update() {
    _updateTime();
    _updateAlpha();
    _updateScale();
    _updateMove();
}

void TParticle::draw() const {
    if (MilliSecs() < startTime) return;
    if (n < 0 || n >= static_cast<int>(particleImages.size())) return;
    const Image& img = particleImages[static_cast<size_t>(n)];
    if (!img) return;
    SetBlend(blend);
    SetRotation(r);
    SetColor(rgb.r, rgb.g, rgb.b);
    SetAlpha(a);
    SetScale(s, s);
    DrawImage(img, x, y, 0);
}

void TParticle::destroy() {
    if (list) list->remove(this);
}

std::shared_ptr<TParticle> createParticle(int n, float x1, float y1, float x2, float y2, float mx, float my,
                                          const TRGB& rgb, float a0, float a1, float s0, float s1, float r0,
                                          float r1, int blend, int delay, int life, TParticleList& list) {
    auto p = std::make_shared<TParticle>();
    p->n = n;
    p->x1 = x1;
    p->y1 = y1;
    p->x2 = x2;
    p->y2 = y2;
    p->mx = mx;
    p->my = my;
    p->rgb = rgb;
    p->a = p->startA = a0;
    p->da = a1;
    p->s = p->startS = s0;
    p->ds = s1;
    p->r = p->startR = r0;
    p->dr = r1;
    p->blend = blend;
    p->startTime = MilliSecs() + delay;
    p->lifeTime = life;
    p->lifePer = 0;
    p->_updateMove();
    return list.add(p);
}
