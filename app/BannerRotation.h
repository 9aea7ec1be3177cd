#pragma once

#include <array>

class QWidget;

// The banners of the main window take turns, each for one tick of Timer1.
namespace BannerRotation {

inline constexpr int BannerCount = 3;
// Where a banner stands while it is shown; its top stays as designed.
inline constexpr int kShownLeft = 350;
inline constexpr int kShownWidth = 468;
inline constexpr int kShownHeight = 50;

using Banners = std::array<QWidget*, BannerCount>;

// One tick: hides every banner, shows banner number `bannerIndex` (1-based; any
// other number shows none) and returns the number of the banner the next tick
// shows, which goes back to 1 after the last.
int tick(const Banners& banners, int bannerIndex);

} // namespace BannerRotation
