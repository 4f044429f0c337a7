// A set of pixels kept as disjoint rectangles: clip regions and update regions.
#pragma once

#include <windows.h>

#include <vector>

namespace win32 {

class Region {
public:
    Region() = default;
    explicit Region(const RECT& rect) { addRect(rect); }

    static bool isEmptyRect(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }
    static RECT intersect(const RECT& a, const RECT& b);

    const std::vector<RECT>& rects() const { return rects_; }
    bool empty() const { return rects_.empty(); }
    void clear() { rects_.clear(); }
    bool contains(int x, int y) const;
    RECT bounds() const;
    // NULLREGION, SIMPLEREGION or COMPLEXREGION, the platform's answer for a clip or update region.
    int complexity() const;

    void addRect(const RECT& rect);
    void subtractRect(const RECT& rect);
    void intersectRect(const RECT& rect);
    void intersectRegion(const Region& other);
    void subtractRegion(const Region& other);
    void offset(int dx, int dy);

private:
    std::vector<RECT> rects_;
};

}  // namespace win32
