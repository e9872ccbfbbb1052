#include "platform/posix/raster/direction.h"

namespace posix::raster {

Direction MakeDirection(int64_t x, int64_t y, bool lower) {
    using Sector = Direction::Sector;
    Sector sector = Sector::LowerHalf;  // also the zero vector
    if (y > 0 || (y == 0 && x > 0 && !lower)) sector = Sector::UpperHalf;
    else if (y == 0 && x < 0) sector = Sector::NegativeAxis;
    else if (y == 0 && x > 0) sector = Sector::FullTurn;
    return Direction{x, y, sector};
}

int CrossSign(int64_t ux, int64_t uy, int64_t vx, int64_t vy) {
    const __int128 cross = static_cast<__int128>(ux) * vy - static_cast<__int128>(uy) * vx;
    return cross > 0 ? 1 : (cross < 0 ? -1 : 0);
}

int CompareDirections(const Direction& a, const Direction& b) {
    using Sector = Direction::Sector;
    if (a.sector != b.sector) return a.sector < b.sector ? -1 : 1;
    if (a.sector == Sector::NegativeAxis || a.sector == Sector::FullTurn) return 0;
    return -CrossSign(a.x, a.y, b.x, b.y);
}

}  // namespace posix::raster
