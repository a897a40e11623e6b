#include "game/score_flash.h"

#include "resources/data30.h"
#include "video/vdp.h"

namespace vantor {
namespace {

constexpr int32_t kImages = 8;
constexpr int32_t kRounds = 2;

}  // namespace

void ScoreFlash::start() {
    on = 1;
    frame = 0;
    rounds = kRounds;
}

void ScoreFlash::step() {
    vdp.drawFillRunImage(0, 0, res.scoreFlash[on ? frame : 0]);
    if (!on) return;
    if (++frame < kImages) return;
    frame = 0;
    if (--rounds == 0) on = 0;
}

}  // namespace vantor
