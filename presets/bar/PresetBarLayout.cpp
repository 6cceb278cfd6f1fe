#include "PresetBarLayout.h"

#include <cmath>

namespace
{
void move(ORLRect& r, double dx)
{
    r.left += dx;
    r.right += dx;
}

void moveGroup(ORLRect& store, ORLRect& label, ORLRect& recall, double dx)
{
    move(store, dx);
    move(label, dx);
    move(recall, dx);
}

// Moves a memo group so that the truncated centre of its label lies at target.
void centreGroup(ORLRect& store, ORLRect& label, ORLRect& recall, double target)
{
    const double centre = std::trunc((label.left + label.right) / 2);
    moveGroup(store, label, recall, std::trunc(target) - centre);
}
} // namespace

PresetBarLayout computePresetBarLayout(double w)
{
    PresetBarLayout l{
        .manage = {4, 2, 52, 16},
        .actionsMenu = {4, 17, 46, 18},
        .compare = {58, 2, 112, 16},
        .name = {126, 2, 272, 16},
        .presetList = {126, 16, 272, 17},
        .arrows = {273, 2, 304, 16},
        .storeA = {320, 2, 332, 16},
        .labelA = {333, 2, 345, 16},
        .recallA = {346, 2, 358, 16},
        .storeB = {368, 2, 380, 16},
        .labelB = {381, 2, 393, 16},
        .recallB = {394, 2, 406, 16},
        .manual = {w - 37, 1, w - 19, 16},
        .bulb = {w - 18, 1, w - 3, 17},
    };

    if (w <= kPresetBarWideWidth)
    {
        l.manage.right -= 20;
        l.actionsMenu.right -= 20;
        l.compare.right -= 24;
        move(l.compare, -10);
        move(l.name, -34);
        move(l.presetList, -34);
        move(l.arrows, -34);
    }
    if (w < 400)
    {
        move(l.manage, -1);
        move(l.actionsMenu, -1);
        move(l.compare, -8);
        move(l.name, -12);
        move(l.presetList, -12);
        move(l.arrows, -12);
    }

    const double gap = l.manual.left - l.arrows.right;
    const double q = std::trunc(gap / 2) / 2;
    centreGroup(l.storeA, l.labelA, l.recallA, l.arrows.right + q);
    centreGroup(l.storeB, l.labelB, l.recallB, l.manual.left - q);

    for (int step = 0; step < 5; ++step)
    {
        const double between = l.storeB.left - l.recallA.right;
        const double lead = l.storeA.left - l.arrows.right;
        if (!(between >= lead && between > 3))
            break;
        moveGroup(l.storeA, l.labelA, l.recallA, 1);
        moveGroup(l.storeB, l.labelB, l.recallB, -1);
    }
    return l;
}
