#pragma once
// Window layouts are given in units of 1/1440 inch (twips); 15 twips make one pixel
// at 96 dots per inch.

namespace tk {

constexpr int tw(int twips) {
    return twips / 15;
}

} // namespace tk
