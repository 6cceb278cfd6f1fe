#pragma once

#include "ORLGraphicsTypes.h"

// The colours of the preset bar and its self-drawn controls.
namespace presetbar
{
inline constexpr ORLColor kBarBackground{30, 30, 30, 255};
inline constexpr ORLColor kArrowIdle{127, 127, 124, 200};
inline constexpr ORLColor kArrowPressedOutline{200, 200, 200, 200};
inline constexpr ORLColor kStoreHoverFill{205, 138, 138, 255};
inline constexpr ORLColor kRecallHoverFill{127, 197, 121, 255};
inline constexpr ORLColor kNudgeHoverFill{187, 187, 184, 255};
inline constexpr ORLColor kLabelIdle{184, 184, 184, 255};
inline constexpr ORLColor kLabelHovered{219, 219, 219, 255};
inline constexpr ORLColor kLabelPressed{250, 250, 250, 255};
inline constexpr ORLColor kNameBackground{208, 224, 238, 255};
inline constexpr ORLColor kNameCommitted{0, 0, 0, 255};
inline constexpr ORLColor kNameEdited{100, 60, 60, 255};
inline constexpr ORLColor kNameEditorText{30, 30, 30, 255};
inline constexpr ORLColor kSlotLabel{184, 184, 184, 255};
inline constexpr double kArrowLineWidth = 1.2;
} // namespace presetbar
